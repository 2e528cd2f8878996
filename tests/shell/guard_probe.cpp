// Takes the single-instance lock the way the application does and reports the outcome:
// "refused" when another copy holds it; else "acquired" (or "unguarded" when no lock could
// be taken), then it keeps running until its standard input closes.
#include "app/app_identity.h"
#include "shell/single_instance_guard.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    // In the application's order: the lock is begun before the application object exists.
    QCoreApplication::setApplicationName(kelvra::kApplicationName);
    kelvra::SingleInstanceGuard guard(
        kelvra::SingleInstanceGuard::defaultLockPath(kelvra::kApplicationName));
    guard.beginAcquire();
    QCoreApplication app(argc, argv);
    switch (guard.acquire()) {
    case kelvra::LockState::HeldByAnotherCopy:
        std::puts("refused");
        return 0;
    case kelvra::LockState::Acquired:
        std::puts("acquired");
        break;
    case kelvra::LockState::Unavailable:
        std::puts("unguarded");
        break;
    }
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
