#include "chart/chart_date_corrections.h"
#include "chart/compose_chart_date.h"
#include "engine/cycle.h"

#include <QObject>
#include <QTest>

// How long the arithmetic behind one chart takes, apart from plotting.
class BenchCycleModel : public QObject {
    Q_OBJECT

private slots:
    void arcsOfOneChart() {
        std::size_t arcCount = 0;
        QBENCHMARK {
            for (const auto& cycle : kelvra::kCycles) {
                arcCount +=
                    kelvra::EnumerateCycleArcs(12345, cycle.period, kelvra::kChartWindowDays)
                        .size();
            }
        }
        QVERIFY(arcCount > 0);
    }

    void correctAndComposeOneDate() {
        bool composed = false;
        QBENCHMARK {
            const QString day = kelvra::correctedBirthDayText(u"29.5");
            const QString year = kelvra::correctedYearText(u"2012");
            composed = kelvra::ComposeChartDate(1, day, year).has_value();
        }
        QVERIFY(composed);
    }
};

QTEST_APPLESS_MAIN(BenchCycleModel)
#include "bench_cycle_model.moc"
