// Random user actions on the whole application, with its rules checked after every one.
//   KELVRA_MONKEY_SEED=<n>    one run with this seed (default: the seeds listed below)
//   KELVRA_MONKEY_EVENTS=<n>  events per run
//   KELVRA_MONKEY_TRACE=1     print every event before it is sent
#include "app/clock.h"
#include "chart/chart_window.h"
#include "compat/person_roster.h"
#include "monkey.h"
#include "shell/close_application.h"
#include "shell/main_window.h"
#include "shell/program_windows.h"
#include "shell/single_instance_guard.h"
#include "shell/startup.h"
#include "test_main.h"
#include "url_recorder.h"

#include <QMap>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace kelvra;

namespace {
const QStringList kWindowKinds = {QStringLiteral("frmMDI"),
                                  QStringLiteral("frmBiorhythmChart"),
                                  QStringLiteral("frmBiorhythmCompatibilityMain"),
                                  QStringLiteral("frmBiorhythmCompatibilityDisplay"),
                                  QStringLiteral("frmNagScreen2"),
                                  QStringLiteral("frmAbout")};

quint32 setting(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Where a crash happened, written out by the crash handlers without allocating.
char g_whereWeAre[128] = "";

void tellWhereWeAre() {
    [[maybe_unused]] const ssize_t written =
        ::write(STDERR_FILENO, g_whereWeAre, std::strlen(g_whereWeAre));
}

void tellWhereWeAreAndDie(int signal) {
    tellWhereWeAre();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void noteWhereWeAre(quint32 seed, int event) {
    std::snprintf(g_whereWeAre, sizeof g_whereWeAre, "monkey: died at seed %u, event %d\n", seed,
                  event);
}

QList<QPointer<QWidget>> topLevelWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        windows << window;
    }
    return windows;
}
} // namespace

// The application as main() sets it up, started afresh whenever it would have ended.
class Application {
public:
    Application(QSettings& settings, SingleInstanceGuard& guard)
        : m_settings(settings)
        , m_guard(guard) {
        setProcessEnder([this] { m_ended = true; });
        start();
    }

    ~Application() {
        stop();
        setProcessEnder({});
    }
    Q_DISABLE_COPY_MOVE(Application)

    // Settles pending events; starts afresh when the last event ended the program.
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (m_ended) {
            stop();
            start();
            ++m_restarts;
        }
    }

    int restarts() const { return m_restarts; }
    // The kinds of window that were open at some time.
    QStringList seenKinds() const { return QStringList(m_seenKinds.cbegin(), m_seenKinds.cend()); }

    // The first rule the application breaks now, or nothing.
    QString brokenRule() {
        QMap<QString, int> count;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (kWindowKinds.contains(widget->objectName())) {
                ++count[widget->objectName()];
                m_seenKinds.insert(widget->objectName());
            }
        }
        for (auto kind = count.cbegin(); kind != count.cend(); ++kind) {
            if (kind.value() > 1) {
                return QStringLiteral("%1 windows %2").arg(kind.value()).arg(kind.key());
            }
        }
        m_exitScreenSeen = m_exitScreenSeen || count.value(QStringLiteral("frmNagScreen2")) > 0;
        if (m_exitScreenSeen && count.value(QStringLiteral("frmNagScreen2")) != 1) {
            return QStringLiteral("the exit screen went away");
        }
        if (QString broken = brokenRosterRule(); !broken.isEmpty()) {
            return broken;
        }
        for (const frmBiorhythmChart* chart : chartWindows()) {
            if (!chart->ReportDate().isValid() ||
                !chart->BirthDate().value_or(QDate(1, 1, 1)).isValid()) {
                return QStringLiteral("a chart date is not valid");
            }
        }
        return windowOutsideTheScreen();
    }

