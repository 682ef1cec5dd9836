// A platform source that calls into the web layer above it, as nothing in
// platform may: its layer check must refuse to link it.
#include "web/WebPage.h"

namespace skyvarre {

void openHomePageFromPlatform()
{
    OpenHomePage();
}

} // namespace skyvarre
