#include "Translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>

namespace skyvarre {

namespace {

// The file names' start, skyvarre_de.qm and qtbase_de.qm: QTranslator adds
// the language and tries its shorter forms (de_AT, then de).
const QString kProgramCatalogue = QStringLiteral("skyvarre");
const QString kQtCatalogue = QStringLiteral("qtbase");

// Qt takes the windows' writing direction from this text of its own, which
// a right-to-left language translates as "RTL": QGuiApplication looks it up
// whenever a catalogue is installed. The program's catalogues carry it too,
// so that the direction does not hang on Qt's catalogue, which a system may
// lack.
//: The writing direction: "LTR" for a language written left to right, "RTL" for one written right to left (Arabic, Hebrew, Persian). Not shown.
[[maybe_unused]] const char* const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// Where Qt's own translations are: beside the program where it brings them
// (on Windows), else where Qt was installed (Debian's qt6-translations-l10n).
QStringList qtTranslationFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

// The catalogue for a language written in more than one place, where
// QTranslator would only try the territory's own and then the bare
// language: Hong Kong and Macau write Chinese in traditional characters, as
// Taiwan does, and read its catalogue; Portugal and the other Portuguese-
// speaking countries read Brazil's, as the installer already shows them,
// since a Portuguese reader understands Brazilian Portuguese far better
// than English.
QLocale catalogueLocale(const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese && locale.script() == QLocale::TraditionalHanScript)
        return QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
    if (locale.language() == QLocale::Portuguese)
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}

} // namespace

Translator::Translator(const QStringList& languages, const QString& folder)
{
    for (const QString& language : languages) {
        const QLocale locale(language);
        // QLocale makes the C locale of every tag it does not know, and
        // uiLanguages() lists "C" after such a tag ("xx", "C", "de"): that is
        // no choice of the user's, and the next language may be one the
        // program has. LANG=C lists "C" alone and so ends in English below.
        if (locale.language() == QLocale::C)
            continue;
        if (locale.language() == QLocale::English)
            return;
        if (installProgramTranslation(catalogueLocale(locale), folder)) {
            m_language = locale.language();
            installQtTranslation(catalogueLocale(locale));
            return;
        }
    }
}

// QTranslator takes itself off the application as it goes.
Translator::~Translator() = default;

bool Translator::installProgramTranslation(const QLocale& locale, const QString& folder)
{
    // A catalogue without a single translated text is a language that is not
    // ready: the next language on the list may be.
    return m_program.load(locale, kProgramCatalogue, QStringLiteral("_"), folder) &&
           !m_program.isEmpty() && QCoreApplication::installTranslator(&m_program);
}

void Translator::installQtTranslation(const QLocale& locale)
{
    for (const QString& folder : qtTranslationFolders()) {
        if (m_qt.load(locale, kQtCatalogue, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&m_qt);
            return;
        }
    }
    // Without Qt's translation the program's own texts are still translated;
    // Qt's few (the buttons' Yes and No) stay in English.
}

} // namespace skyvarre
