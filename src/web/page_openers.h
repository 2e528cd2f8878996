#pragma once

#include <QUrl>

namespace kelvra::modHelp {

// Asks the desktop to open the address in the default browser. Never reports failure:
// when no browser can be started nothing happens.
void OpenSitePage(const QUrl& address);

// Each opens one page of the maker's web site, selected by its page key.
void OpenHomePage();
void OpenHelpPage();
void OpenDownloadPage();
void OpenFullyBrandedPage();
void OpenCoBrandPage();
void OpenSoftwareCatalogPage();

// Opens the root of the maker's web site (the forum).
void OpenSiteRoot();

} // namespace kelvra::modHelp
