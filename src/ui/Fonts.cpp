#include "Fonts.h"

#include "Look.h"

#include <QFont>
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

} // namespace skyvarre
