#include "program_frame.h"

#include "app/app_icons.h"

#include <QCloseEvent>

namespace kelvra {

ProgramFrame::ProgramFrame(QWidget* window)
    : m_window(window) {
    setObjectName(window->objectName() + QStringLiteral("Frame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWidget(window);
    setWindowIcon(window->windowIcon().isNull() ? applicationIcon() : window->windowIcon());
    window->installEventFilter(this);
    m_windowGone = connect(window, &QObject::destroyed, this, [this] {
        m_window = nullptr;
        leave();
    });
}

ProgramFrame::~ProgramFrame() {
    // The window goes with the frame; by then this frame can no longer hear of it.
    disconnect(m_windowGone);
}

bool ProgramFrame::eventFilter(QObject* watched, QEvent* event) {
    // The window closed itself ("Exit" in its menu): its close handling has run already.
    if (watched == m_window && event->type() == QEvent::Hide && !m_closing && isVisible() &&
        !m_window->isVisibleTo(this)) {
        leave();
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void ProgramFrame::closeEvent(QCloseEvent* event) {
    m_closing = true;
    QMdiSubWindow::closeEvent(event);
    m_closing = event->isAccepted();
}

void ProgramFrame::leave() {
    if (m_closing) {
        return;
    }
    m_closing = true;
    hide();
    deleteLater();
}

} // namespace kelvra
