#include "program_windows.h"

#include "app/program_host.h"
#include "chart/chart_window.h"
#include "compat/entry_window.h"

namespace kelvra {

ProgramWindowFactory programWindows(QSettings& settings, modBiorhythmCompatibility& roster) {
    ProgramWindowFactory factory;
    factory.chart = [&settings](ProgramHost& host) -> QWidget* {
        auto* window = new frmBiorhythmChart(settings);
        QObject::connect(window, &frmBiorhythmChart::closed, window,
                         [&host] { host.setChooserVisible(true); });
        return window;
    };
    // The compatibility windows show the chooser again themselves when they close.
    factory.compatibilityEntry = [&roster](ProgramHost& host) -> QWidget* {
        return new frmBiorhythmCompatibilityMain(roster, host);
    };
    return factory;
}

} // namespace kelvra
