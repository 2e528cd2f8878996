#pragma once

#include "program_window_factory.h"

class QSettings;

namespace kelvra {

struct modBiorhythmCompatibility;

// The real program windows, working on the user's settings store and on the person roster
// of the compatibility program, which must live as long as the factory.
ProgramWindowFactory programWindows(QSettings& settings, modBiorhythmCompatibility& roster);

} // namespace kelvra
