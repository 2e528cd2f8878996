#include "child_menu_access_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace kelvra {

ChildMenuAccessKeys::ChildMenuAccessKeys(QWidget& window, QMenuBar& menuBar)
    : QObject(&window)
    , m_window(window)
    , m_menuBar(menuBar) {
    // Key events go to the focus widget, which may be any control of the window.
    qApp->installEventFilter(this);
}

bool ChildMenuAccessKeys::eventFilter(QObject* watched, QEvent* event) {
    const bool shortcutCheck = event->type() == QEvent::ShortcutOverride;
    if (!shortcutCheck && event->type() != QEvent::KeyPress) {
        return false;
    }
    // Only the first delivery, to the focus widget itself; the event then climbs its parents.
    QWidget* focus = QApplication::focusWidget();
    if (watched != focus || !(focus == &m_window || m_window.isAncestorOf(focus))) {
        return false;
    }
    QAction* menu = menuFor(*static_cast<QKeyEvent*>(event));
    if (menu == nullptr) {
        return false;
    }
    // Claiming the key in the shortcut check keeps every shortcut from taking it; the key
    // press that follows opens the menu.
    event->accept();
    if (!shortcutCheck) {
        m_menuBar.setActiveAction(menu);
    }
    return true;
}

QAction* ChildMenuAccessKeys::menuFor(const QKeyEvent& key) const {
    if (key.modifiers() != Qt::AltModifier || !m_menuBar.isVisible()) {
        return nullptr;
    }
    const QKeyCombination pressed(Qt::AltModifier, static_cast<Qt::Key>(key.key()));
    for (QAction* action : m_menuBar.actions()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        if (action->isVisible() && action->isEnabled() && !mnemonic.isEmpty() &&
            mnemonic[0] == pressed) {
            return action;
        }
    }
    return nullptr;
}

} // namespace kelvra
