#pragma once

#include <QString>
#include <QStringView>
#include <QValidator>

#include <optional>

class QInputMethodEvent;

namespace skyvarre {

// What a text box makes of one character (a Unicode code point) arriving in
// it: the character to put in, or nothing when the box refuses it.
using CharacterRule = std::optional<char32_t> (*)(char32_t character);

// text as it goes into a box under rule; nothing when the rule refuses any of
// its characters, so that text arriving at once enters whole or not at all.
std::optional<QString> applyRule(QStringView text, CharacterRule rule);

// Applies rule to the text an input method commits. A refused commit is
// dropped and the composition in progress is left as it is. False when refused.
bool applyRuleToCommit(QInputMethodEvent& event, CharacterRule rule);

// Holds a text box to its rule for every change, however the text arrives:
// pasted by shortcut, menu or middle click, dropped, or inserted by an
// assistive tool. A change that brings a refused character is undone whole.
class ArrivingTextValidator : public QValidator
{
    Q_OBJECT

public:
    ArrivingTextValidator(CharacterRule rule, QObject* parent);

    // A text the box may hold although the rule refuses some of it: the prompt
    // that the window itself puts in and takes out again.
    void setPrompt(const QString& prompt) { m_prompt = prompt; }

    State validate(QString& text, int& position) const override;

signals:
    // A change was refused. Queued connections only: it is emitted while the
    // box is in the middle of the change.
    void refused() const;

private:
    CharacterRule m_rule;
    QString m_prompt;
};

} // namespace skyvarre
