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

    // The program-wide result window, created hidden at its first use.
    virtual frmDisplay& resultWindow() = 0;

    // After a successful Find: hides the input window, hides the farewell
    // window (creating it at the first Find) and shows the result window.
    virtual void showResult() = 0;

    // Back on the result window: closes it, shows the input window again and
    // leaves the farewell window hidden.
    virtual void goBack() = 0;

    // The closing steps that the input and the result window share: show the
    // farewell window, creating it if it does not exist yet.
    virtual void showFarewell() = 0;

    // Shows the About window modally over owner.
    virtual void showAbout(QWidget* owner) = 0;

    // Closes every window and ends the program.
    virtual void CloseAllAndEnd() = 0;
};

} // namespace skyvarre
