#include "Program.h"

#include "CoBrand.h"
#include "platform/ProcessEnd.h"
#include "platform/Prompts.h"
#include "platform/RandomSource.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferFriend.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <exception>

namespace skyvarre {

namespace {

Q_LOGGING_CATEGORY(lcStartUp, "skyvarre.startup")

//: Message box text when the program is started while a copy of it runs already; this copy
//: then ends.
constexpr const char* kAlreadyRunningMessage =
    QT_TRANSLATE_NOOP("skyvarre::Program", "Application is already running");

// Runs one start-up step. A failure inside it abandons the rest of that step
// only: the start-up goes on with the next one, and the user is not told.
template <class Step> void runContained(const char* name, Step&& step)
{
    try {
        step();
    } catch (const std::exception& error) {
        qCWarning(lcStartUp, "%s failed: %s", name, error.what());
    } catch (...) {
        qCWarning(lcStartUp, "%s failed", name);
    }
}

} // namespace

Program::Program(ProgramServices services)
    : m_services(std::move(services)),
      m_frmMain([this] { return std::make_unique<frmMain>(*this); }),
      m_frmDisplay([this] { return std::make_unique<frmDisplay>(*this); }),
      m_frmReferFriend([this] { return std::make_unique<frmReferFriend>(*this); })
{
}

Program::~Program() = default;

void Program::StartUp()
{
    if (!m_services.becomeOnlyInstance()) {
        // The copy that runs already is left alone; this one only says so and ends.
        m_services.prompts.showMessage(
            QCoreApplication::translate("skyvarre::Program", kAlreadyRunningMessage),
            MessageIcon::Information);
        CloseAllAndEnd();
        return;
    }
    runContained(
        "seeding the random generator", [this] { m_services.random.seedFromClock(); });
    runContained("the update reminder", [this] { m_services.updateReminder(); });
    // An end asked for from outside (SIGTERM) while the reminder's question
    // was up: nothing runs after the end, so no window opens.
    if (m_ended)
        return;
    runContained(
        "showing frmMain", [this] { frmMainInstance().show(); });
    runContained("choosing the promotional label",
                 [this] { CoBrand_Randomize(frmMainInstance(), m_services.random); });
}

frmMain& Program::frmMainInstance()
{
    return m_frmMain.get();
}

frmReferFriend& Program::frmReferFriendInstance()
{
    return m_frmReferFriend.get();
}

frmMain* Program::existingFrmMain() const
{
    return m_frmMain.existing();
}

frmDisplay* Program::existingFrmDisplay() const
{
    return m_frmDisplay.existing();
}

frmReferFriend* Program::existingFrmReferFriend() const
{
    return m_frmReferFriend.existing();
}

Prompts& Program::prompts()
{
    return m_services.prompts;
}

RandomSource& Program::random()
{
    return m_services.random;
}

frmDisplay& Program::frmDisplayInstance()
{
    return m_frmDisplay.get();
}

void Program::showResult()
{
    if (frmMain* input = m_frmMain.existing())
        input->hide();
    // Hiding builds frmReferFriend at the first Find, so its load steps
    // run now rather than when the user leaves.
    frmReferFriendInstance().hide();
    frmDisplayInstance().show();
}

void Program::goBack()
{
    // Closing frmDisplay runs its closing steps, which would show the
    // frmReferFriend only for this handler to hide it again a moment later;
    // going back, they leave it hidden, so that nothing flashes up.
    m_goingBack = true;
    m_frmDisplay.close();
    m_goingBack = false;
    frmMainInstance().show();
    frmReferFriendInstance().hide();
}

void Program::showFarewell()
{
    // Once the program is ending nothing new is shown: every window is on
    // its way out.
    if (m_ending || m_goingBack)
        return;
    frmReferFriend& farewell = frmReferFriendInstance();
    farewell.show();
    // The window keeps itself on top without stealing the focus when it is
    // merely placed; shown in place of the window the user just left, it is
    // the one left to type into, so it takes the focus here.
    farewell.raise();
    farewell.activateWindow();
}

void Program::showAbout(QWidget* owner)
{
    frmAbout about(owner);
    about.exec();
}

void Program::CloseAllAndEnd()
{
    if (m_ending) {
        // Called again from a window's closing steps while the windows are
        // being closed: the first end reached ends the program.
        endProcessOnce();
        return;
    }
    m_ending = true;
    // frmMain and frmDisplay go first: their closing steps lead to the
    // frmReferFriend, which goes last and whose own closing steps call back in.
    m_frmMain.close();
    m_frmDisplay.close();
    m_frmReferFriend.close();
    endProcessOnce();
}

void Program::endProcessOnce()
{
    if (m_ended)
        return;
    m_ended = true;
    m_services.processEnd.endProcess();
}

} // namespace skyvarre
