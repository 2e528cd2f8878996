#include "chart/arc_plotter.h"
#include "chart/chart_renderer.h"
#include "chart/chart_surface.h"
#include "chart/point_sink.h"

#include "app/color_conversion.h"
#include "app/date_conversion.h"
#include "app/twips.h"
#include "engine/cycle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace kelvra;

namespace {
const QDate kBirth(1980, 1, 4);
const QDate kReport(2026, 12, 8);

// The chart window's surface and the labels above it, as the window sets them up.
struct ChartPage {
    ChartPage() {
        window.resize(twipsSize(10395, 7275));
        surface = new ChartSurface(&window);
        surface->setGeometry(twipsRect(30, 780, 6465, 6465));
        surface->setHorizontalExtent(kChartWindowDays);
        renderer = std::make_unique<BiorhythmChartRenderer>(
            *surface,
            ChartScaleLabels{new QLabel(&window), new QLabel(&window), new QLabel(&window)});
        renderer->LayoutChartAxes(kReport);
    }
    void draw() { renderer->DrawBiorhythms(kBirth, kReport); }

    QWidget window;
    ChartSurface* surface = nullptr;
    std::unique_ptr<BiorhythmChartRenderer> renderer;
};

// Where the run's points land inside the image, in drawing order: what a loop that only
// writes pixels has to do.
struct PixelWrite {
    qsizetype offset;
    QRgb color;
};

class PixelRecorder : public PointSink {
public:
    explicit PixelRecorder(QSize size)
        : m_size(size) {}
    double horizontalExtent() const override { return kChartWindowDays; }
    double verticalExtent() const override { return kSurfaceVerticalExtent; }
    void setPoint(float x, float y, ColorValue color) override {
        const double column = std::floor(x * m_size.width() / kChartWindowDays);
        const double row = std::floor(y * m_size.height() / kSurfaceVerticalExtent);
        if (column >= 0 && column < m_size.width() && row >= 0 && row < m_size.height()) {
            writes.push_back(
                {static_cast<qsizetype>(row) * m_size.width() + static_cast<qsizetype>(column),
                 toQColor(color).rgb()});
        }
    }
    std::vector<PixelWrite> writes;

private:
    QSize m_size;
};

std::vector<PixelWrite> pixelsOfTheRun(QSize size) {
    PixelRecorder recorder(size);
    const std::int32_t daysLived = DaysLived(toCalendarDate(kBirth), toCalendarDate(kReport));
    for (const Cycle& cycle : kCycles) {
        PlotCycleArcs(recorder, daysLived, cycle.period, cycle.singleChartColor);
    }
    return recorder.writes;
}

// The raw reference: the same pixels written through a plain pointer, nothing else.
void writeRaw(std::vector<QRgb>& image, const std::vector<PixelWrite>& writes) {
    QRgb* bits = image.data();
    for (const PixelWrite& write : writes) {
        bits[write.offset] = write.color;
    }
}

template <typename Step> double medianMilliseconds(Step step, int rounds, int repeats) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        timer.start();
        for (int repeat = 0; repeat < repeats; ++repeat) {
            step();
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6 / repeats);
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[static_cast<std::size_t>(rounds / 2)];
}
} // namespace

// Times the chart window's drawing run and the arc list it is built on.
class ChartDrawingBench : public QObject {
    Q_OBJECT

private slots:
    void drawingRun() {
        ChartPage page;
        QBENCHMARK {
            page.draw();
        }
    }

    void rawPixelLoop() {
        const QSize size = ChartPage().surface->contentsRect().size();
        const std::vector<PixelWrite> writes = pixelsOfTheRun(size);
        std::vector<QRgb> image(static_cast<std::size_t>(size.width() * size.height()));
        QBENCHMARK {
            writeRaw(image, writes);
        }
        QVERIFY(!writes.empty());
    }

    // The run and the raw loop timed in turns, so the ratio holds on any machine.
    void drawingRunAgainstRawLoop() {
        ChartPage page;
        const QSize size = page.surface->contentsRect().size();
        const std::vector<PixelWrite> writes = pixelsOfTheRun(size);
        std::vector<QRgb> image(static_cast<std::size_t>(size.width() * size.height()));
        double run = 0;
        double raw = 0;
        constexpr int kRounds = 21;
        for (int turn = 0; turn < 3; ++turn) {
            run = medianMilliseconds([&page] { page.draw(); }, kRounds, 50);
            raw = medianMilliseconds([&] { writeRaw(image, writes); }, kRounds, 500);
        }
        qInfo("drawing run %.4f ms, raw pixel loop %.5f ms (%zu pixels): ratio %.1f", run, raw,
              writes.size(), run / raw);
        QVERIFY(raw > 0);
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
