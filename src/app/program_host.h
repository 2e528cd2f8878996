#pragma once

namespace kelvra {

// The program windows the main window opens for the asking.
enum class Program { Chart, CompatibilityEntry, CompatibilityDisplay };

// What a program window may ask of the main window, without knowing it.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;

    // Opens a fresh window of the program as a child of the main window, at the top of its
    // client area, centred on the screen width.
    virtual void openProgram(Program program) = 0;

    // Shows or hides the welcome panel with the program chooser.
    virtual void setChooserVisible(bool visible) = 0;

    // Hides the exit screen, creating it hidden if it does not exist yet.
    virtual void hideExitScreen() = 0;

    // Closes every window and ends the process.
    virtual void closeApplication() = 0;

    // True only when another running copy of the program holds the single-instance lock.
    virtual bool anotherCopyRuns() { return false; }
};

} // namespace kelvra
