#pragma once

class QWidget;

namespace skyvarre {

class Prompts;
class RandomSource;
class frmDisplay;

// What a window needs from the program around it: the seams to the user and
// the system, the other windows, and the moves between them. The windows
// forward to it; the program (src/app) decides which window exists and is shown.
class WindowHost
{
public:
    virtual ~WindowHost() = default;

    // Message boxes and questions.
    virtual Prompts& prompts() = 0;

    // The program's random generator.
    virtual RandomSource& random() = 0;

    // The program-wide frmDisplay, created hidden at its first use.
    virtual frmDisplay& frmDisplayInstance() = 0;

    // After a successful Find: hides frmMain, hides frmReferFriend (creating
    // it at the first Find) and shows frmDisplay.
    virtual void showResult() = 0;

    // Back on frmDisplay: closes it, shows frmMain again and leaves
    // frmReferFriend hidden.
    virtual void goBack() = 0;

    // The closing steps that frmMain and frmDisplay share: show
    // frmReferFriend, creating it if it does not exist yet.
    virtual void showFarewell() = 0;

    // Shows frmAbout modally over owner.
    virtual void showAbout(QWidget* owner) = 0;

    // Closes every window and ends the program.
    virtual void CloseAllAndEnd() = 0;
};

} // namespace skyvarre
