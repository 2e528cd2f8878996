#pragma once

#include <QMdiSubWindow>

namespace kelvra {

// The frame of a program window in the main window. It goes when its window closes
// itself, so no empty frame is left behind, and it is deleted once closed.
class ProgramFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Frames `window` (taking it over) with a title bar and a close box, at a fixed size.
    explicit ProgramFrame(QWidget* window);
    ~ProgramFrame() override;
    Q_DISABLE_COPY_MOVE(ProgramFrame)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void leave();

    QWidget* m_window = nullptr;
    QMetaObject::Connection m_windowGone;
    bool m_closing = false;
};

} // namespace kelvra
