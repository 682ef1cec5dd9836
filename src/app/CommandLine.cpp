#include "CommandLine.h"

#include "ui/Version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

constexpr int kMistake = 2;
constexpr int kNoDisplay = 1;

// The options every Qt program takes, which QApplication reads from the same
// command line once the start goes on: accepted here, left out of the help.
const QStringList kQtOptionsWithValue = {
    u"platform"_s,        u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s,
    u"qwindowgeometry"_s, u"qwindowicon"_s,        u"qwindowtitle"_s,  u"session"_s,
    u"style"_s,           u"stylesheet"_s,         u"display"_s};
const QStringList kQtFlags = {u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s, u"sync"_s};

QList<QCommandLineOption> qtOptions()
{
    QList<QCommandLineOption> options;
    for (const QString& name : kQtOptionsWithValue)
        options.append(QCommandLineOption(name, QString(), u"value"_s));
    for (const QString& name : kQtFlags)
        options.append(QCommandLineOption(name));
    for (QCommandLineOption& option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

// Named after the file, as the lock and the settings file are.
QString programName(const QStringList& arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? u"skyvarre"_s : name;
}

// The help is written here rather than by QCommandLineParser::helpText(),
// which needs an application object for its usage line and offers Qt's own
// options, which are not taken here.
QString helpText(const QString& program, const QList<QCommandLineOption>& options)
{
    QString text;
    QTextStream out(&text);
    out << "Usage: " << program << " [options]\n" << SKYVARRE_DESCRIPTION << ".\n\nOptions:\n";
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? u"-"_s : u"--"_s) + name;
        out << "  " << names.join(u", "_s).leftJustified(16) << option.description() << '\n';
    }
    return text;
}

enum class Display
{
    X11,
    Wayland
};

// The displays the platform plugins Qt will try can open windows on; empty
// when one of them needs none (offscreen, vnc, a framebuffer) or is unknown.
QList<Display> displaysNeeded(const QString& platformChoice)
{
    QStringList platforms = platformChoice.split(u';', Qt::SkipEmptyParts);
    // Without a choice Qt takes xcb, or Wayland first in a Wayland session.
    if (platforms.isEmpty())
        platforms = {u"wayland"_s, u"xcb"_s};
    QList<Display> needed;
    for (const QString& platform : platforms) {
        const QString name = platform.section(u':', 0, 0).trimmed();
        if (name == "xcb"_L1)
            needed << Display::X11;
        else if (name.startsWith("wayland"_L1))
            needed << Display::Wayland;
        else
            return {};
    }
    return needed;
}

bool isSet(const QProcessEnvironment& environment, const QString& name)
{
    return !environment.value(name).isEmpty();
}

bool displayMayBeThere(Display display, const QProcessEnvironment& environment)
{
    if (display == Display::X11)
        return isSet(environment, u"DISPLAY"_s);
    // The Wayland client library falls back to the socket wayland-0 in the
    // runtime folder when it is told of none.
    return isSet(environment, u"WAYLAND_DISPLAY"_s) || isSet(environment, u"WAYLAND_SOCKET"_s) ||
           (isSet(environment, u"XDG_RUNTIME_DIR"_s) &&
            QFileInfo::exists(environment.value(u"XDG_RUNTIME_DIR"_s) + u"/wayland-0"_s));
}

QString missingDisplay(const QList<Display>& needed)
{
    const bool x11 = needed.contains(Display::X11);
    const bool wayland = needed.contains(Display::Wayland);
    if (x11 && wayland)
        return u"no X11 or Wayland display (neither DISPLAY nor WAYLAND_DISPLAY is set)"_s;
    if (x11)
        return u"no X11 display (DISPLAY is not set)"_s;
    return u"no Wayland display (WAYLAND_DISPLAY is not set)"_s;
}

// Qt ends a start whose platform plugin could not connect with a fatal
// message, and so with abort() and a core dump. While the application object
// is being built and has no platform yet, that fatal message ends the process
// with one line of ours and exit code 1 instead; Qt's warnings before it say
// why. Any other fatal message goes on to abort() as usual.
QtMessageHandler g_previousHandler = nullptr;
QByteArray g_failedStartLine;

void endFailedStartQuietly(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (type == QtFatalMsg && QCoreApplication::instance() != nullptr &&
        QGuiApplication::platformName().isEmpty()) {
        std::fputs(g_failedStartLine.constData(), stderr);
        // Nothing of ours has started yet: no lock taken, no settings opened.
        std::_Exit(kNoDisplay);
    }
    g_previousHandler(type, context, message);
}

} // namespace

Launch launchFor(const QStringList& arguments, const QProcessEnvironment& environment)
{
    const QString program = programName(arguments);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Print this help and exit."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Print the version and exit."_s);
    QCommandLineParser parser;
    // Qt's options are single words behind one dash ("-platform xcb").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    parser.addOptions(qtOptions());

    const auto mistake = [&program](const QString& what) {
        return Launch{
            kMistake, {}, program + u": "_s + what + u" See '"_s + program + u" --help'.\n"_s};
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return mistake(u"Unexpected argument '%1'."_s.arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return Launch{0, helpText(program, {help, version}), {}};
    if (parser.isSet(version))
        return Launch{0, u"Skyvarre "_s + QLatin1String(kVersion) + u'\n', {}};

    // -platform and -display count as QT_QPA_PLATFORM and DISPLAY would.
    QProcessEnvironment seen = environment;
    if (parser.isSet(u"display"_s))
        seen.insert(u"DISPLAY"_s, parser.value(u"display"_s));
    const QList<Display> needed =
        displaysNeeded(parser.isSet(u"platform"_s) ? parser.value(u"platform"_s)
                                                   : environment.value(u"QT_QPA_PLATFORM"_s));
    const auto mayBeThere = [&seen](Display display) { return displayMayBeThere(display, seen); };
    if (needed.isEmpty() || std::ranges::any_of(needed, mayBeThere))
        return {};
    return Launch{
        kNoDisplay, {}, program + u": cannot open a window: "_s + missingDisplay(needed) + u'\n'};
}

std::optional<int> handleCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Launch launch = launchFor(arguments, QProcessEnvironment::systemEnvironment());
    QTextStream(stdout) << launch.output;
    QTextStream(stderr) << launch.error;
    if (!launch.exitCode) {
        g_failedStartLine = (programName(arguments) +
                             u": cannot open a window: could not connect to the X11 or Wayland "
                             u"display (see the lines above)\n"_s)
                                .toLocal8Bit();
        g_previousHandler = qInstallMessageHandler(endFailedStartQuietly);
    }
    return launch.exitCode;
}

} // namespace skyvarre
