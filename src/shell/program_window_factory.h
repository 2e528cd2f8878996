#pragma once

#include <functional>

namespace kelvra {

class ProgramHost;
class ProgramWindow;

// Makes the program windows the main window opens. Each function returns a fresh window
// that asks the host for what it needs. An empty function means the program cannot be
// opened.
struct ProgramWindowFactory {
    using Make = std::function<ProgramWindow*(ProgramHost&)>;
    Make chart;
    Make compatibilityEntry;
    Make compatibilityDisplay;
    // Whether another running copy holds the single-instance lock; empty means none does.
    std::function<bool()> anotherCopyRuns;
};

} // namespace kelvra
