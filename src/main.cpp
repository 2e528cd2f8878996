#include "app/app_icons.h"
#include "app/app_identity.h"
#include "app/deferred_icon_style.h"
#include "compat/person_roster.h"
#include "shell/close_application.h"
#include "shell/command_line.h"
#include "shell/display_check.h"
#include "shell/main_window.h"
#include "shell/program_windows.h"
#include "shell/single_instance_guard.h"
#include "shell/startup.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Answered before anything else: no display, lock or settings are touched.
    if (const auto request = kelvra::commandLineRequest(argc, argv);
        request != kelvra::CommandLineRequest::Start) {
        std::fputs(kelvra::commandLineAnswer(request).c_str(), stdout);
        return 0;
    }
    if (!kelvra::displayConfigured()) {
        std::fprintf(stderr, "%s\n", kelvra::noDisplayMessage());
        return 1;
    }
    // No display name: the platform would append it to every window caption.
    QApplication::setApplicationName(kelvra::kApplicationName);
    kelvra::SingleInstanceGuard guard(
        kelvra::SingleInstanceGuard::defaultLockPath(kelvra::kApplicationName));
    // The lock file waits for the disk while the display connection is made.
    guard.beginAcquire();
    kelvra::guardDisplayConnection();
    QApplication app(argc, argv);
    kelvra::endDisplayConnectionGuard();
    kelvra::installDeferredIconStyle();
    QApplication::setWindowIcon(kelvra::applicationIcon());
    // Lets the desktop match the windows to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVRA_APP_ID));

    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kelvra::kApplicationName,
                       kelvra::kApplicationName);
    // The process ends without destructors, so the lock is given up on the way out.
    kelvra::setProcessEnder([&guard, endProcess = kelvra::setProcessEnder({})] {
        guard.release();
        endProcess();
    });
    // The couple entered in the compatibility program, kept for the whole run.
    kelvra::modBiorhythmCompatibility roster;
    const std::unique_ptr<kelvra::frmMDI> mainWindow =
        kelvra::RunStartup(guard, settings, kelvra::programWindows(settings, roster));
    if (!mainWindow) {
        return 0;
    }
    // The exit screen outlives the main window; CloseApplication ends the process.
    QApplication::setQuitOnLastWindowClosed(false);
    return QApplication::exec();
}