private:
    void start() {
        m_ended = false;
        m_exitScreenSeen = false;
        m_roster = std::make_unique<modBiorhythmCompatibility>();
        m_main = RunStartup(m_guard, m_settings, programWindows(m_settings, *m_roster));
    }

    void stop() {
        m_main.reset();
        for (const QPointer<QWidget>& window : topLevelWindows()) {
            delete window.data();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_roster.reset();
    }

    QString brokenRosterRule() const {
        const modBiorhythmCompatibility& roster = *m_roster;
        const int slotCount = modBiorhythmCompatibility::kSlots;
        if (roster.intPersonsRemaining < 0 || roster.intPersonsRemaining > roster.intTotalPersons ||
            roster.intTotalPersons > slotCount || roster.intColorsRecorded < 0 ||
            roster.intColorsRecorded > slotCount) {
            return QStringLiteral("roster counters %1 total, %2 remaining, %3 colours")
                .arg(roster.intTotalPersons)
                .arg(roster.intPersonsRemaining)
                .arg(roster.intColorsRecorded);
        }
        for (int slot = 0; slot < slotCount; ++slot) {
            if (!roster.dtBirthDate.at(slot).isValid() || !roster.dtReportDate.at(slot).isValid()) {
                return QStringLiteral("roster slot %1 holds an invalid date").arg(slot);
            }
        }
        return {};
    }

    static QList<frmBiorhythmChart*> chartWindows() {
        QList<frmBiorhythmChart*> charts;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* chart = qobject_cast<frmBiorhythmChart*>(widget)) {
                charts << chart;
            }
        }
        return charts;
    }

    static QString windowOutsideTheScreen() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            const QScreen* screen = window->screen();
            if (window->isVisible() && screen != nullptr &&
                !screen->geometry().contains(window->frameGeometry().topLeft())) {
                return QStringLiteral("%1 lies outside the screen").arg(describe(window));
            }
        }
        return {};
    }

    QSettings& m_settings;
    SingleInstanceGuard& m_guard;
    std::unique_ptr<modBiorhythmCompatibility> m_roster;
    std::unique_ptr<frmMDI> m_main;
    bool m_ended = false;
    bool m_exitScreenSeen = false;
    int m_restarts = 0;
    QSet<QString> m_seenKinds;
};

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        std::signal(SIGSEGV, tellWhereWeAreAndDie);
        std::signal(SIGABRT, tellWhereWeAreAndDie);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(tellWhereWeAre);
#endif
        setTodayOverride(QDate(2026, 5, 20));
    }

    void cleanupTestCase() {
        setTodayOverride(std::nullopt);
    }

    void holdsTogether_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("events");
        const int events = static_cast<int>(setting("KELVRA_MONKEY_EVENTS", 5000));
        if (qEnvironmentVariableIsSet("KELVRA_MONKEY_SEED")) {
            const quint32 seed = setting("KELVRA_MONKEY_SEED", 0);
            QTest::addRow("seed %u", seed) << seed << events;
            return;
        }
        for (const quint32 seed : {20261209U, 4711U}) {
            QTest::addRow("seed %u", seed) << seed << events;
        }
    }

    void holdsTogether() {
        QFETCH(quint32, seed);
        QFETCH(int, events);
        const bool trace = qEnvironmentVariableIsSet("KELVRA_MONKEY_TRACE");
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
        SingleInstanceGuard guard(dir.filePath(QStringLiteral("app.lock")));
        UrlRecorder urls;
        Monkey monkey(seed);
        Application application(settings, guard);

        for (int event = 0; event < events; ++event) {
            noteWhereWeAre(seed, event);
            const QString action = monkey.act();
            if (trace) {
                std::fprintf(stderr, "%d: %s\n", event, qPrintable(action));
            }
            application.settle();
            if (const QString broken = application.brokenRule(); !broken.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                     .arg(seed)
                                     .arg(event)
                                     .arg(action, broken)));
            }
            urls.clear();
        }
        QStringList seen = application.seenKinds();
        seen.sort();
        // Past Qt Test's cap on messages, which the platform's warnings soon reach.
        std::fprintf(stderr, "monkey: seed %u, %d events, %d fresh starts; windows seen: %s\n",
                     seed, events, application.restarts(),
                     qPrintable(seen.join(QStringLiteral(", "))));
    }
};

KELVRA_TEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
