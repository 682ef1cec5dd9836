#include "SharedLinks.h"

#include "web/LinkTable.h"

namespace skyvarre {

QString bannerText()
{
    return QStringLiteral("Meet other stargazers on the Varnholt Softwares discussion forum: "
                          "questions, answers and friendly talk about astrology. Visit us at ") +
           pageAddress(Page::Home);
}

} // namespace skyvarre
