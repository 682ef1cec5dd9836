// Whether a start goes on or ends before any window, once QApplication has
// taken the options of Qt's it knows. What the built program prints and
// leaves behind is checked from the outside by command_line.sh.

#include "app/CommandLine.h"

#include <QApplication>
#include <QtTest>

#include <vector>

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

    QTest::newRow("Qt's own options are taken by Qt")
        << QStringList{"-style",  "fusion",        "-reverse", "-qwindowgeometry",
                       "800x600", "-qwindowtitle", "Sedna"}
        << -1 << QString();
    QTest::newRow("an argument is refused")
        << QStringList{"birthday"} << 2
        << "skyvarre: Unexpected argument 'birthday'. See 'skyvarre --help'.\n";
    QTest::newRow("an argument after a Qt option that takes none is refused")
        << QStringList{"-reverse", "birthday"} << 2
        << "skyvarre: Unexpected argument 'birthday'. See 'skyvarre --help'.\n";
    QTest::newRow("a mistyped single-dash option is refused whole")
        << QStringList{"-verison"} << 2
        << "skyvarre: Unknown option 'verison'. See 'skyvarre --help'.\n";
    QTest::newRow("a mistyped long option is refused although Qt's come first")
        << QStringList{"-reverse", "--verison"} << 2
        << "skyvarre: Unknown option 'verison'. See 'skyvarre --help'.\n";
}

void tst_CommandLine::startGoesOnWithQtsOptionsOnly()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QByteArrayList words{"skyvarre", "-platform", "offscreen"};
    for (const QString& argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = int(words.size());
    const QApplication application(argc, argv.data());

    const std::optional<EarlyEnd> end = earlyEndFor(QCoreApplication::arguments());

    QCOMPARE(end ? end->exitCode : -1, exitCode);
    QCOMPARE(end ? end->error : QString(), error);
    QCOMPARE(end ? end->output : QString(), QString());
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
