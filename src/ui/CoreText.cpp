#include "CoreText.h"

#include <QCoreApplication>

#include <string>

namespace skyvarre {

QString coreText(const char* context, std::string_view text)
{
    // translate() reads its source text up to a terminating zero, which a
    // view need not have.
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

} // namespace skyvarre
