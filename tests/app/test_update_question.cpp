#include "app/app_identity.h"
#include "app/clock.h"
#include "app/update_question.h"
#include "modal_answerer.h"
#include "test_main.h"
#include "url_recorder.h"

#include <QSettings>
#include <QTemporaryDir>

class TestUpdateQuestion : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { kelvra::setTodayOverride(std::nullopt); }

    void asksWithItsOwnTextIconAndButtons_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("opensDownload");
        QTest::newRow("yes") << QMessageBox::Yes << true;
        QTest::newRow("no") << QMessageBox::No << false;
    }

    void asksWithItsOwnTextIconAndButtons() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, opensDownload);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/Duration"), QStringLiteral("2026-01-01"));
        kelvra::setTodayOverride(QDate(2026, 1, 16));
        ModalAnswerer answerer;
        answerer.answerWith(answer);
        UrlRecorder recorder;

        kelvra::runUpdateReminder(settings, nullptr);

        QCOMPARE(answerer.seen().size(), size_t(1));
        const SeenMessage& seen = answerer.seen().front();
        QCOMPARE(seen.title, kelvra::kApplicationTitle);
        QCOMPARE(seen.text, QStringLiteral("There maybe an update to this software available\n"
                                           "Do you want to check for an update?"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(recorder.urls().size(), size_t(opensDownload ? 1 : 0));
        QCOMPARE(settings.value(QStringLiteral("Settings/Duration")).toString(),
                 QStringLiteral("2026-01-16"));
    }
};

KELVRA_TEST_MAIN(TestUpdateQuestion)
#include "test_update_question.moc"
