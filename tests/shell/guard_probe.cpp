// Takes the single-instance lock the way the application does and reports the outcome:
// prints "acquired" and holds the lock until its standard input closes, or "refused".
#include "app/app_identity.h"
#include "shell/single_instance_guard.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    kelvra::SingleInstanceGuard guard(
        kelvra::SingleInstanceGuard::defaultLockPath(kelvra::kApplicationName));
    if (!guard.tryAcquire()) {
        std::puts("refused");
        return 0;
    }
    std::puts("acquired");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
