#include "ArrivingText.h"

#include <QInputMethodEvent>

namespace skyvarre {

std::optional<QString> applyRule(QStringView text, CharacterRule rule)
{
    QString result;
    result.reserve(text.size());
    // Code point by code point: a character outside the Basic Multilingual
    // Plane is one character to the rule, not two surrogates.
    for (const char32_t character : text.toUcs4()) {
        const std::optional<char32_t> accepted = rule(character);
        if (!accepted) {
            return std::nullopt;
        }
        result.append(QStringView(QChar::fromUcs4(*accepted)));
    }
    return result;
}

bool applyRuleToCommit(QInputMethodEvent& event, CharacterRule rule)
{
    if (event.commitString().isEmpty()) {
        return true; // only the composition changes, and that is left alone
    }
    const std::optional<QString> commit = applyRule(event.commitString(), rule);
    event.setCommitString(commit.value_or(QString()), event.replacementStart(),
                          event.replacementLength());
    return commit.has_value();
}

ArrivingTextValidator::ArrivingTextValidator(CharacterRule rule, QObject* parent)
    : QValidator(parent), m_rule(rule)
{
}

QValidator::State ArrivingTextValidator::validate(QString& text, int& /*position*/) const
{
    if (!m_prompt.isEmpty() && text == m_prompt) {
        return Acceptable;
    }
    // The box held only accepted text before the change, so a refused
    // character in it is one that has just arrived.
    const std::optional<QString> accepted = applyRule(text, m_rule);
    if (!accepted) {
        emit refused();
        return Invalid;
    }
    // The rules keep each character's length, so the cursor stays where it is.
    text = *accepted;
    return Acceptable;
}

} // namespace skyvarre
