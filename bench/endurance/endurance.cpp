// The endurance run: the real program on the offscreen platform, driven through
// its real buttons for thousands of cycles in one process. It samples the live
// widgets, the live QObjects and the resident memory once the first cycles
// have warmed every cache, and again at the end, and fails if anything that
// counts objects grew in between. Resident memory is reported, not judged:
// the allocator keeps and reuses freed pages as it sees fit.
//
// Usage: endurance_run [--find-back N] [--about N] [--warm-up N]
// Exit code: 0 no growth, 1 live widgets or objects grew, 2 a cycle did not
// behave (a window missing or left over), 3 bad arguments.

#include "app/Program.h"
#include "platform/ProcessEnd.h"
#include "support/FakePrompts.h"
#include "support/FakeRandom.h"
#include "ui/Fonts.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

// Qt's table of hooks for object inspectors (qhooks_p.h, not installed with
// the public headers): when set, QObject's constructor and destructor call the
// entries AddQObject and RemoveQObject. It gives an exact count of live
// QObjects without walking any tree.
QT_BEGIN_NAMESPACE
extern quintptr Q_CORE_EXPORT qtHookData[];
QT_END_NAMESPACE

namespace {

using namespace skyvarre;

enum HookIndex : std::size_t
{
    HookDataSize = 1,
    AddQObject = 3,
    RemoveQObject = 4,
};

std::atomic<long long> g_liveObjects{0};

void objectAdded(QObject*)
{
    ++g_liveObjects;
}

void objectRemoved(QObject*)
{
    --g_liveObjects;
}

// Starts counting QObjects. Run before the first QObject exists, so that the
// count is absolute. False if this Qt has no room for the hooks.
bool countLiveObjects()
{
    if (qtHookData[HookDataSize] <= RemoveQObject)
        return false;
    qtHookData[AddQObject] = reinterpret_cast<quintptr>(&objectAdded);
    qtHookData[RemoveQObject] = reinterpret_cast<quintptr>(&objectRemoved);
    return true;
}

// Resident memory of this process in KiB, as the kernel reports it; -1 if unknown.
long long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmRSS:") {
            long long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

// Bytes that the C allocator has handed out and not had back, whatever pages
// it keeps around them; -1 where the C library cannot tell.
long long heapInUseBytes()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<long long>(heap.uordblks + heap.hblkhd);
#else
    return -1;
#endif
}

QtMessageHandler g_defaultMessageHandler = nullptr;

// The offscreen platform warns that it cannot pass size hints on, at every
// window shown: thousands of lines that say nothing about the run.
void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    g_defaultMessageHandler(type, context, text);
}

// Lets every posted event run, the deletes of closed windows included, as the
// event loop does between two user actions.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

struct Sample
{
    int cycles = 0;
    qsizetype topLevelWidgets = 0;
    qsizetype allWidgets = 0;
    long long liveObjects = 0;
    long long residentKiB = 0;
    long long heapBytes = 0;
};

Sample takeSample(int cycles)
{
    settle();
    return {cycles,
            QApplication::topLevelWidgets().size(),
            QApplication::allWidgets().size(),
            g_liveObjects.load(),
            residentKiB(),
            heapInUseBytes()};
}

class CountingProcessEnd final : public ProcessEnd
{
public:
    void endProcess() override { ++ends; }
    int ends = 0;
};

// The real program with fake message boxes, random numbers and process end,
// and the two cycles it is put through.
class Driver
{
public:
    Driver() : m_program(ProgramServices{m_prompts, m_random, m_end, [] { return true; }, [] {}}) {}

    // Starts the program as main() does and types a name, so that every Find passes.
    bool startUp()
    {
        m_program.StartUp();
        frmMain* input = m_program.existingFrmMain();
        if (!input || !input->isVisible())
            return fail("the start-up did not show the input window");
        QTest::keyClicks(input->findChild<QWidget*>("txtName"), QStringLiteral("anna"));
        settle();
        return true;
    }

    // Find on the input window, then Back on the result window.
    bool findAndBack()
    {
        frmMain* input = m_program.existingFrmMain();
        if (!input || !input->isVisible())
            return fail("the input window is not shown before Find");
        QTest::mouseClick(input->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);

        frmDisplay* shown = m_program.existingFrmDisplay();
        if (!shown || !shown->isVisible() || input->isVisible())
            return fail("Find did not replace the input window by the result window");
        const QPointer<frmDisplay> result = shown;
        QTest::mouseClick(shown->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
        settle();

        if (result || m_program.existingFrmDisplay())
            return fail("Back left the result window alive");
        if (!input->isVisible() || m_program.hasEnded())
            return fail("Back did not return to the input window");
        if (!m_prompts.messages.isEmpty())
            return fail("a message box was shown");
        return true;
    }

    // Help > About on the input window, the About window's OK clicked as soon
    // as its modal loop runs.
    bool openAndCloseAbout()
    {
        frmMain* input = m_program.existingFrmMain();
        if (!input || !input->isVisible())
            return fail("the input window is not shown before About");
        m_aboutClosed = false;
        QTimer::singleShot(0, input, [this] { clickAboutOk(); });
        input->findChild<QAction*>("mnuAbout")->trigger();
        settle();

        if (!m_aboutClosed)
            return fail("About did not open as a modal window, or OK did not close it");
        if (QApplication::activeModalWidget())
            return fail("a modal window is still open after OK");
        return true;
    }

private:
    void clickAboutOk()
    {
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!about)
            return;
        if (auto* ok = about->findChild<QPushButton*>("cmdOK")) {
            QTest::mouseClick(ok, Qt::LeftButton);
            m_aboutClosed = !about->isVisible();
        }
        // Whatever went wrong, the run must not hang in the modal loop.
        if (about->isVisible())
            about->reject();
    }

