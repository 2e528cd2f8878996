#include "app/clock.h"
#include "chart/chart_window.h"
#include "compat/person_roster.h"
#include "modal_answerer.h"
#include "shell/close_application.h"
#include "shell/exit_screen.h"
#include "shell/main_window.h"
#include "shell/program_windows.h"
#include "test_main.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

using kelvra::frmBiorhythmChart;

// The chooser with the real program windows.
class TestProgramWindows : public QObject {
    Q_OBJECT
private slots:
    void init() {
        kelvra::setTodayOverride(QDate(2026, 7, 1));
        kelvra::setProcessEnder([] {});
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("store.ini")),
                                                 QSettings::IniFormat);
        m_window = std::make_unique<kelvra::frmMDI>(kelvra::programWindows(*m_settings, m_roster));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_settings.reset();
        kelvra::setTodayOverride(std::nullopt);
    }

    void chartOpensCentredAtTheTopAndAfreshEachTime() {
        clickButton("cmdSelectOption_0");
        QPointer<frmBiorhythmChart> first = openChart();
        QVERIFY(first != nullptr);
        QVERIFY(!chooser()->isVisible());
        QMdiSubWindow* frame = openFrames().front();
        QCOMPARE(frame->y(), 0);
        const int screenWidth = m_window->screen()->geometry().width();
        QVERIFY(std::abs(frame->x() - (screenWidth - frame->width()) / 2) <= 1);
        QVERIFY(frame->width() > first->width());

        clickButton("cmdSelectOption_0");
        QCOMPARE(openFrames().size(), 1);
        QVERIFY(openChart() != first.data());
        QTRY_VERIFY(first.isNull());
        QVERIFY(!chooser()->isVisible());
    }

    void chartsOwnExitShowsTheChooserAndLeavesNoFrame() {
        clickButton("cmdSelectOption_0");
        frmBiorhythmChart* chart = openChart();
        chart->findChild<QAction*>(QStringLiteral("mnuE"))->trigger();
        QVERIFY(chooser()->isVisible());
        QVERIFY(openFrames().isEmpty());
    }

    void firstChartRecordsTheReminderDate() {
        ModalAnswerer answerer;
        clickButton("cmdSelectOption_0");
        QVERIFY(answerer.seen().empty());
        QCOMPARE(m_settings->value(QStringLiteral("Settings/Duration")).toString(),
                 QStringLiteral("2026-07-01"));
    }

    void closingTheMainWindowClosesTheChart() {
        clickButton("cmdSelectOption_0");
        QPointer<frmBiorhythmChart> chart = openChart();
        m_window->close();
        QVERIFY(chart.isNull() || !chart->isVisible());
        QVERIFY(m_window->exitScreen() != nullptr && m_window->exitScreen()->isVisible());
    }

private:
    void clickButton(const char* name) {
        QTest::mouseClick(m_window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }

    QWidget* chooser() const { return m_window->findChild<QWidget*>(QStringLiteral("picMain")); }

    QList<QMdiSubWindow*> openFrames() const {
        QList<QMdiSubWindow*> frames = m_window->findChild<QMdiArea*>()->subWindowList();
        frames.removeIf([](const QMdiSubWindow* frame) { return !frame->isVisible(); });
        return frames;
    }

    frmBiorhythmChart* openChart() const {
        const QList<QMdiSubWindow*> frames = openFrames();
        return frames.size() == 1 ? qobject_cast<frmBiorhythmChart*>(frames.front()->widget())
                                  : nullptr;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    kelvra::modBiorhythmCompatibility m_roster;
    std::unique_ptr<kelvra::frmMDI> m_window;
};

KELVRA_TEST_MAIN(TestProgramWindows)
#include "test_program_windows.moc"
