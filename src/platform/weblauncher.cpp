#include "platform/weblauncher.h"

#include <iterator>

// Scheme and host of the maker's site. A build for another site passes its own root, e.g.
// -DCORVELLA_SITE_ROOT="https://www.example.org", without a trailing slash.
#ifndef CORVELLA_SITE_ROOT
#define CORVELLA_SITE_ROOT "https://www.corvella-software.example"
#endif

// Whole addresses are joined by the compiler, so no address is ever put together while
// the program runs.
#define CORVELLA_PAGE(key) CORVELLA_SITE_ROOT "/corvella-free-learn-numerology/ssd.php?page=" key

namespace corvella {

namespace {

struct PageEntry
{
    const char* key;
    const char* address;
};

// In the order of WebPage.
constexpr PageEntry kPages[] = {
    {"home-page", CORVELLA_PAGE("home-page")},
    {"help-web-page", CORVELLA_PAGE("help-web-page")},
    {"download-web-page", CORVELLA_PAGE("download-web-page")},
    {"fully-branded", CORVELLA_PAGE("fully-branded")},
    {"co-brand", CORVELLA_PAGE("co-brand")},
};

const PageEntry& entry(WebPage page)
{
    static_assert(std::size(kPages) == int(WebPage::CoBrand) + 1, "one address per page");
    return kPages[int(page)];
}

} // namespace

QString webPageKey(WebPage page)
{
    return QLatin1String(entry(page).key);
}

QUrl webPageAddress(WebPage page)
{
    return QUrl(QLatin1String(entry(page).address), QUrl::StrictMode);
}

void openWebPage(WebLauncher& web, WebPage page)
{
    web.open(webPageAddress(page));
}

} // namespace corvella
