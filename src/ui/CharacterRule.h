#pragma once

#include <QString>
#include <QStringView>
#include <QValidator>

class QDropEvent;
class QLineEdit;

namespace skyvarre {

// How far a text box may hold a text: Acceptable, Intermediate (the box
// keeps it, and more typing may complete it) or Invalid (refused).
using TextRule = QValidator::State (*)(QStringView text);

// Holds a text box to a rule for every change, however the text arrives:
// typed, pasted, dropped, committed by an input method or inserted by an
// assistive tool. A change the rule refuses is undone whole, so that text
// arriving at once enters whole or not at all. It only judges: a validator
// that rewrote the text would make the box replace its whole text, which
// empties its undo history, resets an input method's composition and has a
// screen reader read the whole text again (see shapeArrivingText).
class CharacterRuleValidator : public QValidator
{
    Q_OBJECT

public:
    CharacterRuleValidator(TextRule rule, QObject* parent);

    // A text the box may hold although the rule refuses some of it: the prompt
    // that the window itself puts in and takes out again.
    void setPrompt(const QString& prompt) { m_prompt = prompt; }

    State validate(QString& text, int& position) const override;

signals:
    // A change was refused. Queued connections only: it is emitted while the
    // box is in the middle of the change.
    void refused() const;

private:
    TextRule m_rule;
    QString m_prompt;
};

// What a box makes of text before it goes in (the name box's capitals);
// null where the box takes text as it arrives.
using TextShape = QString (*)(QStringView text, const QLineEdit& box);

// Gives box the text that arrives in it as shape makes it, before the box
// inserts it: typed keys, an input method's commit (its composition is left
// alone), pastes by key, context menu or middle button, and drops. A pasted
// or dropped line comes without its line break at the end. Where the box's
// maximum length leaves less room than the text needs, the text is cut at the
// last whole character that fits (a letter with its accents, both halves of
// a character outside the Basic Multilingual Plane), not where the room ends.
// Installed before the window's own event filter, so that the window sees the
// keys first (the name box refuses Ctrl+V as a key).
void shapeArrivingText(QLineEdit& box, TextShape shape);

// Judges a drop onto box by its validator on the dropped text alone, before
// the box takes it in. True when refused: the drop is then ignored, so that
// its source keeps the text, and the box is left as it was.
bool refuseDrop(const QLineEdit& box, QDropEvent& event);

} // namespace skyvarre
