// The find flow and Back through the real program and its real windows on the
// offscreen platform, with fake message boxes and random numbers: from a click
// on "Find My Sedna Astrology Sign" until the result window has painted, and
// from a click on Back until the input window has painted again.
//
// Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// for the medians.

#include "app/Program.h"
#include "platform/ProcessEnd.h"
#include "support/FakePrompts.h"
#include "support/FakeRandom.h"
#include "ui/Fonts.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace skyvarre;

// A paint that has not come after this long means the flow is broken.
constexpr qint64 kPaintTimeoutMs = 5000;

class NoProcessEnd final : public ProcessEnd
{
public:
    void endProcess() override {}
};

// Counts the paints that a window receives itself.
class PaintCounter final : public QObject
{
public:
    explicit PaintCounter(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Paint)
            ++m_paints;
        return QObject::eventFilter(watched, event);
    }

private:
    int m_paints = 0;
};

// Runs the event loop until counter has seen one more paint; false on a timeout.
bool awaitPaint(const PaintCounter& counter)
{
    const int before = counter.paints();
    QElapsedTimer timer;
    timer.start();
    while (counter.paints() == before) {
        if (timer.elapsed() > kPaintTimeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The program started as at launch, its input window painted and a name typed in.
class Session
{
public:
    Session() : m_program(ProgramServices{m_prompts, m_random, m_end, [] { return true; }, [] {}})
    {
        m_program.StartUp();
        // The input window lives as long as the program; it was shown, not yet painted.
        m_inputPaints = new PaintCounter(input());
        m_ready = awaitPaint(*m_inputPaints);
        input().findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
    }

    bool ready() const { return m_ready; }

    // Clicks Find and waits until the result window has painted.
    bool find()
    {
        QTest::mouseClick(input().findChild<QPushButton*>(QStringLiteral("cmdNext")),
                          Qt::LeftButton);
        // Each Find builds a fresh result window, shown but not yet painted.
        frmDisplay* result = m_program.existingFrmDisplay();
        return result != nullptr && m_prompts.messages.isEmpty() &&
               awaitPaint(*new PaintCounter(*result));
    }

    // Clicks Back and waits until the input window has painted again.
    bool back()
    {
        frmDisplay* result = m_program.existingFrmDisplay();
        if (result == nullptr)
            return false;
        QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdBack")),
                          Qt::LeftButton);
        return m_program.existingFrmDisplay() == nullptr && awaitPaint(*m_inputPaints);
    }

private:
    frmMain& input() { return *m_program.existingFrmMain(); }

    test::FakePrompts m_prompts;
    test::FakeRandom m_random;
    NoProcessEnd m_end;
    Program m_program;
    PaintCounter* m_inputPaints = nullptr; // owned by the input window
    bool m_ready = false;
};

// Find as the user mostly meets it: the farewell window exists since the
// first Find, and each Find builds a fresh result window.
void BM_Find(benchmark::State& state)
{
    Session session;
    if (!session.ready() || !session.find() || !session.back()) {
        state.SkipWithError("the program did not start or find");
        return;
    }
    for (auto _ : state) {
        const bool found = session.find();
        state.PauseTiming();
        if (!found || !session.back()) {
            state.SkipWithError("a Find or Back went wrong");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first Find after the start, which also builds the farewell window.
void BM_FirstFind(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>();
        if (!session->ready()) {
            state.SkipWithError("the program did not start");
            break;
        }
        state.ResumeTiming();
        const bool found = session->find();
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
        if (!found) {
            state.SkipWithError("the first Find went wrong");
            break;
        }
    }
}
BENCHMARK(BM_FirstFind)->Unit(benchmark::kMillisecond)->UseRealTime();

// Back from the result window to the input window.
void BM_Back(benchmark::State& state)
{
    Session session;
    if (!session.ready()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        const bool found = session.find();
        state.ResumeTiming();
        if (!found || !session.back()) {
            state.SkipWithError("a Find or Back went wrong");
            break;
        }
    }
}
BENCHMARK(BM_Back)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication application(argc, argv);
    // As the program itself runs: the same faces, and hiding the input window
    // during a Find does not end anything.
    installFontSubstitutions();
    application.setQuitOnLastWindowClosed(false);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
