// The moves between the windows, the start-up and the program's end, driven
// through the real windows with fake prompts, random numbers and process end.

#include "app/CoBrand.h"
#include "app/Program.h"
#include "app/UpdateReminder.h"
#include "platform/Clock.h"
#include "platform/ProcessEnd.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "support/FakePrompts.h"
#include "support/FakeRandom.h"
#include "ui/LinkLabel.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferFriend.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace skyvarre;

namespace {

class CountingProcessEnd final : public ProcessEnd
{
public:
    void endProcess() override { ++ends; }
    int ends = 0;
};

class FixedClock final : public Clock
{
public:
    QDate today() const override { return QDate(2026, 12, 7); }
};

// What the user can do, in the words of the tests' row names.
enum class Step
{
    FindValid,
    FindWithoutName,
    InputExitButton,
    InputFileExit,
    InputCloseBox,
    InputEscape,
    InputEnterInName,
    ResultBackButton,
    ResultFileBack,
    ResultExitButton,
    ResultFileExit,
    ResultCloseBox,
    ResultEscape,
    FarewellExitButton,
    FarewellCloseBox,
};

QString describe(const QWidget* window)
{
    if (!window)
        return QStringLiteral("none");
    return window->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden");
}

} // namespace

Q_DECLARE_METATYPE(Step)

class tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void transitions_data();
    void transitions();
    void farewellWindowBuiltAtFirstFindIsTheOneShownOnExit();
    void secondFindWorksOnAFreshResultWindow();
    void closeAllAndEndFromEveryStateLeavesNoWindow_data();
    void closeAllAndEndFromEveryStateLeavesNoWindow();

    void secondCopyOnlySaysSoAndEnds();
    void startUpRunsTheReminderBeforeAnyWindowIsShown();
    void startUpGoesOnWhenTheReminderFails();
    void startUpGoesOnPastAnUnreadableReminderSetting();
    void anEndDuringTheReminderOpensNoWindow();

    void theCoBrandNumberRoundsHalvesToEven_data();
    void theCoBrandNumberRoundsHalvesToEven();
    void coBrandBringsTheDrawnLabelToTheFront_data();
    void coBrandBringsTheDrawnLabelToTheFront();
    void coBrandSplitsFiveToSixToOne();

private:
    QString state() const;
    void perform(Step step);
    void startUp();

    test::FakePrompts m_prompts;
    test::FakeRandom m_random;
    CountingProcessEnd m_end;
    bool m_onlyInstance = true;
    int m_reminderRuns = 0;
    std::function<void()> m_reminder;
    std::unique_ptr<Program> m_program;
};

void tst_Program::init()
{
    m_prompts = {};
    m_random = {};
    m_end = {};
    m_onlyInstance = true;
    m_reminderRuns = 0;
    m_reminder = [] {};
    m_program = std::make_unique<Program>(ProgramServices{
        m_prompts,
        m_random,
        m_end,
        [this] { return m_onlyInstance; },
        [this] {
            ++m_reminderRuns;
            m_reminder();
        },
    });
}

