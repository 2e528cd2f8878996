#include "close_application.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kelvra {

namespace {
void endProcessNow() {
    std::fflush(nullptr);
    // Nothing may run after this point, not even static destructors behind a live application.
    std::_Exit(EXIT_SUCCESS);
}

struct CloseState {
    ProcessEnder ender = endProcessNow;
    bool closing = false;
    bool endedWhileClosing = false;
};

CloseState& state() {
    static CloseState closeState;
    return closeState;
}

void endProcess() {
    if (state().ender) {
        state().ender();
    } else {
        endProcessNow();
    }
}

bool isApplicationWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop &&
           type != Qt::SplashScreen;
}
} // namespace

ProcessEnder setProcessEnder(ProcessEnder ender) {
    return std::exchange(state().ender, std::move(ender));
}

void CloseApplication() {
    CloseState& closeState = state();
    if (closeState.closing) {
        closeState.endedWhileClosing = true;
        endProcess();
        return;
    }
    closeState.closing = true;
    closeState.endedWhileClosing = false;
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isApplicationWindow(widget)) {
            windows.append(widget);
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        // A window may go away while another one closes.
        if (!window.isNull()) {
            window->close();
        }
    }
    closeState.closing = false;
    if (!closeState.endedWhileClosing) {
        endProcess();
    }
}

} // namespace kelvra
