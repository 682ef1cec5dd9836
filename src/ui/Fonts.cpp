#include "Fonts.h"

#include "Look.h"

#include <QFontDatabase>
#include <QStringList>

namespace skyvarre {

namespace {

// family as the machine spells it; empty where the machine lacks it.
QString installedSpelling(const QString& family)
{
    // Listed once: the installed families do not change while the program
    // runs, and QFontDatabase::hasFamily asks fontconfig anew every time.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& name : installed) {
        if (name.compare(family, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

} // namespace

void installFontSubstitutions()
{
    // A substitute is only used where the family itself is missing, so a
    // machine that has Verdana keeps it. DejaVu Sans comes with every Linux
    // desktop and has metrics close to Verdana's.
    const QString fallback = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitution(look::kVerdana, fallback);
    QFont::insertSubstitution(look::kSansSerif, fallback);
}

QString installedFamily(const QString& requested)
{
    // Asked for a family it lacks, Qt first has fontconfig list fallbacks for
    // it and takes the first of those, before it would look at the substitute:
    // that search is a good part of the start-up's font work, and its answer
    // differs from machine to machine. Naming the substitute skips both.
    if (!installedSpelling(requested).isEmpty())
        return requested;
    const QString substitute = installedSpelling(QFont::substitute(requested));
    return substitute.isEmpty() ? requested : substitute;
}

QFont windowFont(const QString& family, qreal points)
{
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    // The texts are short Latin phrases laid out in fixed rectangles. Drawn
    // without hinting they take the face's design widths at every size and on
    // every machine, whatever the desktop's hinting settings, so a text that
    // fits here fits everywhere. Without kerning and ligatures they are set
    // as on Windows, and Qt can skip HarfBuzz for them, which with the
    // hinting saves a twentieth of the start-up; scripts that need shaping
    // are still shaped.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace skyvarre
