#include "app/app_identity.h"
#include "app/clock.h"
#include "modal_answerer.h"
#include "shell/close_application.h"
#include "shell/display_check.h"
#include "shell/main_window.h"
#include "shell/single_instance_guard.h"
#include "shell/startup.h"
#include "test_main.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace {
const QString kDuration = QStringLiteral("Settings/Duration");

bool anyMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<kelvra::frmMDI*>(widget) != nullptr) {
            return true;
        }
    }
    return false;
}

// A clean environment for a child process with its own runtime folder and no display.
QProcessEnvironment isolatedEnvironment(const QTemporaryDir& dir) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    return environment;
}

QString runProbe(const QProcessEnvironment& environment) {
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(KELVRA_GUARD_PROBE));
    probe.closeWriteChannel();
    probe.waitForFinished(60000);
    return QString::fromLatin1(probe.readAllStandardOutput()).trimmed();
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("store.ini")),
                                                 QSettings::IniFormat);
        m_ends = 0;
        kelvra::setProcessEnder([this] { ++m_ends; });
        kelvra::setTodayOverride(QDate(2026, 5, 20));
    }

    void cleanup() {
        kelvra::setTodayOverride(std::nullopt);
        m_settings.reset();
        m_dir.reset();
    }

    void refusesASecondCopyBeforeAnythingElse() {
        const QString lockPath = m_dir->filePath(QStringLiteral("app.lock"));
        QLockFile firstCopy(lockPath);
        QVERIFY(firstCopy.tryLock(0));
        kelvra::SingleInstanceGuard guard(lockPath);
        ModalAnswerer answerer;

        const std::unique_ptr<kelvra::frmMDI> window = kelvra::RunStartup(guard, *m_settings, {});

        QVERIFY(window == nullptr);
        QCOMPARE(answerer.seen().size(), size_t(1));
        QCOMPARE(answerer.seen().front().text, QStringLiteral("Application is already running"));
        QCOMPARE(answerer.seen().front().icon, QMessageBox::Information);
        QCOMPARE(answerer.seen().front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(answerer.seen().front().title, kelvra::kApplicationTitle);
        QCOMPARE(m_ends, 1);
        QVERIFY(!m_settings->contains(kDuration));
        QVERIFY(!anyMainWindow());
        QVERIFY(firstCopy.isLocked());
    }

    void asksTheReminderBeforeTheMainWindowExists() {
        m_settings->setValue(kDuration, QStringLiteral("2026-05-01"));
        kelvra::SingleInstanceGuard guard(m_dir->filePath(QStringLiteral("app.lock")));
        bool mainWindowDuringQuestion = true;
        ModalAnswerer answerer;
        answerer.answerWith(QMessageBox::No);
        QTimer probe;
        probe.setInterval(1);
        connect(&probe, &QTimer::timeout, this, [&mainWindowDuringQuestion] {
            if (QApplication::activeModalWidget() != nullptr) {
                mainWindowDuringQuestion = anyMainWindow();
            }
        });
        probe.start();

        const std::unique_ptr<kelvra::frmMDI> window = kelvra::RunStartup(guard, *m_settings, {});

        QCOMPARE(answerer.seen().size(), size_t(1));
        QVERIFY(!mainWindowDuringQuestion);
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(m_settings->value(kDuration).toString(), QStringLiteral("2026-05-20"));
        QCOMPARE(m_ends, 0);
    }

    void firstRunShowsTheMainWindowWithoutQuestion() {
        kelvra::SingleInstanceGuard guard(m_dir->filePath(QStringLiteral("app.lock")));
        ModalAnswerer answerer;
        const std::unique_ptr<kelvra::frmMDI> window = kelvra::RunStartup(guard, *m_settings, {});
        QVERIFY(answerer.seen().empty());
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(window->windowState().testFlag(Qt::WindowMaximized));
        // The write waits for the disk, so it comes after the first frame, not before.
        QVERIFY(!m_settings->contains(kDuration));
        QTRY_COMPARE(m_settings->value(kDuration).toString(), QStringLiteral("2026-05-20"));
    }

    void releasingTheLockLetsTheNextCopyStartAtOnce() {
        const QString lockPath = m_dir->filePath(QStringLiteral("app.lock"));
        kelvra::SingleInstanceGuard first(lockPath);
        QVERIFY(first.tryAcquire());
        kelvra::SingleInstanceGuard second(lockPath);
        QVERIFY(!second.tryAcquire());

        first.release();

        QVERIFY(!QFile::exists(lockPath));
        QVERIFY(second.tryAcquire());
    }

    void secondProcessIsRefusedAndAKilledCopyDoesNotBlock() {
        const QProcessEnvironment environment = isolatedEnvironment(*m_dir);
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(KELVRA_GUARD_PROBE));
        QVERIFY(first.waitForReadyRead(60000));
        QCOMPARE(QString::fromLatin1(first.readLine()).trimmed(), QStringLiteral("acquired"));
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("kelvra-biorhythms.lock"))));

        QCOMPARE(runProbe(environment), QStringLiteral("refused"));

        first.kill();
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("kelvra-biorhythms.lock"))));
        QCOMPARE(runProbe(environment), QStringLiteral("acquired"));
    }

    void anotherUserHasHisOwnLock() {
        QTemporaryDir otherUser;
        QProcess first;
        first.setProcessEnvironment(isolatedEnvironment(*m_dir));
        first.start(QStringLiteral(KELVRA_GUARD_PROBE));
        QVERIFY(first.waitForReadyRead(60000));
        QCOMPARE(runProbe(isolatedEnvironment(otherUser)), QStringLiteral("acquired"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(60000));
    }

    void withoutDisplaySaysSoInOneLine_data() {
        QTest::addColumn<QString>("display");
        QTest::newRow("no display set") << QString();
        QTest::newRow("display unreachable") << QStringLiteral(":4711");
    }

    void withoutDisplaySaysSoInOneLine() {
        QFETCH(QString, display);
        QProcessEnvironment environment = isolatedEnvironment(*m_dir);
        if (!display.isEmpty()) {
            environment.insert(QStringLiteral("DISPLAY"), display);
        }
        QProcess application;
        application.setProcessEnvironment(environment);
        application.start(QStringLiteral(KELVRA_EXECUTABLE));
        QVERIFY(application.waitForFinished(60000));
        QCOMPARE(application.exitStatus(), QProcess::NormalExit);
        QCOMPARE(application.exitCode(), 1);
        const QString errors = QString::fromLocal8Bit(application.readAllStandardError());
        QCOMPARE(errors, QString::fromLatin1(kelvra::noDisplayMessage()) + QLatin1Char('\n'));
    }

    void versionAndHelpAnswerWithoutStartingAnything_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine");
        const QString version = QStringLiteral("Kelvra Biorhythms " KELVRA_VERSION);
        const QString usage = QStringLiteral("Usage: kelvra-biorhythms [--help | --version]");
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << version;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << usage;
        QTest::newRow("after Qt's own option")
            << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"),
                           QStringLiteral("--version")}
            << version;
    }

    // Without a display, and leaving no lock and no settings in the user's folders.
    void versionAndHelpAnswerWithoutStartingAnything() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        QTemporaryDir home;
        QProcess application;
        application.setProcessEnvironment(isolatedEnvironment(home));
        application.start(QStringLiteral(KELVRA_EXECUTABLE), arguments);
        QVERIFY(application.waitForFinished(60000));
        QCOMPARE(application.exitStatus(), QProcess::NormalExit);
        QCOMPARE(application.exitCode(), 0);
        const QStringList lines = QString::fromLocal8Bit(application.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.front(), firstLine);
        QVERIFY(lines.size() < 10);
        QCOMPARE(application.readAllStandardError(), QByteArray());
        QVERIFY(QDir(home.path()).isEmpty());
        // The window caption states the same version as the package and --version.
        QVERIFY(kelvra::kVersionCaption.endsWith(QStringLiteral(" v" KELVRA_VERSION)));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    int m_ends = 0;
};

KELVRA_TEST_MAIN(TestStartup)
#include "test_startup.moc"
