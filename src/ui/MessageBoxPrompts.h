#pragma once

#include "platform/Prompts.h"

namespace skyvarre {

// The program's messages and questions as real modal message boxes, titled
// with the application title.
class MessageBoxPrompts final : public Prompts
{
public:
    // A box with the icon, the text and one OK button; returns after OK.
    void showMessage(const QString& text, MessageIcon icon) override;

    // A box with the information icon and Yes and No buttons, Yes the default;
    // Unanswered when the application's exit ends the box's event loop.
    Answer askYesNo(const QString& text) override;
};

} // namespace skyvarre
