#include "ui/LinkLabel.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QSignalSpy>
#include <QtTest>

using namespace skyvarre;

class tst_LinkLabel : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void onlyAPressAndReleaseOnTheLabelIsAClick_data();
    void onlyAPressAndReleaseOnTheLabelIsAClick();
    void keysOnAFocusedLink_data();
    void keysOnAFocusedLink();
    void tabReachesTheLinkButAClickLeavesTheFocusAlone();
    void aFocusedLinkIsFramedInItsTextColour();
};

void tst_LinkLabel::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_LinkLabel::onlyAPressAndReleaseOnTheLabelIsAClick_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left press and release on the label click")
        << int(Qt::LeftButton) << QPoint(10, 5) << 1;
    QTest::newRow("a press dragged off the label before release is no click")
        << int(Qt::LeftButton) << QPoint(500, 5) << 0;
    QTest::newRow("the right button does not click") << int(Qt::RightButton) << QPoint(10, 5) << 0;
}

void tst_LinkLabel::onlyAPressAndReleaseOnTheLabelIsAClick()
{
    QFETCH(int, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    LinkLabel label;
    label.setText(QStringLiteral("Click here for more details"));
    label.resize(200, 20);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicked(&label, &LinkLabel::clicked);

    const auto mouseButton = static_cast<Qt::MouseButton>(button);
    QTest::mousePress(&label, mouseButton, {}, QPoint(10, 5));
    QTest::mouseRelease(&label, mouseButton, {}, releaseAt);

    QCOMPARE(clicked.count(), clicks);
}

void tst_LinkLabel::keysOnAFocusedLink_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("clicks");

    QTest::newRow("Enter clicks") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("keypad Enter clicks")
        << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
    QTest::newRow("Space clicks") << int(Qt::Key_Space) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("the repeats of a held-down Enter do not click")
        << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 0;
    QTest::newRow("Ctrl+Enter does not click")
        << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
    QTest::newRow("a letter does not click") << int(Qt::Key_A) << int(Qt::NoModifier) << false << 0;
}

void tst_LinkLabel::keysOnAFocusedLink()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(int, clicks);
    LinkLabel label;
    label.setText(QStringLiteral("Click here for more details"));
    label.show();
    label.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&label));
    label.setFocus(Qt::TabFocusReason);
    QSignalSpy clicked(&label, &LinkLabel::clicked);

    // Only the repeats of a held-down key come with autoRepeat set.
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), autoRepeat);
    QApplication::sendEvent(&label, &press);

    QCOMPARE(clicked.count(), clicks);
}

void tst_LinkLabel::tabReachesTheLinkButAClickLeavesTheFocusAlone()
{
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* link = new LinkLabel(&window);
    link->setText(QStringLiteral("Click here for more details"));
    link->setGeometry(0, 40, 200, 20);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), field);

    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), link);
}

void tst_LinkLabel::aFocusedLinkIsFramedInItsTextColour()
{
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* link = new LinkLabel(&window);
    link->setText(QStringLiteral("Click here for more details"));
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    palette.setColor(QPalette::Window, Qt::darkBlue);
    link->setPalette(palette);
    link->setAutoFillBackground(true);
    link->setAlignment(Qt::AlignRight | Qt::AlignVCenter); // no text at the left edge
    link->setGeometry(0, 40, 300, 20);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    // Is any of the link's left edge in its text colour?
    const auto leftEdgeIsFramed = [link] {
        const QImage drawn = link->grab().toImage();
        for (int y = 0; y < drawn.height(); ++y)
            if (drawn.pixelColor(0, y) == QColor(Qt::yellow))
                return true;
        return false;
    };
    QVERIFY(!leftEdgeIsFramed());

    link->setFocus(Qt::TabFocusReason);

    // The style's own focus frame vanishes on the dark strips the links stand on.
    QVERIFY(leftEdgeIsFramed());
}

QTEST_MAIN(tst_LinkLabel)
#include "tst_linklabel.moc"
