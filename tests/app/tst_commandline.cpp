// Whether a start goes on or ends before any window: the command line, and
// the display the platform plugins Qt would try could open a window on.
// What the built program prints and leaves behind is checked from the
// outside by command_line.sh.

#include "app/CommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace skyvarre;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startGoesOnOnlyWithSomewhereToOpenAWindow_data();
    void startGoesOnOnlyWithSomewhereToOpenAWindow();

private:
    QTemporaryDir m_runtimeWithCompositor;
};

void tst_CommandLine::initTestCase()
{
    QVERIFY(m_runtimeWithCompositor.isValid());
    QFile socket(m_runtimeWithCompositor.filePath(QStringLiteral("wayland-0")));
    QVERIFY(socket.open(QIODevice::WriteOnly));
}

void tst_CommandLine::startGoesOnOnlyWithSomewhereToOpenAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<int>("exitCode"); // -1: the start goes on
    QTest::addColumn<QString>("error");

    const QStringList none;
    QTest::newRow("an X11 display lets the start go on")
        << none << QStringList{"DISPLAY=:0"} << -1 << QString();
    QTest::newRow("a Wayland display alone lets the start go on")
        << none << QStringList{"WAYLAND_DISPLAY=wayland-1"} << -1 << QString();
    QTest::newRow("a compositor on the default socket lets the start go on")
        << none << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=<with compositor>"} << -1
        << QString();
    QTest::newRow("the offscreen platform needs no display")
        << none << QStringList{"QT_QPA_PLATFORM=offscreen"} << -1 << QString();
    QTest::newRow("a platform list ending in one without a display goes on")
        << none << QStringList{"QT_QPA_PLATFORM=xcb;offscreen"} << -1 << QString();
    QTest::newRow("an empty DISPLAY counts as none")
        << none << QStringList{"DISPLAY="} << 1
        << "skyvarre: cannot open a window: no X11 or Wayland display (neither DISPLAY nor "
           "WAYLAND_DISPLAY is set)\n";
    QTest::newRow("xcb asked for needs an X11 display, a Wayland one does not do")
        << none << QStringList{"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-1"} << 1
        << "skyvarre: cannot open a window: no X11 display (DISPLAY is not set)\n";
    QTest::newRow("wayland asked for needs a Wayland display")
        << none << QStringList{"QT_QPA_PLATFORM=wayland", "DISPLAY=:0"} << 1
        << "skyvarre: cannot open a window: no Wayland display (WAYLAND_DISPLAY is not set)\n";
    QTest::newRow("Qt's own options are taken, -platform as QT_QPA_PLATFORM")
        << QStringList{"-platform", "offscreen", "-style", "fusion", "-reverse"} << none << -1
        << QString();
    QTest::newRow("Qt's -display counts as DISPLAY")
        << QStringList{"-display", ":1"} << none << -1 << QString();
    QTest::newRow("-platform wayland needs a Wayland display whatever the environment says")
        << QStringList{"-platform", "wayland"} << QStringList{"QT_QPA_PLATFORM=offscreen"} << 1
        << "skyvarre: cannot open a window: no Wayland display (WAYLAND_DISPLAY is not set)\n";
    QTest::newRow("an argument is refused before the display is looked for")
        << QStringList{"birthday"} << none << 2
        << "skyvarre: Unexpected argument 'birthday'. See 'skyvarre --help'.\n";
}

void tst_CommandLine::startGoesOnOnlyWithSomewhereToOpenAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, variables);
    QFETCH(int, exitCode);
    QFETCH(QString, error);

    QProcessEnvironment environment;
    for (const QString& variable : variables) {
        QString value = variable.section(u'=', 1);
        value.replace(QStringLiteral("<with compositor>"), m_runtimeWithCompositor.path());
        environment.insert(variable.section(u'=', 0, 0), value);
    }

    const Launch launch = launchFor(QStringList{"/usr/bin/skyvarre"} + arguments, environment);

    QCOMPARE(launch.exitCode.value_or(-1), exitCode);
    QCOMPARE(launch.error, error);
    QCOMPARE(launch.output, QString());
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
