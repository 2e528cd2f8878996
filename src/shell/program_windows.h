#pragma once

#include "program_window_factory.h"

class QSettings;

namespace kelvra {

// The real program windows, working on the user's settings store.
ProgramWindowFactory programWindows(QSettings& settings);

} // namespace kelvra
