#include "LinkTable.h"

#include "web/SiteSettings.h"

#include <QStringView>
#include <QtGlobal>

#include <array>
#include <cstddef>

namespace skyvarre {

namespace {

struct Link
{
    Page page;
    Site site;
    QStringView path; // appended to the site's base character for character
};

// One row per link entry point, in the order of the Page enumeration.
constexpr std::array kLinks = {
    Link{Page::Home, Site::Main, u""}, // the bare site address: no trailing "/"
    Link{Page::SoftwareCatalogue, Site::Main, u"/varnholtsoftwares"},
    Link{Page::OnlineHelp, Site::Main, u"/skyvarre/skyvarre-help.html"},
    Link{Page::Download, Site::Main, u"/skyvarre/download-skyvarre.html"},
    Link{Page::Donation, Site::Help, u"/donate.html"},
    Link{Page::FullBrand, Site::Help, u"/fully-branded.html"},
    Link{Page::CoBrand, Site::Help, u"/co-brand.html"},
};

constexpr bool rowsFollowThePages()
{
    for (std::size_t row = 0; row < kLinks.size(); ++row)
        if (static_cast<std::size_t>(kLinks[row].page) != row)
            return false;
    return kLinks.size() == static_cast<std::size_t>(Page::CoBrand) + 1;
}
static_assert(rowsFollowThePages(), "one link row per page, in the order of Page");

// Every address of the program, the product page inside the refer-a-friend
// address too, uses the build's scheme (https unless the maker chose http).
const QString kScheme = QString::fromUtf16(kWebScheme) + QStringLiteral("://");

// The product's own pages lie in this folder of the main site.
constexpr QStringView kProductFolder = u"/skyvarre/";

} // namespace

QString siteBase(Site site)
{
    switch (site) {
    case Site::Main:
        return kScheme + QString::fromUtf16(kMainHost);
    case Site::Help:
        return kScheme + QString::fromUtf16(kHelpHost);
    }
    Q_UNREACHABLE();
}

QString pageAddress(Page page)
{
    const Link& link = kLinks.at(static_cast<std::size_t>(page));
    return siteBase(link.site) + link.path.toString();
}

QString productPageAddress()
{
    return siteBase(Site::Main) + kProductFolder.toString();
}

} // namespace skyvarre
