#pragma once

#include <functional>

class QWidget;

namespace kelvra {

class ProgramHost;

// Makes the program windows the chooser opens. Each function returns a fresh window that
// shows the chooser again through the host when it closes. An empty function means the
// program cannot be opened yet.
struct ProgramWindowFactory {
    std::function<QWidget*(ProgramHost&)> chart;
    std::function<QWidget*(ProgramHost&)> compatibilityEntry;
    // Whether another running copy holds the single-instance lock; empty means none does.
    std::function<bool()> anotherCopyRuns;
};

} // namespace kelvra
