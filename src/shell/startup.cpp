#include "startup.h"

#include "app/clock.h"
#include "app/message_box.h"
#include "app/update_question.h"
#include "close_application.h"
#include "first_paint.h"
#include "main_window.h"
#include "single_instance_guard.h"
#include "web/update_reminder.h"

#include <QScreen>

namespace kelvra {

std::unique_ptr<frmMDI> RunStartup(SingleInstanceGuard& guard, QSettings& settings,
                                   ProgramWindowFactory programs) {
    // A lock that could not be taken at all never keeps the user out.
    if (guard.acquire() == LockState::HeldByAnotherCopy) {
        showMessage(nullptr, QStringLiteral("Application is already running"),
                    QMessageBox::Information);
        CloseApplication();
        return nullptr;
    }
    // Only a question must come before the window. Without one, the reminder at most writes
    // today's date, which waits for the disk: that follows the window's first frame.
    const bool asks = modHelp::reminderStep(settings, today()) == modHelp::ReminderStep::Ask;
    if (asks) {
        runUpdateReminder(settings, nullptr);
    }
    programs.anotherCopyRuns = [&guard] {
        return guard.anotherCopyRuns();
    };
    auto mainWindow = std::make_unique<frmMDI>(std::move(programs));
    // Without a window manager a maximize request alone would leave the default size.
    if (const QScreen* screen = mainWindow->screen()) {
        mainWindow->setGeometry(screen->availableGeometry());
    }
    mainWindow->showMaximized();
    if (!asks) {
        runAfterFirstPaint(*mainWindow, [&settings] { runUpdateReminder(settings, nullptr); });
    }
    return mainWindow;
}

} // namespace kelvra
