#pragma once

#include <QObject>
#include <QUrl>

#include <vector>

// Catches every web address the application asks the desktop to open, instead of a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    const std::vector<QUrl>& urls() const { return m_urls; }
    void clear() { m_urls.clear(); }

public slots:
    void openUrl(const QUrl& url);

private:
    std::vector<QUrl> m_urls;
};
