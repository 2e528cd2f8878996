#include "program_windows.h"

#include "chart/chart_window.h"
#include "compat/display_window.h"
#include "compat/entry_window.h"

namespace kelvra {

ProgramWindowFactory programWindows(QSettings& settings, modBiorhythmCompatibility& roster) {
    ProgramWindowFactory factory;
    factory.chart = [&settings](ProgramHost&) {
        return new frmBiorhythmChart(settings);
    };
    factory.compatibilityEntry = [&roster](ProgramHost& host) {
        return new frmBiorhythmCompatibilityMain(roster, host);
    };
    factory.compatibilityDisplay = [&roster](ProgramHost& host) {
        return new frmBiorhythmCompatibilityDisplay(roster, host);
    };
    return factory;
}

} // namespace kelvra