void tst_Program::cleanup()
{
    m_program.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QString tst_Program::state() const
{
    return QStringLiteral("input %1, result %2, farewell %3")
        .arg(describe(m_program->existingFrmMain()), describe(m_program->existingFrmDisplay()),
             describe(m_program->existingFrmReferFriend()));
}

void tst_Program::startUp()
{
    m_program->StartUp();
    QVERIFY(!m_program->hasEnded());
}

void tst_Program::perform(Step step)
{
    frmMain* input = m_program->existingFrmMain();
    frmDisplay* result = m_program->existingFrmDisplay();
    frmReferFriend* farewell = m_program->existingFrmReferFriend();
    auto inputChild = [&](const char* name) { return input->findChild<QWidget*>(name); };
    auto resultChild = [&](const char* name) { return result->findChild<QWidget*>(name); };

    switch (step) {
    case Step::FindValid:
    case Step::FindWithoutName:
        qobject_cast<QLineEdit*>(inputChild("txtName"))
            ->setText(step == Step::FindValid ? QStringLiteral("ANNA") : QString());
        QTest::mouseClick(inputChild("cmdNext"), Qt::LeftButton);
        break;
    case Step::InputExitButton:
        QTest::mouseClick(inputChild("cmdExit"), Qt::LeftButton);
        break;
    case Step::InputFileExit:
        input->findChild<QAction*>("mnuExit")->trigger();
        break;
    case Step::InputCloseBox:
        input->close();
        break;
    case Step::InputEscape:
        QTest::keyClick(inputChild("cboYear"), Qt::Key_Escape);
        break;
    case Step::InputEnterInName:
        QTest::keyClick(inputChild("txtName"), Qt::Key_Return);
        break;
    case Step::ResultBackButton:
        QTest::mouseClick(resultChild("cmdBack"), Qt::LeftButton);
        break;
    case Step::ResultFileBack:
        result->findChild<QAction*>("mnuFileBack")->trigger();
        break;
    case Step::ResultExitButton:
        QTest::mouseClick(resultChild("cmdExit"), Qt::LeftButton);
        break;
    case Step::ResultFileExit:
        result->findChild<QAction*>("mnuExit")->trigger();
        break;
    case Step::ResultCloseBox:
        result->close();
        break;
    case Step::ResultEscape:
        QTest::keyClick(resultChild("cmdBack"), Qt::Key_Escape);
        break;
    case Step::FarewellExitButton:
        QTest::mouseClick(farewell->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
        break;
    case Step::FarewellCloseBox:
        farewell->close();
        break;
    }
}

void tst_Program::transitions_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QString>("expectedState");
    QTest::addColumn<int>("expectedEnds");

    const QString input = QStringLiteral("input shown, result none, farewell none");
    const QString result = QStringLiteral("input hidden, result shown, farewell hidden");
    const QString back = QStringLiteral("input shown, result none, farewell hidden");
    const QString farewellFromInput = QStringLiteral("input none, result none, farewell shown");
    const QString farewellFromResult = QStringLiteral("input hidden, result none, farewell shown");
    const QString ended = QStringLiteral("input none, result none, farewell none");

    using S = Step;
    QTest::newRow("start-up shows the input window alone") << QList<S>{} << input << 0;
    QTest::newRow("a valid Find hides the input window and shows the result")
        << QList<S>{S::FindValid} << result << 0;
    QTest::newRow("a Find without a name changes no window")
        << QList<S>{S::FindWithoutName} << input << 0;
    QTest::newRow("Exit on the input window leads to the farewell window")
        << QList<S>{S::InputExitButton} << farewellFromInput << 0;
    QTest::newRow("File > Exit on the input window leads to the farewell window")
        << QList<S>{S::InputFileExit} << farewellFromInput << 0;
    QTest::newRow("the input window's close box leads to the farewell window")
        << QList<S>{S::InputCloseBox} << farewellFromInput << 0;
    QTest::newRow("Esc on the input window leads to the farewell window")
        << QList<S>{S::InputEscape} << farewellFromInput << 0;
    QTest::newRow("Enter in the name box leads to the farewell window")
        << QList<S>{S::InputEnterInName} << farewellFromInput << 0;
    QTest::newRow("Back returns to the input window, the farewell window stays hidden")
        << QList<S>{S::FindValid, S::ResultBackButton} << back << 0;
    QTest::newRow("File > Back returns to the input window")
        << QList<S>{S::FindValid, S::ResultFileBack} << back << 0;
    QTest::newRow("Exit on the result window never brings the input window back")
        << QList<S>{S::FindValid, S::ResultExitButton} << farewellFromResult << 0;
    QTest::newRow("File > Exit on the result window leads to the farewell window")
        << QList<S>{S::FindValid, S::ResultFileExit} << farewellFromResult << 0;
    QTest::newRow("the result window's close box leads to the farewell window")
        << QList<S>{S::FindValid, S::ResultCloseBox} << farewellFromResult << 0;
    QTest::newRow("Esc on the result window leads to the farewell window")
        << QList<S>{S::FindValid, S::ResultEscape} << farewellFromResult << 0;
    QTest::newRow("Find, Back, Exit shows the farewell window")
        << QList<S>{S::FindValid, S::ResultBackButton, S::InputExitButton} << farewellFromInput
        << 0;
    QTest::newRow("the farewell window's Exit ends the program")
        << QList<S>{S::InputExitButton, S::FarewellExitButton} << ended << 1;
    QTest::newRow("the farewell window's close box ends the program as its Exit does")
        << QList<S>{S::InputExitButton, S::FarewellCloseBox} << ended << 1;
    QTest::newRow("leaving from the result window ends with no window left")
        << QList<S>{S::FindValid, S::ResultExitButton, S::FarewellCloseBox} << ended << 1;
}

void tst_Program::transitions()
{
    QFETCH(QList<Step>, steps);
    QFETCH(QString, expectedState);
    QFETCH(int, expectedEnds);

    startUp();
    for (Step step : steps)
        perform(step);

    QCOMPARE(state(), expectedState);
    QCOMPARE(m_end.ends, expectedEnds);
    QCOMPARE(m_program->hasEnded(), expectedEnds > 0);
}

void tst_Program::farewellWindowBuiltAtFirstFindIsTheOneShownOnExit()
{
    startUp();
    perform(Step::FindValid);
    const QPointer<frmReferFriend> builtAtFind = m_program->existingFrmReferFriend();
    const int seedsAfterFind = m_random.seeds;
    QVERIFY(builtAtFind);

    perform(Step::ResultBackButton);
    perform(Step::InputExitButton);

    QCOMPARE(m_program->existingFrmReferFriend(), builtAtFind.data());
    QVERIFY(builtAtFind->isVisible());
    QCOMPARE(m_random.seeds, seedsAfterFind); // its load steps did not run again
}

void tst_Program::secondFindWorksOnAFreshResultWindow()
{
    startUp();
    perform(Step::FindValid);
    const QPointer<frmDisplay> first = m_program->existingFrmDisplay();
    perform(Step::ResultBackButton);
    QTRY_VERIFY(first.isNull()); // discarded, not merely hidden

    frmMain* input = m_program->existingFrmMain();
    QCOMPARE(input->findChild<QLineEdit*>("txtName")->text(), QStringLiteral("ANNA"));
    perform(Step::FindValid);
    QVERIFY(m_program->existingFrmDisplay());
    QVERIFY(m_program->existingFrmDisplay()->isVisible());
}

void tst_Program::closeAllAndEndFromEveryStateLeavesNoWindow_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::newRow("from the input window") << QList<Step>{};
    QTest::newRow("from the result window") << QList<Step>{Step::FindValid};
    QTest::newRow("after a Back") << QList<Step>{Step::FindValid, Step::ResultBackButton};
    QTest::newRow("from the farewell window")
        << QList<Step>{Step::FindValid, Step::ResultExitButton};
}

