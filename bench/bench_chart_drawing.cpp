#include "chart/chart_renderer.h"
#include "chart/chart_surface.h"

#include "app/twips.h"
#include "engine/cycle.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace kelvra;

// Times the chart window's drawing run and the arc list it is built on.
class ChartDrawingBench : public QObject {
    Q_OBJECT

private slots:
    void drawingRun() {
        QWidget window;
        window.resize(twipsSize(10395, 7275));
        auto* surface = new ChartSurface(&window);
        surface->setGeometry(twipsRect(30, 780, 6465, 6465));
        surface->setHorizontalExtent(kChartWindowDays);
        auto* least = new QLabel(&window);
        auto* date = new QLabel(&window);
        auto* most = new QLabel(&window);
        BiorhythmChartRenderer renderer(*surface, ChartScaleLabels{least, date, most});
        renderer.LayoutChartAxes(QDate(2026, 12, 8));
        QBENCHMARK {
            renderer.DrawBiorhythms(QDate(1980, 1, 4), QDate(2026, 12, 8));
        }
    }

    void enumerateCycleArcs() {
        std::size_t arcs = 0;
        std::int32_t daysLived = 17000;
        QBENCHMARK {
            for (const Cycle& cycle : kCycles) {
                arcs += EnumerateCycleArcs(daysLived, cycle.period, kChartWindowDays).size();
            }
            ++daysLived;
        }
        QVERIFY(arcs > 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ChartDrawingBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_chart_drawing.moc"
