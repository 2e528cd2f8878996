#include "app/app_identity.h"
#include "app/clock.h"
#include "compat/person_roster.h"
#include "modal_answerer.h"
#include "shell/close_application.h"
#include "shell/display_check.h"
#include "shell/exit_screen.h"
#include "shell/lock_location.h"
#include "shell/main_window.h"
#include "shell/program_windows.h"
#include "shell/single_instance_guard.h"
#include "shell/startup.h"
#include "test_main.h"
#include "unwritable_store.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include <unistd.h>

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

// What a lock file left in place of the lock holds.
enum class LeftOver { File, Unreadable, Directory };

QString ownProgram() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QByteArray lockText(qint64 pid, const QString& program, const QString& host) {
    return QByteArray::number(pid) + '\n' + program.toUtf8() + '\n' + host.toUtf8() + '\n';
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

    void faultySettingsNeverStopTheStart_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("questions");
        QTest::newRow("read-only, reminded long ago") << "read-only" << 0;
        QTest::newRow("garbage") << "garbage" << 0;
        QTest::newRow("a folder") << "folder" << 0;
        QTest::newRow("huge, reminded long ago") << "huge" << 1;
    }

    void faultySettingsNeverStopTheStart() {
        QFETCH(QString, fault);
        QFETCH(int, questions);
        const QString path = m_settings->fileName();
        m_settings.reset();
        QVERIFY(writeSettingsFile(path, fault));
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        QVERIFY(fault != QLatin1String("read-only") || makeUnwritable(*m_settings));
        kelvra::SingleInstanceGuard guard(m_dir->filePath(QStringLiteral("app.lock")));
        ModalAnswerer answerer;
        answerer.answerWith(QMessageBox::No);

        const std::unique_ptr<kelvra::frmMDI> window = kelvra::RunStartup(guard, *m_settings, {});

        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(int(answerer.seen().size()), questions);
    }

    void releasingTheLockLetsTheNextCopyStartAtOnce() {
        const QString lockPath = m_dir->filePath(QStringLiteral("app.lock"));
        kelvra::SingleInstanceGuard first(lockPath);
        QCOMPARE(first.acquire(), kelvra::LockState::Acquired);
        kelvra::SingleInstanceGuard second(lockPath);
        QCOMPARE(second.acquire(), kelvra::LockState::HeldByAnotherCopy);
        QVERIFY(second.anotherCopyRuns());
        QVERIFY(!first.anotherCopyRuns());

        first.release();

        QVERIFY(!QFile::exists(lockPath));
        QCOMPARE(second.acquire(), kelvra::LockState::Acquired);
    }

    void leftOverLocksAreTakenOver_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QByteArray>("content");
        const QString host = QSysInfo::machineHostName();
        const qint64 self = QCoreApplication::applicationPid();
        const auto file = int(LeftOver::File);
        QTest::newRow("empty") << file << QByteArray();
        QTest::newRow("random bytes") << file << QByteArray("\x00\xff\x13garbage\n\n\x80", 13);
        QTest::newRow("process gone") << file << lockText(2147483000, ownProgram(), host);
        QTest::newRow("another program") << file << lockText(self, QStringLiteral("other"), host);
        QTest::newRow("another host") << file << lockText(self, ownProgram(), "elsewhere.invalid");
        QTest::newRow("unreadable")
            << int(LeftOver::Unreadable) << lockText(self, ownProgram(), host);
        QTest::newRow("directory") << int(LeftOver::Directory) << QByteArray("inside");
    }

    void leftOverLocksAreTakenOver() {
        QFETCH(int, shape);
        QFETCH(QByteArray, content);
        const QString lockPath = m_dir->filePath(QStringLiteral("app.lock"));
        const bool directory = shape == int(LeftOver::Directory);
        QVERIFY(!directory || QDir().mkdir(lockPath));
        QFile left(directory ? lockPath + QStringLiteral("/file") : lockPath);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write(content);
        left.close();
        if (shape == int(LeftOver::Unreadable)) {
            QVERIFY(left.setPermissions({}));
        }
        kelvra::SingleInstanceGuard guard(lockPath);
        ModalAnswerer answerer;

        const std::unique_ptr<kelvra::frmMDI> window = kelvra::RunStartup(guard, *m_settings, {});

        QVERIFY(window != nullptr);
        QVERIFY(answerer.seen().empty());
        QCOMPARE(m_ends, 0);
        QLockFile probe(lockPath);
        qint64 holder = 0;
        QVERIFY(probe.getLockInfo(&holder, nullptr, nullptr));
        QCOMPARE(holder, QCoreApplication::applicationPid());
    }

    void withoutALockTheProgramStartsSilently_data() {
        QTest::addColumn<QString>("lockPath");
        QTest::newRow("no safe folder") << QString();
        QTest::newRow("folder missing") << QStringLiteral("missing/app.lock");
        QTest::newRow("folder is a file") << QStringLiteral("store.ini/app.lock");
    }

    void withoutALockTheProgramStartsSilently() {
        QFETCH(QString, lockPath);
        m_settings->setValue(kDuration, QStringLiteral("2026-05-20"));
        m_settings->sync();
        kelvra::SingleInstanceGuard guard(lockPath.isEmpty() ? lockPath
                                                             : m_dir->filePath(lockPath));
        ModalAnswerer answerer;
        QTest::failOnWarning(
            QRegularExpression(QStringLiteral("lock"), QRegularExpression::CaseInsensitiveOption));

        const std::unique_ptr<kelvra::frmMDI> window = kelvra::RunStartup(guard, *m_settings, {});

        QCOMPARE(guard.acquire(), kelvra::LockState::Unavailable);
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(answerer.seen().empty());
        QCOMPARE(m_ends, 0);
    }

    void entryWindowEndsTheProgramOnlyForARunningCopy_data() {
        QTest::addColumn<bool>("folderAppears");
        QTest::addColumn<bool>("otherCopy");
        QTest::addColumn<int>("ends");
        QTest::newRow("still no lock") << false << false << 0;
        QTest::newRow("lock free now") << true << false << 0;
        QTest::newRow("another copy took it") << true << true << 1;
    }

    void entryWindowEndsTheProgramOnlyForARunningCopy() {
        QFETCH(bool, folderAppears);
        QFETCH(bool, otherCopy);
        QFETCH(int, ends);
        const QString lockPath = m_dir->filePath(QStringLiteral("later/app.lock"));
        kelvra::SingleInstanceGuard guard(lockPath);
        kelvra::modBiorhythmCompatibility roster;
        const std::unique_ptr<kelvra::frmMDI> window =
            kelvra::RunStartup(guard, *m_settings, kelvra::programWindows(*m_settings, roster));
        QVERIFY(window != nullptr);
        QVERIFY(!folderAppears || QDir().mkdir(m_dir->filePath(QStringLiteral("later"))));
        QLockFile other(lockPath);
        QVERIFY(!otherCopy || other.tryLock(0));

        window->cmdSelectOption_Click(1);

        QCOMPARE(m_ends, ends);
        QCOMPARE(guard.acquire(), folderAppears && !otherCopy ? kelvra::LockState::Acquired
                                  : otherCopy                 ? kelvra::LockState::HeldByAnotherCopy
                                                              : kelvra::LockState::Unavailable);
        delete window->exitScreen();
    }

    void lockLocation_data() {
        QTest::addColumn<int>("runtimeMode");
        QTest::addColumn<int>("homeMode");
        QTest::addColumn<int>("ownerOffset");
        QTest::addColumn<QString>("expected");
        // A mode of -1 leaves the folder missing, -2 makes the runtime folder a link.
        QTest::newRow("private runtime folder") << 0700 << -1 << 0 << "runtime";
        QTest::newRow("runtime open to the group") << 0750 << -1 << 0 << "home";
        QTest::newRow("runtime open to everyone") << 0777 << 0700 << 0 << "home";
        QTest::newRow("runtime not writable") << 0500 << 0755 << 0 << "home";
        QTest::newRow("runtime missing") << -1 << -1 << 0 << "home";
        QTest::newRow("runtime a link") << -2 << -1 << 0 << "home";
        QTest::newRow("home writable by others") << 0755 << 0777 << 0 << "none";
        QTest::newRow("folders of another user") << 0700 << 0700 << 1 << "none";
    }

    void lockLocation() {
        QFETCH(int, runtimeMode);
        QFETCH(int, homeMode);
        QFETCH(int, ownerOffset);
        QFETCH(QString, expected);
        const QString runtime = m_dir->filePath(QStringLiteral("run"));
        const QString home = m_dir->filePath(QStringLiteral("home/.cache/app"));
        QVERIFY(makeFolder(runtimeMode == -2 ? m_dir->path() + QStringLiteral("/real") : runtime,
                           runtimeMode == -2 ? 0700 : runtimeMode));
        QVERIFY(runtimeMode != -2 || QFile::link(m_dir->filePath(QStringLiteral("real")), runtime));
        QVERIFY(makeFolder(home, homeMode));

        const QString path = kelvra::lockPathIn(QStringLiteral("app"), runtime, home,
                                                ::geteuid() + unsigned(ownerOffset));

        const QString hostLock = QStringLiteral("app-%1.lock").arg(QSysInfo::machineHostName());
        const QString wanted = expected == QLatin1String("runtime") ? runtime + "/app.lock"
                               : expected == QLatin1String("home")  ? home + '/' + hostLock
                                                                    : QString();
        QCOMPARE(path, wanted);
        if (expected == QLatin1String("home") && homeMode == -1) {
            QVERIFY(kelvra::isPrivateFolder(home, ::geteuid()));
        }
    }

    void withoutRuntimeFolderTheLockStaysInTheHome() {
        QProcessEnvironment environment = isolatedEnvironment(*m_dir);
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(KELVRA_GUARD_PROBE));
        QVERIFY(first.waitForReadyRead(60000));
        QCOMPARE(QString::fromLatin1(first.readLine()).trimmed(), QStringLiteral("acquired"));
        const QString lock =
            QStringLiteral("%1/.cache/%2/%2-%3.lock")
                .arg(m_dir->path(), kelvra::kApplicationName, QSysInfo::machineHostName());
        QVERIFY2(QFile::exists(lock), qPrintable(lock));
        QCOMPARE(runProbe(environment), QStringLiteral("refused"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(60000));
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

    void twoCopiesStartingTogetherLeaveOneRunning() {
        const QProcessEnvironment environment = isolatedEnvironment(*m_dir);
        for (int trial = 0; trial < 5; ++trial) {
            QProcess copies[2];
            for (QProcess& copy : copies) {
                copy.setProcessEnvironment(environment);
                copy.start(QStringLiteral(KELVRA_GUARD_PROBE));
            }
            QStringList outcomes;
            for (QProcess& copy : copies) {
                QVERIFY(copy.waitForReadyRead(60000));
                outcomes << QString::fromLatin1(copy.readLine()).trimmed();
            }
            outcomes.sort();
            QCOMPARE(outcomes,
                     QStringList({QStringLiteral("acquired"), QStringLiteral("refused")}));
            for (QProcess& copy : copies) {
                copy.closeWriteChannel();
                QVERIFY(copy.waitForFinished(60000));
            }
        }
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
    // A settings file with the given fault; "read-only" and "huge" hold a date long past.
    static bool writeSettingsFile(const QString& path, const QString& fault) {
        if (fault == QLatin1String("folder")) {
            return QDir().mkpath(path);
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        if (fault == QLatin1String("garbage")) {
            return file.write(QByteArray("[Settings\n\xff\x00Duration=\"2026-\\\n=[]=\n", 28)) > 0;
        }
        file.write("[Settings]\nDuration=2026-01-01\n");
        for (int line = 0; fault == QLatin1String("huge") && line < 100000; ++line) {
            file.write(QByteArray("[Junk") + QByteArray::number(line) +
                       "]\nKey=" + QByteArray(60, 'x') + '\n');
        }
        return true;
    }

    static bool makeFolder(const QString& path, int mode) {
        if (mode < 0) {
            return true;
        }
        return QDir().mkpath(path) && QFile::setPermissions(path, unixPermissions(mode));
    }

    static QFile::Permissions unixPermissions(int mode) {
        QFile::Permissions permissions;
        const QFile::Permission bits[] = {QFile::ExeOther, QFile::WriteOther, QFile::ReadOther,
                                          QFile::ExeGroup, QFile::WriteGroup, QFile::ReadGroup,
                                          QFile::ExeOwner, QFile::WriteOwner, QFile::ReadOwner};
        for (int bit = 0; bit < 9; ++bit) {
            if ((mode & (1 << bit)) != 0) {
                permissions |= bits[bit];
            }
        }
        return permissions;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    int m_ends = 0;
};

KELVRA_TEST_MAIN(TestStartup)
#include "test_startup.moc"
