#include "url_recorder.h"

#include <QDesktopServices>
#include <QUrlQuery>

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QStringList UrlRecorder::pageKeys() const {
    QStringList keys;
    for (const QUrl& url : m_urls) {
        keys << QUrlQuery(url).queryItemValue(QStringLiteral("page"));
    }
    return keys;
}

void UrlRecorder::openUrl(const QUrl& url) {
    m_urls.push_back(url);
}
