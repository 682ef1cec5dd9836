#include "SharedLinks.h"

#include "web/LinkTable.h"

namespace skyvarre {

QString bannerText()
{
    return QStringLiteral("Talk astrology with other readers on our discussion forum. Visit ") +
           pageAddress(Page::Home);
}

} // namespace skyvarre
