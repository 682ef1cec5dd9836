#pragma once

#include <QString>

namespace skyvarre {

enum class MessageIcon
{
    Information,
    Critical
};
enum class Answer
{
    Yes,
    No,
    // The program ended while the question was up (SIGTERM, for one).
    Unanswered
};

// Every message box and question the program shows goes through this
// interface, so that tests can answer it without a modal dialog.
// All messages carry the application title and one OK button.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // Shows text with the given icon and waits for OK.
    virtual void showMessage(const QString& text, MessageIcon icon) = 0;

    // Asks a Yes/No question with the information icon; Yes is the default.
    // Unanswered when the program ends before the user answers.
    virtual Answer askYesNo(const QString& text) = 0;
};

} // namespace skyvarre
