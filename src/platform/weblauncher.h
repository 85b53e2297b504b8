#pragma once

#include "platform/services.h"

#include <QString>
#include <QUrl>

namespace corvella {

// The pages of the maker's site that the program opens. Each has a fixed address, known
// when the program is built; nothing about the user or the program's state is added to it.
enum class WebPage {
    HomePage,
    HelpWebPage,
    DownloadWebPage,
    FullyBranded,
    CoBrand,
};

// The page key the site's script selects the page by, e.g. "download-web-page".
QString webPageKey(WebPage page);
QUrl webPageAddress(WebPage page);

// Hands the page's address to the desktop and returns at once. Whether a browser actually
// opened it is neither known nor reported.
void openWebPage(WebLauncher& web, WebPage page);

} // namespace corvella
