#pragma once

#include <QObject>

class QAction;
class QKeyEvent;
class QMenuBar;
class QWidget;

namespace kelvra {

// Gives the access keys (Alt + the underlined letter) of a menu bar inside a child window
// to that menu bar while the keyboard focus is in the window. Without it an enclosing main
// window's menu bar with the same access key ("&File") would take the key, or the two
// would take turns.
class ChildMenuAccessKeys : public QObject {
    Q_OBJECT
public:
    // Watches the keys typed in the window; lives as long as the window.
    ChildMenuAccessKeys(QWidget& window, QMenuBar& menuBar);
    Q_DISABLE_COPY_MOVE(ChildMenuAccessKeys)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* menuFor(const QKeyEvent& key) const;

    QWidget& m_window;
    QMenuBar& m_menuBar;
};

} // namespace kelvra
