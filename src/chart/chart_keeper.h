#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class QMenu;
class QPrinter;
class QWidget;

namespace kelvra {

class ChartSurface;

// Keeps what a chart shows: a context menu on the surface (right click, the Menu key, or
// Shift+F10 with the focus on the chart) with "Copy Chart", "Save Chart As…" and
// "Print Chart…", also on Ctrl+C, Ctrl+S and Ctrl+P while the focus is within `window`. A
// text box that has the focus keeps Ctrl+C for its own text. What is copied, saved or
// printed is the self-describing picture of the chart.
class ChartKeeper : public QObject {
    Q_OBJECT
public:
    ChartKeeper(ChartSurface& surface, QWidget& window);
    Q_DISABLE_COPY_MOVE(ChartKeeper)

    // Puts the picture on the clipboard.
    void copyChart();
    // Asks for a file in Qt's own dialog and saves there.
    void saveChartAs();
    // Saves to the file; a failure is told in a message box, and the chart stays as it is.
    bool saveChart(const QString& fileName);
    // Asks for a printer in the print dialog and prints there.
    void printChart();
    // Prints on the printer scaled to its page; a failure is told in a message box.
    bool printChart(QPrinter& printer);

    // Opens the context menu at a point of the surface.
    void showMenu(QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addAction(const QString& name, const QString& text, QKeySequence::StandardKey key,
                   void (ChartKeeper::*slot)());

    ChartSurface& m_surface;
    QWidget& m_window;
    QMenu* m_menu = nullptr;
    QString m_folder;
};

} // namespace kelvra
