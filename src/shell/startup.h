#pragma once

#include "program_window_factory.h"

#include <memory>

class QSettings;

namespace kelvra {

class SingleInstanceGuard;
class frmMDI;

// The application's entry sequence: the single-instance guard, then the update reminder's
// question if it has one, then the main window, shown maximized; a reminder that asks
// nothing runs once the window has painted its first frame. When another copy runs it says so,
// calls CloseApplication and returns no window, and nothing else happens. The guard must
// outlive the main window, whose program windows ask it again.
std::unique_ptr<frmMDI> RunStartup(SingleInstanceGuard& guard, QSettings& settings,
                                   ProgramWindowFactory programs);

} // namespace kelvra
