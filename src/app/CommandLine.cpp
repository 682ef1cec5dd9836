#include "CommandLine.h"

#include "platform/ConsoleAnswer.h"
#include "platform/ExecutableName.h"
#include "ui/Version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

constexpr int kMistake = 2;
constexpr int kNoDisplay = 1;

// The help is written here rather than by QCommandLineParser::helpText(),
// which needs an application object for its usage line.
//
// The command line's answers stay in English, as its manual page is: they
// are given before the application object exists, and so before any
// translation can be installed. The option names are what users type, the
// same in every language.
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

// The one place the command line's answers leave the program: where its user
// reads them on this platform (a message box for a Windows GUI program).
void tellUser(const EarlyEnd& end)
{
    if (!end.output.isEmpty())
        giveConsoleAnswer(AnswerStream::Output, end.output);
    if (!end.error.isEmpty())
        giveConsoleAnswer(AnswerStream::Error, end.error);
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

std::optional<EarlyEnd> earlyEndFor(const QStringList& arguments)
{
    const QString program = executableBaseName(arguments.value(0));
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Print this help and exit."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Print the version and exit."_s);
    QCommandLineParser parser;
    parser.addOptions({help, version});
    // Qt's options are single words behind one dash, so a mistyped one
    // ("-verison") is named whole rather than read as letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList words = arguments;
    if (!words.isEmpty())
        std::replace_if(std::next(words.begin()), words.end(), isPlatformHelpRequest, u"--help"_s);

    const auto mistake = [&program](const QString& what) {
        return EarlyEnd{
            kMistake, {}, program + u": "_s + what + u" See '"_s + program + u" --help'.\n"_s};
    };
    if (!parser.parse(words))
        return mistake(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return mistake(u"Unexpected argument '%1'."_s.arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return EarlyEnd{0, helpText(program, {help, version}), {}};
    if (parser.isSet(version))
        return EarlyEnd{0, u"Skyvarre "_s + QLatin1String(kVersion) + u'\n', {}};
    return std::nullopt;
}

std::optional<int> answerBeforeStart(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Anything else on the line, Qt's options or a mistake, waits for
    // QApplication to take what it knows.
    if (const std::optional<EarlyEnd> end = earlyEndFor(arguments); end && end->exitCode == 0) {
        tellUser(*end);
        return end->exitCode;
    }
    g_failedStartLine = (executableBaseName(arguments.value(0)) +
                         u": cannot open a window: could not connect to the X11 or Wayland "
                         u"display (see the lines above)\n"_s)
                            .toLocal8Bit();
    g_previousHandler = qInstallMessageHandler(endFailedStartQuietly);
    return std::nullopt;
}

std::optional<int> answerWhatQtLeft(const QStringList& arguments)
{
    const std::optional<EarlyEnd> end = earlyEndFor(arguments);
    if (!end)
        return std::nullopt;
    tellUser(*end);
    return end->exitCode;
}

} // namespace skyvarre
