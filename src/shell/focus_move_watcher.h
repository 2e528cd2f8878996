#pragma once

#include <QObject>

class QWidget;

namespace kelvra {

// Tells when a text box really gains or loses the focus: not when a menu or a message box
// takes it for a moment. A box clicked while its window was inactive gains it on activation,
// and a box the focus left while the window was inactive loses it then.
class FocusMoveWatcher : public QObject {
    Q_OBJECT
public:
    // Watches the box; lives as long as the box.
    explicit FocusMoveWatcher(QWidget* box);
    Q_DISABLE_COPY_MOVE(FocusMoveWatcher)

signals:
    void gotFocus();
    void lostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gain();
    void lose();

    QWidget* m_box = nullptr;
    bool m_holdsFocus = false; // also while the window is inactive or a pop-up is open
};

} // namespace kelvra
