#include "Fonts.h"

#include "Look.h"

#include <QFontDatabase>
#include <QStringList>

namespace skyvarre {

namespace {

// The Devanagari face the windows name after their own: a font family's
// name, not a text anyone reads.
const QString kDevanagariFace = QStringLiteral("Noto Sans Devanagari UI");

// family as the machine spells it; empty where the machine lacks it.
QString installedSpelling(const QString& family)
{
    // The installed families do not change while the program runs.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& name : installed)
        if (name.compare(family, Qt::CaseInsensitive) == 0)
            return name;
    return {};
}

} // namespace

void installFontSubstitutions(QLocale::Language language)
{
    // A substitute is only used where the family itself is missing, so a
    // machine that has Verdana keeps it. DejaVu Sans comes with every Linux
    // desktop and has metrics close to Verdana's.
    const QString fallback = QStringLiteral("DejaVu Sans");
    // Where a face lacks a script's letters, Qt takes them from the families
    // substituted for it before the system's own choice: for Devanagari the
    // face drawn for interfaces, whose marks and underline keep within the
    // windows' 8-point rows where others' reach past them (it comes with
    // fonts-noto-ui-core, which the package recommends; on Windows, which
    // lacks it, Qt's fallback takes Nirmala UI). Only a language written in
    // Devanagari names it: a named face makes Qt list the system's fallbacks
    // for every script the windows show as they load their faces, which
    // lengthens every other language's start for nothing.
    QStringList languageFaces;
    if (QLocale(language).script() == QLocale::DevanagariScript)
        languageFaces.append(kDevanagariFace);

    // Each call sets the whole table, so a later language leaves nothing of
    // an earlier one's.
    for (const QString& family : {look::kVerdana, look::kSansSerif}) {
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, QStringList{fallback} + languageFaces);
    }
    QFont::removeSubstitutions(fallback);
    QFont::insertSubstitutions(fallback, languageFaces);
}

QString installedFamily(const QString& requested)
{
    // Asked for a family it lacks, Qt first has fontconfig list fallbacks for
    // it and takes the first of those before it would look at the substitute,
    // and that answer differs from machine to machine. Naming the substitute
    // gives every machine the same face.
    if (!installedSpelling(requested).isEmpty())
        return requested;
    const QString substitute = installedSpelling(QFont::substitute(requested));
    return substitute.isEmpty() ? requested : substitute;
}

QFont windowFont(const QString& family, qreal points)
{
    QFont font;
    font.setFamily(installedFamily(family));
    font.setPointSizeF(points);
    return font;
}

} // namespace skyvarre
