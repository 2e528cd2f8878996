#pragma once

#include "app/program_host.h"
#include "program_window_factory.h"

#include <QList>
#include <QMdiArea>
#include <QPointer>

#include <array>

class QAction;
class QMenuBar;

namespace kelvra {

class ProgramWindow;

// The part of the main window that holds the program windows, at most one of each kind.
// The active program window's menus take the place of the main window's own in the one
// menu bar, and come back when no program window is left.
class ProgramArea : public QMdiArea {
    Q_OBJECT
public:
    // The bar's present actions are the main window's own menus.
    ProgramArea(ProgramWindowFactory programs, ProgramHost& host, QMenuBar& bar,
                QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ProgramArea)

    // Opens a fresh window of the program, centred on a screen `screenWidth` pixels wide at
    // the top of the area, and gives it the keyboard. False when the program has no maker.
    bool open(Program program, int screenWidth);

    // True when the program has a maker.
    bool canOpen(Program program) const;

    // Closes the chart window, then the compatibility display, then the entry window, each
    // with its own closing steps.
    void closeAll();

    // True while a program window is open.
    bool hasOpenWindow() const { return openFrame(nullptr) != nullptr; }

    // True while the keyboard focus is inside a program window.
    bool hasKeyboard() const;

    // Gives the keyboard back to the program window last active; false when none is open.
    bool focusProgramWindow();

    // The open window of the program, if any.
    ProgramWindow* window(Program program) const;

signals:
    // A program window has closed, after its own closing steps.
    void programClosed();

private:
    void showMenusOf(const QMdiSubWindow* frame);
    // The most recently active program window's frame, passing over one that is closing.
    QMdiSubWindow* openFrame(const ProgramWindow* closing) const;

    ProgramWindowFactory m_programs;
    ProgramHost& m_host;
    QMenuBar& m_bar;
    QList<QAction*> m_ownMenus;
    std::array<QPointer<ProgramWindow>, 3> m_windows;
};

} // namespace kelvra