void tst_Program::closeAllAndEndFromEveryStateLeavesNoWindow()
{
    QFETCH(QList<Step>, steps);
    startUp();
    for (Step step : steps)
        perform(step);

    m_program->CloseAllAndEnd();

    QCOMPARE(state(), QStringLiteral("input none, result none, farewell none"));
    QCOMPARE(m_end.ends, 1);
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void tst_Program::secondCopyOnlySaysSoAndEnds()
{
    m_onlyInstance = false;
    m_program->StartUp();

    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(m_prompts.messages[0].icon, MessageIcon::Information);
    QCOMPARE(m_end.ends, 1);
    QVERIFY(m_program->hasEnded());
    QCOMPARE(m_reminderRuns, 0);
    QCOMPARE(m_random.seeds, 0);
    QCOMPARE(state(), QStringLiteral("input none, result none, farewell none"));
}

void tst_Program::startUpRunsTheReminderBeforeAnyWindowIsShown()
{
    bool windowExistedDuringReminder = true;
    m_reminder = [&] { windowExistedDuringReminder = m_program->existingFrmMain(); };
    startUp();
    QCOMPARE(m_reminderRuns, 1);
    QVERIFY(!windowExistedDuringReminder);
    QCOMPARE(m_random.seeds, 1);
    QCOMPARE(m_random.draws, 1); // the promotional label was drawn
}

void tst_Program::startUpGoesOnWhenTheReminderFails()
{
    m_reminder = [] { throw std::runtime_error("stored reminder date is unreadable"); };
    startUp();
    QVERIFY(m_prompts.messages.isEmpty());
    QCOMPARE(state(), QStringLiteral("input shown, result none, farewell none"));
    QCOMPARE(m_random.draws, 1);
}

void tst_Program::anEndDuringTheReminderOpensNoWindow()
{
    m_reminder = [&] { m_program->CloseAllAndEnd(); };
    m_program->StartUp();
    QVERIFY(m_program->hasEnded());
    QCOMPARE(m_end.ends, 1);
    QCOMPARE(state(), QStringLiteral("input none, result none, farewell none"));
}

void tst_Program::startUpGoesOnPastAnUnreadableReminderSetting()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("skyvarre.ini"));
    {
        QSettings raw(file, QSettings::IniFormat);
        raw.setValue(QStringLiteral("Settings/") + ScrambleSetting(QStringLiteral("Duration")),
                     QStringLiteral("\x01\x02 no date at all"));
    }
    FixedClock clock;
    m_reminder = [&] {
        SettingsStore settings(file);
        UpdateReminder(settings, clock, m_prompts);
    };

    startUp();

    QVERIFY(m_prompts.messages.isEmpty());
    QVERIFY(m_prompts.questions.isEmpty());
    QCOMPARE(state(), QStringLiteral("input shown, result none, farewell none"));
    // The unreadable value counts as no date: today is recorded for next time.
    QCOMPARE(SettingsStore(file).reminderDate(), QStringLiteral("2026-12-07"));
}

