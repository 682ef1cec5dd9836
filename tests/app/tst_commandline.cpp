// Whether a start goes on or ends before any window. What the built program
// prints and leaves behind is checked from the outside by command_line.sh.

#include "app/CommandLine.h"

#include <QtTest>

using namespace skyvarre;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void startGoesOnWithQtsOptionsOnly_data();
    void startGoesOnWithQtsOptionsOnly();
};

void tst_CommandLine::startGoesOnWithQtsOptionsOnly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode"); // -1: the start goes on
    QTest::addColumn<QString>("error");

    QTest::newRow("Qt's own options are left to Qt")
        << QStringList{"-platform", "offscreen", "-style", "fusion", "-reverse"} << -1 << QString();
    QTest::newRow("X11's -geometry and -title are left to Qt")
        << QStringList{"-geometry", "800x600", "-title", "Sedna"} << -1 << QString();
    QTest::newRow("an argument is refused")
        << QStringList{"birthday"} << 2
        << "skyvarre: Unexpected argument 'birthday'. See 'skyvarre --help'.\n";
    QTest::newRow("a mistyped long option is refused although Qt's come first")
        << QStringList{"-reverse", "--verison"} << 2
        << "skyvarre: Unknown option 'verison'. See 'skyvarre --help'.\n";
}

void tst_CommandLine::startGoesOnWithQtsOptionsOnly()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);

    const std::optional<EarlyEnd> end = earlyEndFor(QStringList{"/usr/bin/skyvarre"} + arguments);

    QCOMPARE(end ? end->exitCode : -1, exitCode);
    QCOMPARE(end ? end->error : QString(), error);
    QCOMPARE(end ? end->output : QString(), QString());
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
