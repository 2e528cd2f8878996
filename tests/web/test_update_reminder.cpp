#include "test_main.h"
#include "url_recorder.h"
#include "web/site_address.h"
#include "web/update_reminder.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>

#include <memory>

using namespace kelvra::modHelp;

namespace {
const QDate kToday(2026, 3, 15);
const QString kKey = QStringLiteral("Settings/Duration");
} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_settings = std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("store.ini")),
                                                 QSettings::IniFormat);
        m_asked = 0;
    }

    void firstRunStoresTodayAndAsksNothing() {
        UrlRecorder recorder;
        RunUpdateReminder(*m_settings, kToday, asker(true));
        QCOMPARE(m_asked, 0);
        QCOMPARE(m_settings->value(kKey).toString(), QStringLiteral("2026-03-15"));
        QVERIFY(recorder.urls().empty());
    }

    void storedDate_data() {
        QTest::addColumn<int>("offsetDays");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << 0 << true << false;
        QTest::newRow("14 days ago") << -14 << true << false;
        QTest::newRow("14 days ahead") << 14 << true << false;
        QTest::newRow("15 days ago, yes") << -15 << true << true;
        QTest::newRow("15 days ago, no") << -15 << false << true;
        QTest::newRow("15 days ahead, yes") << 15 << true << true;
        QTest::newRow("15 days ahead, no") << 15 << false << true;
        QTest::newRow("years ago, no") << -3000 << false << true;
    }

    void storedDate() {
        QFETCH(int, offsetDays);
        QFETCH(bool, answer);
        QFETCH(bool, asks);
        const QString stored = kToday.addDays(offsetDays).toString(Qt::ISODate);
        m_settings->setValue(kKey, stored);
        UrlRecorder recorder;

        RunUpdateReminder(*m_settings, kToday, asker(answer));

        QCOMPARE(m_asked, asks ? 1 : 0);
        QCOMPARE(m_settings->value(kKey).toString(), asks ? kToday.toString(Qt::ISODate) : stored);
        const bool opensDownload = asks && answer;
        QCOMPARE(recorder.urls().size(), size_t(opensDownload ? 1 : 0));
        if (opensDownload) {
            QCOMPARE(recorder.urls().front(), pageAddress(QStringLiteral("download-web-page")));
        }
    }

    void unreadableValueIsTreatedAsFirstRun_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("words") << "not a date";
        QTest::newRow("short date") << "3/15/2026";
        QTest::newRow("impossible day") << "2026-02-30";
        QTest::newRow("blank") << "   ";
    }

    void unreadableValueIsTreatedAsFirstRun() {
        QFETCH(QString, stored);
        m_settings->setValue(kKey, stored);
        RunUpdateReminder(*m_settings, kToday, asker(true));
        QCOMPARE(m_asked, 0);
        QCOMPARE(m_settings->value(kKey).toString(), kToday.toString(Qt::ISODate));
    }

    void unwritableStoreAsksNothing_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("read-only file") << "read-only";
        QTest::newRow("file replaced by a folder") << "folder";
        QTest::newRow("folder replaced by a file") << "file";
    }

    void unwritableStoreAsksNothing() {
        QFETCH(QString, fault);
        const QString inner = m_dir->filePath(QStringLiteral("inner"));
        QVERIFY(QDir().mkdir(inner));
        QSettings settings(inner + QStringLiteral("/store.ini"), QSettings::IniFormat);
        settings.setValue(kKey, kToday.addDays(-30).toString(Qt::ISODate));
        settings.sync();
        if (fault == QLatin1String("read-only")) {
            if (::geteuid() == 0) {
                QSKIP("A file's mode does not stop root from writing it");
            }
            QVERIFY(QFile::setPermissions(settings.fileName(), QFile::ReadOwner));
        } else {
            QVERIFY(QDir(inner).removeRecursively());
            QVERIFY(fault == QLatin1String("folder") ? QDir().mkpath(settings.fileName())
                                                     : QFile(inner).open(QIODevice::WriteOnly));
        }
        QVERIFY(!settings.isWritable());
        UrlRecorder recorder;

        RunUpdateReminder(settings, kToday, asker(true));
        RunUpdateReminder(settings, kToday, asker(true));

        QCOMPARE(m_asked, 0);
        QVERIFY(recorder.urls().empty());
    }

    void storedValueSurvivesReopeningTheStore() {
        RunUpdateReminder(*m_settings, kToday, asker(false));
        const QString path = m_settings->fileName();
        m_settings.reset();
        QSettings reopened(path, QSettings::IniFormat);
        QCOMPARE(reopened.value(kKey).toString(), kToday.toString(Qt::ISODate));
    }

    void asksAgainOnlyAfterFourteenQuietDays() {
        RunUpdateReminder(*m_settings, kToday, asker(false));
        int expectedQuestions = 0;
        for (int day = 1; day <= 100; ++day) {
            RunUpdateReminder(*m_settings, kToday.addDays(day), asker(false));
            RunUpdateReminder(*m_settings, kToday.addDays(day), asker(false));
            if (day % 15 == 0) {
                ++expectedQuestions;
            }
            QCOMPARE(m_asked, expectedQuestions);
        }
    }

    void stepMatchesDistanceOverRandomDates() {
        QRandomGenerator random(20260315);
        for (int run = 0; run < 2000; ++run) {
            const QDate today = QDate(1900, 1, 1).addDays(random.bounded(80000));
            const int offset = random.bounded(-40, 41);
            const ReminderStep step =
                reminderStep(today.addDays(offset).toString(Qt::ISODate), today);
            QCOMPARE(step, std::abs(offset) > 14 ? ReminderStep::Ask : ReminderStep::Nothing);
        }
    }

private:
    std::function<bool()> asker(bool answer) {
        return [this, answer] {
            ++m_asked;
            return answer;
        };
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    int m_asked = 0;
};

KELVRA_TEST_MAIN(TestUpdateReminder)
#include "test_update_reminder.moc"
