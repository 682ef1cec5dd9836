#include "ui/LinkLabel.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextDocument>
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
    void looksLikeALabelWithTheSameText_data();
    void looksLikeALabelWithTheSameText();
    void takesTheSizeOfItsText_data();
    void takesTheSizeOfItsText();
    void aFocusedLinkBuildsNoTextDocument();
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

void tst_LinkLabel::looksLikeALabelWithTheSameText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("enabled");

    const QString oneLine = QStringLiteral("Click here for more details");
    const QString twoLines = QStringLiteral(
        "Talk astrology with other readers on our discussion forum. Visit http://example.org");
    QTest::newRow("one line on the left, centred from top to bottom")
        << oneLine << int(Qt::AlignLeft | Qt::AlignVCenter) << false << QSize(200, 16) << true;
    QTest::newRow("broken into centred lines")
        << twoLines << int(Qt::AlignCenter) << true << QSize(300, 40) << true;
    QTest::newRow("broken into lines on the left")
        << twoLines << int(Qt::AlignLeft | Qt::AlignTop) << true << QSize(250, 60) << true;
    QTest::newRow("greyed when disabled")
        << oneLine << int(Qt::AlignLeft | Qt::AlignVCenter) << false << QSize(200, 16) << false;
}

void tst_LinkLabel::looksLikeALabelWithTheSameText()
{
    QFETCH(QString, text);
    QFETCH(int, alignment);
    QFETCH(bool, wordWrap);
    QFETCH(QSize, size);
    QFETCH(bool, enabled);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setUnderline(true);

    // A label that cannot take the focus draws its plain text through the
    // style, which is the look the link has always had.
    QLabel label;
    LinkLabel link;
    label.setText(text);
    link.setText(text);
    label.setAlignment(Qt::Alignment(alignment));
    link.setAlignment(Qt::Alignment(alignment));
    label.setWordWrap(wordWrap);
    link.setWordWrap(wordWrap);
    for (QWidget* widget : std::initializer_list<QWidget*>{&label, &link}) {
        widget->setFont(font);
        widget->resize(size);
        widget->setEnabled(enabled);
    }

    const QImage drawn = link.grab().toImage();
    QVERIFY(!drawn.isNull());
    QCOMPARE(drawn, label.grab().toImage());
    // A look that shows no text at all would match an empty label too.
    QVERIFY(drawn != LinkLabel().grab(QRect(QPoint(), size)).toImage());
}

void tst_LinkLabel::takesTheSizeOfItsText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("a short link") << QStringLiteral("Click here for more details");
    QTest::newRow("a web address") << QStringLiteral("Click here to visit http://example.org");
}

void tst_LinkLabel::takesTheSizeOfItsText()
{
    QFETCH(QString, text);
    QLabel label;
    LinkLabel link;
    label.setText(text);
    link.setText(text);

    label.adjustSize();
    link.adjustSize();

    // The size a label takes: the whole text shows, and a click just beside it
    // is no click on the link. The windows place their links by it.
    QCOMPARE(link.size(), label.size());
    QVERIFY(link.width() >= link.fontMetrics().horizontalAdvance(text));
}

void tst_LinkLabel::aFocusedLinkBuildsNoTextDocument()
{
    LinkLabel link;
    link.setText(QStringLiteral("Click here for more details"));
    link.show();
    link.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&link));
    link.setFocus(Qt::TabFocusReason);
    QVERIFY(link.hasFocus());
    link.repaint();

    // A text document per link cost a tenth of the start and of every lookup.
    QVERIFY(link.findChildren<QTextDocument*>().isEmpty());
}

QTEST_MAIN(tst_LinkLabel)
#include "tst_linklabel.moc"
