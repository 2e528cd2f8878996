#pragma once

#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

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

// Adds the Help menu to `bar`: the help page, the home page, a separator, the download page,
// a separator and the about window, shown modally over `owner`. Returns the menu.
QMenu* addHelpMenu(QMenuBar& bar, QWidget& owner, const HelpMenuNames& names);

} // namespace kelvra