    static bool fail(const char* what)
    {
        std::fprintf(stderr, "endurance: %s\n", what);
        return false;
    }

    test::FakePrompts m_prompts;
    test::FakeRandom m_random;
    CountingProcessEnd m_end;
    Program m_program;
    bool m_aboutClosed = false;
};

struct Loop
{
    const char* name;
    int cycles;
    std::function<bool()> cycle;
    Sample warmedUp{};
    Sample end{};
};

// Runs the loop's cycles, sampling after the warm-up and at the end.
bool run(Loop& loop, int warmUp)
{
    for (int cycle = 1; cycle <= loop.cycles; ++cycle) {
        if (!loop.cycle()) {
            std::fprintf(stderr, "endurance: %s failed in cycle %d\n", loop.name, cycle);
            return false;
        }
        if (cycle == warmUp)
            loop.warmedUp = takeSample(cycle);
    }
    loop.end = takeSample(loop.cycles);
    return true;
}

void printRow(const char* loop, const char* sample, const Sample& figures)
{
    std::printf("%-10s %-10s %7d %10lld %9lld %9lld %10lld %12lld\n", loop, sample, figures.cycles,
                static_cast<long long>(figures.topLevelWidgets),
                static_cast<long long>(figures.allWidgets), figures.liveObjects,
                figures.residentKiB, figures.heapBytes);
}

// Prints the loop's samples and growth; true when no count grew.
bool report(const Loop& loop, bool objectsCounted)
{
    const Sample& from = loop.warmedUp;
    const Sample& to = loop.end;
    const int cycles = to.cycles - from.cycles;
    const long long rssGrowth = to.residentKiB - from.residentKiB;
    const long long heapGrowth = to.heapBytes - from.heapBytes;
    auto perCycle = [cycles](double bytes) { return cycles > 0 ? bytes / cycles : 0.0; };
    printRow(loop.name, "warmed up", from);
    printRow(loop.name, "end", to);
    std::printf("%-10s %-10s %7d %+10lld %+9lld %+9lld %+10lld %+12lld\n", loop.name, "growth",
                cycles, static_cast<long long>(to.topLevelWidgets - from.topLevelWidgets),
                static_cast<long long>(to.allWidgets - from.allWidgets),
                to.liveObjects - from.liveObjects, rssGrowth, heapGrowth);
    std::printf("%-10s %-10s per cycle: resident %.1f bytes, heap in use %.1f bytes\n", loop.name,
                "", perCycle(1024.0 * static_cast<double>(rssGrowth)),
                perCycle(static_cast<double>(heapGrowth)));

    bool clean = true;
    auto check = [&](bool grew, const char* what) {
        if (grew) {
            std::printf("endurance: %s grew during the %s cycles\n", what, loop.name);
            clean = false;
        }
    };
    check(to.topLevelWidgets > from.topLevelWidgets, "the top-level widgets");
    check(to.allWidgets > from.allWidgets, "the live widgets");
    check(objectsCounted && to.liveObjects > from.liveObjects, "the live QObjects");
    return clean;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool objectsCounted = countLiveObjects();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultMessageHandler = qInstallMessageHandler(quietMessageHandler);
    QApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Drives the program for many cycles and "
                                                    "reports live widgets, objects and memory."));
    parser.addHelpOption();
    const QCommandLineOption findBackOption(QStringLiteral("find-back"),
                                            QStringLiteral("Find/Back cycles (10000)."),
                                            QStringLiteral("n"), QStringLiteral("10000"));
    const QCommandLineOption aboutOption(QStringLiteral("about"),
                                         QStringLiteral("About open/close cycles (1000)."),
                                         QStringLiteral("n"), QStringLiteral("1000"));
    const QCommandLineOption warmUpOption(QStringLiteral("warm-up"),
                                          QStringLiteral("Cycles before the first sample (100)."),
                                          QStringLiteral("n"), QStringLiteral("100"));
    parser.addOptions({findBackOption, aboutOption, warmUpOption});
    parser.process(application);

    bool valid = true;
    auto count = [&](const QCommandLineOption& option) {
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        valid = valid && ok && value > 0;
        return value;
    };
    const int findBackCycles = count(findBackOption);
    const int aboutCycles = count(aboutOption);
    const int warmUp = count(warmUpOption);
    if (!valid || warmUp >= findBackCycles || warmUp >= aboutCycles) {
        std::fprintf(stderr, "endurance: every count must be a positive number and the "
                             "warm-up shorter than both loops\n");
        return 3;
    }

    // As the program's own start does.
    installFontSubstitutions();
    application.setQuitOnLastWindowClosed(false);

    Driver driver;
    if (!driver.startUp())
        return 2;
    const Sample started = takeSample(0);

    std::array<Loop, 2> loops{{
        {"Find/Back", findBackCycles, [&driver] { return driver.findAndBack(); }},
        {"About", aboutCycles, [&driver] { return driver.openAndCloseAbout(); }},
    }};

    std::printf("%-10s %-10s %7s %10s %9s %9s %10s %12s\n", "loop", "sample", "cycles", "top-level",
                "widgets", "QObjects", "RSS KiB", "heap bytes");
    printRow("start-up", "shown", started);
    bool clean = true;
    for (Loop& loop : loops) {
        if (!run(loop, warmUp))
            return 2;
        clean = report(loop, objectsCounted) && clean;
    }
    if (!objectsCounted)
        std::printf("endurance: this Qt offers no object hooks; QObjects were not counted\n");
    std::printf(clean ? "endurance: no live widget or object was added after the warm-up\n"
                      : "endurance: FAILED\n");
    return clean ? 0 : 1;
}
