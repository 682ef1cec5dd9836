#include "SharedLinks.h"

#include "web/LinkTable.h"

namespace skyvarre {

QString bannerText()
{
    // The address is the link's target, the same in every language.
    //: The banner at the top of the input and result windows, a link: two lines of 472
    //: pixels of bold 9-point text. %1 is the web address of the home page, about 30
    //: characters. The English leaves a quarter of the room free: no more than that longer.
    return QCoreApplication::translate(
               "skyvarre::SharedLinks",
               "Talk astrology with other readers on our discussion forum. Visit %1")
        .arg(pageAddress(Page::Home));
}

} // namespace skyvarre
