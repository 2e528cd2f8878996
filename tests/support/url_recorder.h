#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <vector>

// Catches every web address the application asks the desktop to open, instead of a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    const std::vector<QUrl>& urls() const { return m_urls; }
    // The "page" query value of every caught address, in the order opened.
    QStringList pageKeys() const;
    void clear() { m_urls.clear(); }

public slots:
    void openUrl(const QUrl& url);

private:
    std::vector<QUrl> m_urls;
};
