#include "site_address.h"

namespace kelvra::modHelp {

QString siteHost() {
    return QStringLiteral(KELVRA_SITE_HOST);
}

QUrl pageAddress(const QString& pageKey) {
    return QUrl(QStringLiteral("http://%1/kelvra-free-biorhythms/ssd.php?page=%2")
                    .arg(siteHost(), pageKey));
}

QUrl siteRootAddress() {
    return QUrl(QStringLiteral("http://%1/").arg(siteHost()));
}

QUrl productFolderAddress() {
    return QUrl(QStringLiteral("http://%1/kelvra-free-biorhythms/").arg(siteHost()));
}

} // namespace kelvra::modHelp
