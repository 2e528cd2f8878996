#include "startup.h"

#include "app/message_box.h"
#include "app/update_question.h"
#include "close_application.h"
#include "main_window.h"
#include "single_instance_guard.h"

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
    runUpdateReminder(settings, nullptr);
    programs.anotherCopyRuns = [&guard] {
        return guard.anotherCopyRuns();
    };
    auto mainWindow = std::make_unique<frmMDI>(std::move(programs));
    // Without a window manager a maximize request alone would leave the default size.
    if (const QScreen* screen = mainWindow->screen()) {
        mainWindow->setGeometry(screen->availableGeometry());
    }
    mainWindow->showMaximized();
    return mainWindow;
}

} // namespace kelvra
