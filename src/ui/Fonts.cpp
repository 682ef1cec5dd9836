#include "Fonts.h"

#include "Look.h"

#include <QFont>

namespace skyvarre {

void installFontSubstitutions()
{
    // A substitute is only used where the family itself is missing, so a
    // machine that has Verdana keeps it. DejaVu Sans comes with every Linux
    // desktop and has metrics close to Verdana's.
    const QString fallback = QStringLiteral("DejaVu Sans");
    QFont::insertSubstitution(look::kVerdana, fallback);
    QFont::insertSubstitution(look::kSansSerif, fallback);
}

} // namespace skyvarre
