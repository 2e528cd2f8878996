#include "page_openers.h"

#include "site_address.h"

#include <QDesktopServices>

namespace kelvra::modHelp {

void OpenSitePage(const QUrl& address) {
    // Its result only says whether a launcher started; there is nobody to tell.
    QDesktopServices::openUrl(address);
}

void OpenHomePage() {
    OpenSitePage(pageAddress(QStringLiteral("home-page")));
}

void OpenHelpPage() {
    OpenSitePage(pageAddress(QStringLiteral("help-web-page")));
}

void OpenDownloadPage() {
    OpenSitePage(pageAddress(QStringLiteral("download-web-page")));
}

void OpenFullyBrandedPage() {
    OpenSitePage(pageAddress(QStringLiteral("fully-branded")));
}

void OpenCoBrandPage() {
    OpenSitePage(pageAddress(QStringLiteral("co-brand")));
}

void OpenSoftwareCatalogPage() {
    OpenSitePage(pageAddress(QStringLiteral("tarnwicksoftwares")));
}

void OpenSiteRoot() {
    OpenSitePage(siteRootAddress());
}

} // namespace kelvra::modHelp
