#include "test_main.h"
#include "text_contrast.h"

#include "app/about_window.h"
#include "app/clock.h"
#include "chart/chart_window.h"
#include "compat/compute_compatibility.h"
#include "compat/display_window.h"
#include "compat/entry_window.h"
#include "compat/person_roster.h"
#include "shell/close_application.h"
#include "shell/exit_screen.h"
#include "shell/main_window.h"
#include "shell/program_windows.h"

#include <QLabel>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>

#include <memory>

using namespace kelvra;

namespace {
const QDate kToday(2023, 4, 30);
constexpr double kLeastContrast = 4.5;
} // namespace

// Every text of every window stays readable in the light and in a dark colour scheme.
class TextContrastTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void probeTellsReadableFromUnreadable();
    void everyTextIsReadable_data();
    void everyTextIsReadable();

private:
    QWidget* openWindow(const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<modBiorhythmCompatibility> m_roster;
    std::unique_ptr<frmMDI> m_main;
    std::unique_ptr<QWidget> m_window;
};

void TextContrastTest::init() {
    setTodayOverride(kToday);
    setProcessEnder([] {});
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<QSettings>(m_dir->filePath("store.ini"), QSettings::IniFormat);
    // The chart window's update reminder has nothing to ask.
    m_settings->setValue("Settings/Duration", kToday.toString(Qt::ISODate));
    m_roster = std::make_unique<modBiorhythmCompatibility>();
}

void TextContrastTest::cleanup() {
    m_window.reset();
    m_main.reset();
    m_roster.reset();
    m_settings.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
    setTodayOverride(std::nullopt);
}

void TextContrastTest::probeTellsReadableFromUnreadable() {
    QApplication::setPalette(darkColourScheme());
    QWidget window;
    auto* unreadable = new QLabel(QStringLiteral("Black on a dark face"), &window);
    QPalette black = unreadable->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    unreadable->setPalette(black);
    auto* readable = new QLabel(QStringLiteral("Scheme text on the scheme's face"), &window);
    readable->move(0, 40);
    window.resize(300, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QList<TextContrast> texts = measureTextContrast(window);
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].ratio < 1.5);
    // #e0e0e0 on #202020 is 12.35:1; the edges of the glyphs only ever lower it.
    QVERIFY(texts[1].ratio > 10 && texts[1].ratio <= 12.36);
}

void TextContrastTest::everyTextIsReadable_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("leastTexts");
    const std::array<std::pair<const char*, int>, 6> windows{{{"main window", 10},
                                                              {"chart window", 24},
                                                              {"entry window", 16},
                                                              {"display window", 54},
                                                              {"about window", 6},
                                                              {"exit screen", 13}}};
    for (const bool dark : {false, true}) {
        for (const auto& [window, leastTexts] : windows) {
            QTest::addRow("%s, %s", window, dark ? "dark" : "light")
                << dark << QString::fromLatin1(window) << leastTexts;
        }
    }
}

void TextContrastTest::everyTextIsReadable() {
    QFETCH(bool, dark);
    QFETCH(QString, window);
    QFETCH(int, leastTexts);
    QApplication::setPalette(dark ? darkColourScheme() : QApplication::style()->standardPalette());
    QWidget* scope = openWindow(window);
    QVERIFY(scope != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(scope->window()));

    const QList<TextContrast> texts = measureTextContrast(*scope);
    QVERIFY2(texts.size() >= leastTexts, qPrintable(QString::number(texts.size())));
    QStringList unreadable;
    const TextContrast* lowest = &texts.front();
    for (const TextContrast& text : texts) {
        if (text.ratio < kLeastContrast) {
            unreadable << QStringLiteral("%1 %2:1").arg(text.widget).arg(text.ratio, 0, 'f', 2);
        }
        lowest = text.ratio < lowest->ratio ? &text : lowest;
    }
    qInfo("%d texts, lowest %.2f:1 (%s)", static_cast<int>(texts.size()), lowest->ratio,
          qPrintable(lowest->widget));
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
}

QWidget* TextContrastTest::openWindow(const QString& name) {
    if (name == QLatin1String("about window")) {
        m_window = std::make_unique<frmAbout>();
        m_window->show();
        return m_window.get();
    }
    if (name == QLatin1String("exit screen")) {
        m_window = std::make_unique<frmNagScreen2>(0);
        m_window->show();
        return m_window.get();
    }
    m_main = std::make_unique<frmMDI>(programWindows(*m_settings, *m_roster));
    // Large enough to show the widest program window whole.
    m_main->resize(1280, 1000);
    m_main->show();
    if (name == QLatin1String("chart window")) {
        m_main->cmdSelectOption_Click(0);
        return m_main->findChild<frmBiorhythmChart*>();
    }
    if (name == QLatin1String("entry window")) {
        m_main->cmdSelectOption_Click(1);
        return m_main->findChild<frmBiorhythmCompatibilityMain*>();
    }
    if (name == QLatin1String("display window")) {
        m_roster->intTotalPersons = 2;
        m_roster->strPersonName = {"Ann", "Bob", ""};
        m_roster->dtBirthDate = {QDate(1980, 1, 4), QDate(1985, 6, 1),
                                 modBiorhythmCompatibility::zeroDate()};
        m_roster->dtReportDate = {kToday, kToday, modBiorhythmCompatibility::zeroDate()};
        m_roster->lngLineColor = {rgbColor(255, 0, 0), rgbColor(0, 0, 255), 0};
        ComputeCompatibility(*m_roster);
        // As the entry window hands over to it.
        m_main->setChooserVisible(false);
        m_main->openProgram(Program::CompatibilityDisplay);
        return m_main->findChild<frmBiorhythmCompatibilityDisplay*>();
    }
    return m_main.get();
}

KELVRA_TEST_MAIN(TextContrastTest)
#include "test_text_contrast.moc"
