#include "CharacterRule.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace skyvarre {

CharacterRuleValidator::CharacterRuleValidator(CharacterRule rule, QObject* parent)
    : QValidator(parent), m_rule(rule)
{
}

QValidator::State CharacterRuleValidator::validate(QString& text, int& /*position*/) const
{
    if (!m_prompt.isEmpty() && text == m_prompt)
        return Acceptable;
    // The box held only accepted text before the change, so a refused
    // character in it is one that has just arrived. Code point by code point:
    // a character outside the Basic Multilingual Plane is one character to
    // the rule, not two surrogates.
    QString accepted;
    accepted.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        const std::optional<char32_t> kept = m_rule(character);
        if (!kept) {
            emit refused();
            return Invalid;
        }
        accepted.append(QStringView(QChar::fromUcs4(*kept)));
    }
    // The rules keep each character's length (Unicode puts a letter's capital
    // in the letter's own plane), so the cursor stays where it is.
    text = accepted;
    return Acceptable;
}

bool refuseDrop(const QLineEdit& box, QDropEvent& event)
{
    if (box.validator() == nullptr || !event.mimeData()->hasText())
        return false;
    QString dropped = event.mimeData()->text();
    int position = 0;
    if (box.validator()->validate(dropped, position) != QValidator::Invalid)
        return false;
    event.ignore();
    return true;
}

} // namespace skyvarre
