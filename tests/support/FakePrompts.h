#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QString>

namespace skyvarre::test {

// Records every message and question instead of showing a dialog, and
// answers questions with a scripted answer.
class FakePrompts final : public Prompts
{
public:
    struct Message
    {
        QString text;
        MessageIcon icon;
    };

    void showMessage(const QString& text, MessageIcon icon) override
    {
        messages.append({text, icon});
    }

    Answer askYesNo(const QString& text) override
    {
        questions.append(text);
        return answer;
    }

    QList<Message> messages;
    QList<QString> questions;
    Answer answer = Answer::No;
};

} // namespace skyvarre::test
