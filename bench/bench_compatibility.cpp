#include "compat/compatibility_chart.h"
#include "compat/display_window.h"
#include "compat/person_roster.h"

#include "app/program_host.h"
#include "app/twips.h"
#include "chart/chart_surface.h"
#include "engine/compatibility.h"
#include "engine/cycle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace kelvra;

namespace {
// The display window opens nothing while it is timed; a host that ignores every request.
class IdleHost : public ProgramHost {
public:
    void openProgram(Program) override {}
    void setChooserVisible(bool) override {}
    void hideExitScreen() override {}
    void closeApplication() override {}
};

modBiorhythmCompatibility couple() {
    modBiorhythmCompatibility roster;
    roster.intTotalPersons = 2;
    roster.strPersonName = {"Ann", "Bob", ""};
    roster.dtBirthDate = {QDate(1980, 1, 4), QDate(1982, 7, 9), QDate()};
    roster.dtReportDate = {QDate(2026, 12, 8), QDate(2026, 12, 8), QDate()};
    roster.lngLineColor = {0x0000FF, 0xC00000, 0};
    return roster;
}
} // namespace

// Times what the compatibility display does on every click: a cycle view for the couple,
// a whole day step, and the compatibility values.
class CompatibilityBench : public QObject {
    Q_OBJECT

private slots:
    void cycleView() {
        QWidget window;
        window.resize(twipsSize(11715, 7065));
        auto* surface = new ChartSurface(&window);
        surface->setGeometry(twipsRect(120, 750, 11505, 3735));
        surface->setHorizontalExtent(kChartWindowDays);
        CompatibilityChart chart(*surface,
                                 CompatibilityScaleLabels{new QLabel(&window), new QLabel(&window),
                                                          new QLabel(&window)});
        const modBiorhythmCompatibility roster = couple();
        chart.LayoutCompatibilityGrid(roster.dtReportDate[0]);
        std::size_t cycle = 0;
        QBENCHMARK {
            chart.DrawCycle(roster, cycle);
            cycle = (cycle + 1) % kCycles.size();
        }
    }

    void dayStep() {
        modBiorhythmCompatibility roster = couple();
        IdleHost host;
        frmBiorhythmCompatibilityDisplay display(roster, host);
        auto* next = display.findChild<QPushButton*>(QStringLiteral("cmdNextDay"));
        QBENCHMARK {
            next->click();
        }
    }

    void compatibilityValues() {
        using namespace std::chrono;
        const CalendarDate first{year{1601}, month{1}, day{1}};
        std::int64_t step = 0;
        int sum = 0;
        QBENCHMARK {
            const CalendarDate second{sys_days{first} + days{step++ % 3067670}};
            const CompatibilityValues values = ComputeCompatibilityValues(first, second);
            sum += values[0] + values[1] + values[2];
        }
        QVERIFY(sum != 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CompatibilityBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_compatibility.moc"
