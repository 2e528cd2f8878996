#pragma once

#include <QObject>
#include <QPoint>

class QLabel;

namespace kelvra {

class ChartSurface;

// A small pop-up beside the pointer while it is over a drawn chart: the day whose line is
// nearest and every curve's value there in per cent, a curve crossing the midline within
// half a day of that line marked "critical". It lies outside the chart's image, goes when
// the pointer leaves, and shows nothing before the first drawing run.
class ChartReadOut : public QObject {
    Q_OBJECT
public:
    explicit ChartReadOut(ChartSurface& surface);
    Q_DISABLE_COPY_MOVE(ChartReadOut)

    // The pop-up, for inspection; hidden while nothing is read.
    const QLabel& popup() const { return *m_popup; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAt(QPoint position);

    ChartSurface& m_surface;
    QLabel* m_popup = nullptr;
    QPoint m_position;
};

} // namespace kelvra
