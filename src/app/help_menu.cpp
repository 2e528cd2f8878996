#include "help_menu.h"

#include "about_window.h"
#include "web/page_openers.h"

#include <QMenuBar>

#include <functional>

namespace kelvra {

namespace {
void addEntry(QMenu& menu, QWidget& owner, const MenuEntryName& name,
              const std::function<void()>& action) {
    menu.addAction(name.caption, &owner, action)->setObjectName(name.objectName);
}
} // namespace

QMenu* addHelpMenu(QMenuBar& bar, QWidget& owner, const HelpMenuNames& names) {
    QMenu* help = bar.addMenu(names.menu.caption);
    help->setObjectName(names.menu.objectName);
    addEntry(*help, owner, names.onlineHelp, [] { modHelp::OpenHelpPage(); });
    addEntry(*help, owner, names.visitUsOnline, [] { modHelp::OpenHomePage(); });
    help->addSeparator()->setObjectName(names.firstSeparator);
    addEntry(*help, owner, names.checkForUpdate, [] { modHelp::OpenDownloadPage(); });
    help->addSeparator()->setObjectName(names.secondSeparator);
    QWidget* aboutOwner = &owner;
    addEntry(*help, owner, names.about, [aboutOwner] { frmAbout::showModal(aboutOwner); });
    return help;
}

} // namespace kelvra
