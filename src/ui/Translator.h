#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace skyvarre {

// Puts the program's texts and Qt's own (the message boxes' buttons, the text
// fields' menus) into the user's language while it exists. The one place that
// decides the language: the start-up builds it once, before the first window;
// windows never choose one. Numbers and dates keep the user's formats, which
// QLocale() gives.
class Translator final
{
public:
    // Where the build puts the program's translations (translations/CMakeLists.txt).
    static QString programTranslations() { return QStringLiteral(":/translations"); }

    // Chooses the first of languages (as QLocale::uiLanguages() lists the
    // system's display languages, most wanted first: "de-AT", "zh-Hans-CN")
    // that the program speaks, and installs its translation, skyvarre_<language>.qm
    // from folder, and Qt's on the application. English, the language the
    // program is written in, needs none: where it comes first, or no language
    // has a translation, the program stays in English. A language Qt does
    // not know ("frr", "prs-AF") is passed over for the next.
    explicit Translator(const QStringList& languages,
                        const QString& folder = programTranslations());

    // Takes the translations off the application again.
    ~Translator();

    Translator(const Translator&) = delete;
    Translator& operator=(const Translator&) = delete;

    // The language chosen; QLocale::English where the program stays in English.
    QLocale::Language language() const { return m_language; }

private:
    bool installProgramTranslation(const QLocale& locale, const QString& folder);
    void installQtTranslation(const QLocale& locale);

    QTranslator m_program;
    QTranslator m_qt;
    QLocale::Language m_language = QLocale::English;
};

} // namespace skyvarre
