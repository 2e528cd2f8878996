#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace kelvra {

// The caption and objectName of one entry of a menu.
struct MenuEntryName {
    QString caption;
    QString objectName;
};

// What one window calls the entries of its Help menu; the windows word them differently.
// A separator's objectName may stay empty.
struct HelpMenuNames {
    MenuEntryName menu;
    MenuEntryName onlineHelp;
    MenuEntryName visitUsOnline;
    QString firstSeparator;
    MenuEntryName checkForUpdate;
    QString secondSeparator;
    MenuEntryName about;
};

// The entries of a Help menu, for the window to connect to its own handlers.
struct HelpMenuItems {
    QMenu* menu = nullptr;
    QAction* onlineHelp = nullptr;
    QAction* visitUsOnline = nullptr;
    QAction* checkForUpdate = nullptr;
    QAction* about = nullptr;
};

// Adds a Help menu to `bar`: online help, the home page, a separator, the download page,
// a separator and the about window.
HelpMenuItems addHelpMenu(QMenuBar& bar, const HelpMenuNames& names);

} // namespace kelvra