void tst_Program::theCoBrandNumberRoundsHalvesToEven_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    QTest::newRow("r = 0 gives 1") << 0.0f << 1;
    // In single precision the float just below 1/12 still sums to 1.5.
    QTest::newRow("a little below 1/12 gives 1") << 0.0833f << 1;
    QTest::newRow("1/12 is the halfway 1.5 and goes to the even 2") << 1.0f / 12.0f << 2;
    QTest::newRow("r = 0.25 is 2.5 and goes to the even 2") << 0.25f << 2;
    QTest::newRow("5/12 is 3.5 and goes to the even 4") << 5.0f / 12.0f << 4;
    QTest::newRow("r = 0.5 gives 4") << 0.5f << 4;
    QTest::newRow("11/12 is 6.5 and goes to the even 6") << 11.0f / 12.0f << 6;
    QTest::newRow("just above 11/12 gives 7") << std::nextafter(11.0f / 12.0f, 1.0f) << 7;
    QTest::newRow("r = 0.99 gives 6.94, rounded to 7") << 0.99f << 7;
    QTest::newRow("the largest r below 1 gives 7") << std::nextafter(1.0f, 0.0f) << 7;
}

void tst_Program::theCoBrandNumberRoundsHalvesToEven()
{
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(int(coBrandNumber(r)), expected);
}

void tst_Program::coBrandBringsTheDrawnLabelToTheFront_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("expectedInFront");
    QTest::newRow("1 brings the co-brand label forward") << 0.0f << "lblCobrand";
    QTest::newRow("4 brings the full-brand label forward") << 0.5f << "lblFullBrand";
    QTest::newRow("5 brings the co-brand label forward") << 0.7f << "lblCobrand";
}

void tst_Program::coBrandBringsTheDrawnLabelToTheFront()
{
    QFETCH(float, r);
    QFETCH(QString, expectedInFront);

    frmMain& input = m_program->frmMainInstance();
    auto* cobrand = input.findChild<LinkLabel*>("lblCobrand");
    auto* fullBrand = input.findChild<LinkLabel*>("lblFullBrand");
    QWidget* strip = cobrand->parentWidget();
    // Start from the other label in front, so that the draw has to move one.
    input.bringToFront(expectedInFront == "lblCobrand" ? frmMain::PromotionLabel::FullBrand
                                                       : frmMain::PromotionLabel::CoBrand);

    m_random.values = {r};
    CoBrand_Randomize(input, m_random);

    QWidget* inFront = strip->childAt(cobrand->geometry().center());
    while (inFront && inFront != cobrand && inFront != fullBrand)
        inFront = inFront->parentWidget();
    QVERIFY(inFront);
    QCOMPARE(inFront->objectName(), expectedInFront);
}

void tst_Program::coBrandSplitsFiveToSixToOne()
{
    SystemRandom random; // fixed default seed: the same draws every run
    constexpr int kDraws = 120000;
    int coBrand = 0;
    int fullBrand = 0;
    int neither = 0;
    for (int i = 0; i < kDraws; ++i) {
        switch (coBrandNumber(random.next())) {
        case 1:
        case 3:
        case 5:
            ++coBrand;
            break;
        case 2:
        case 4:
        case 6:
            ++fullBrand;
            break;
        case 7:
            ++neither;
            break;
        default:
            QFAIL("number outside 1 to 7");
        }
    }
    // Within 1% of the draws of 5/12, 6/12 and 1/12 (about six standard deviations).
    QVERIFY(qAbs(coBrand - kDraws * 5 / 12) < kDraws / 100);
    QVERIFY(qAbs(fullBrand - kDraws * 6 / 12) < kDraws / 100);
    QVERIFY(qAbs(neither - kDraws / 12) < kDraws / 100);
}

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
