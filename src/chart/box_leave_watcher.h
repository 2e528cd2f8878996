#pragma once

#include <QObject>

class QWidget;

namespace kelvra {

// True when the keyboard focus that left `box` went to another control of the same
// top-level window: the user really left the box. False when a press inside a child window
// passes the focus through its frame (which hands it straight back), when a menu bar, a menu
// or a pop-up takes the keyboard, and when another window does (a message box, the about
// window, another application); the box is left for real only by a later move.
bool isRealLeave(const QWidget& box, const QWidget* destination);

// Tells each time the user really leaves a box.
class BoxLeaveWatcher : public QObject {
    Q_OBJECT
public:
    // Watches the box; lives as long as the box.
    explicit BoxLeaveWatcher(QWidget& box);
    Q_DISABLE_COPY_MOVE(BoxLeaveWatcher)

signals:
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_box;
};

} // namespace kelvra
