#include "ui/LinkLabel.h"

#include <QApplication>
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

QTEST_MAIN(tst_LinkLabel)
#include "tst_linklabel.moc"
