#include "help_menu.h"

#include <QMenuBar>

namespace kelvra {

namespace {
QAction* addEntry(QMenu& menu, const MenuEntryName& name) {
    QAction* action = menu.addAction(name.caption);
    action->setObjectName(name.objectName);
    return action;
}
} // namespace

HelpMenuItems addHelpMenu(QMenuBar& bar, const HelpMenuNames& names) {
    HelpMenuItems items;
    items.menu = bar.addMenu(names.menu.caption);
    items.menu->setObjectName(names.menu.objectName);
    items.onlineHelp = addEntry(*items.menu, names.onlineHelp);
    items.visitUsOnline = addEntry(*items.menu, names.visitUsOnline);
    items.menu->addSeparator()->setObjectName(names.firstSeparator);
    items.checkForUpdate = addEntry(*items.menu, names.checkForUpdate);
    items.menu->addSeparator()->setObjectName(names.secondSeparator);
    items.about = addEntry(*items.menu, names.about);
    return items;
}

} // namespace kelvra
