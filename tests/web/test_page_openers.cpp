#include "test_main.h"
#include "url_recorder.h"
#include "web/page_openers.h"
#include "web/site_address.h"

#include <QUrlQuery>

#include <functional>

using namespace kelvra::modHelp;

Q_DECLARE_METATYPE(std::function<void()>)

class TestPageOpeners : public QObject {
    Q_OBJECT
private slots:
    void opensPageByKey_data() {
        QTest::addColumn<std::function<void()>>("opener");
        QTest::addColumn<QString>("key");
        QTest::newRow("home") << std::function<void()>(OpenHomePage) << "home-page";
        QTest::newRow("help") << std::function<void()>(OpenHelpPage) << "help-web-page";
        QTest::newRow("download") << std::function<void()>(OpenDownloadPage) << "download-web-page";
        QTest::newRow("fully branded")
            << std::function<void()>(OpenFullyBrandedPage) << "fully-branded";
        QTest::newRow("co-brand") << std::function<void()>(OpenCoBrandPage) << "co-brand";
        QTest::newRow("catalogue")
            << std::function<void()>(OpenSoftwareCatalogPage) << "tarnwicksoftwares";
    }

    void opensPageByKey() {
        QFETCH(std::function<void()>, opener);
        QFETCH(QString, key);
        UrlRecorder recorder;
        opener();
        QCOMPARE(recorder.urls().size(), size_t(1));
        const QUrl& opened = recorder.urls().front();
        const QString expected = QStringLiteral("http://") + siteHost() +
                                 QStringLiteral("/kelvra-free-biorhythms/ssd.php?page=") + key;
        QCOMPARE(QString::fromLatin1(opened.toEncoded()), expected);
        QCOMPARE(opened.query(QUrl::FullyEncoded), QStringLiteral("page=") + key);
    }

    void opensSiteRoot() {
        UrlRecorder recorder;
        OpenSiteRoot();
        QCOMPARE(recorder.urls().size(), size_t(1));
        QCOMPARE(QString::fromLatin1(recorder.urls().front().toEncoded()),
                 QStringLiteral("http://") + siteHost() + QStringLiteral("/"));
    }

    void hostIsOneProperName() {
        const QString host = siteHost();
        QVERIFY(!host.isEmpty());
        QVERIFY(!host.contains(QLatin1Char('/')));
        QCOMPARE(pageAddress(QStringLiteral("x")).host(), host);
        QCOMPARE(productFolderAddress().toString(),
                 QStringLiteral("http://") + host + QStringLiteral("/kelvra-free-biorhythms/"));
    }
};

KELVRA_TEST_MAIN(TestPageOpeners)
#include "test_page_openers.moc"
