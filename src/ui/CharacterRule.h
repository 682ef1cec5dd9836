#pragma once

#include <QValidator>

#include <optional>

class QDropEvent;
class QLineEdit;

namespace skyvarre {

// What a text box makes of one character (a Unicode code point) arriving in
// it: the character to put in, or nothing when the box refuses it.
using CharacterRule = std::optional<char32_t> (*)(char32_t character);

// Holds a text box to a character rule for every change, however the text
// arrives: typed, pasted, dropped, committed by an input method or inserted
// by an assistive tool. A change that brings a refused character is undone
// whole, so that text arriving at once enters whole or not at all.
class CharacterRuleValidator : public QValidator
{
    Q_OBJECT

public:
    CharacterRuleValidator(CharacterRule rule, QObject* parent);

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

// Judges a drop onto box by its validator on the dropped text alone, before
// the box takes it in. True when refused: the drop is then ignored, so that
// its source keeps the text, and the box is left as it was.
bool refuseDrop(const QLineEdit& box, QDropEvent& event);

} // namespace skyvarre
