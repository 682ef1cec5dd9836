#pragma once

#include <QString>

namespace skyvarre {

// The two web sites every address lives on.
enum class Site
{
    Main,
    Help
};

// The fixed pages of the program, one per link entry point.
enum class Page
{
    Home,
    SoftwareCatalogue,
    OnlineHelp,
    Download,
    Donation,
    FullBrand,
    CoBrand,
};

// The build's scheme ("https://" by default) + the site's host, without a trailing "/".
QString siteBase(Site site);

// The absolute address of a fixed page.
QString pageAddress(Page page);

// The product's own page on the main site, ending in "/".
QString productPageAddress();

} // namespace skyvarre
