#include "program_windows.h"

#include "app/program_host.h"
#include "chart/chart_window.h"

namespace kelvra {

ProgramWindowFactory programWindows(QSettings& settings) {
    ProgramWindowFactory factory;
    factory.chart = [&settings](ProgramHost& host) -> QWidget* {
        auto* window = new frmBiorhythmChart(settings);
        QObject::connect(window, &frmBiorhythmChart::closed, window,
                         [&host] { host.setChooserVisible(true); });
        return window;
    };
    // The compatibility entry window is wired here once it exists; until then the
    // "Biorhythm Compatibility" choice only closes the open program windows.
    return factory;
}

} // namespace kelvra
