#pragma once

#include <QString>
#include <QUrl>

namespace kelvra::modHelp {

// The host name of the maker's web site, fixed at build time.
QString siteHost();

// http:// + host + /kelvra-free-biorhythms/ssd.php?page= + key
QUrl pageAddress(const QString& pageKey);

// The maker's web site home address, the site root.
QUrl siteRootAddress();

// http:// + host + /kelvra-free-biorhythms/, the product's folder on the site.
QUrl productFolderAddress();

} // namespace kelvra::modHelp
