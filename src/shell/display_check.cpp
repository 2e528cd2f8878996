#include "display_check.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace kelvra {

namespace {
QtMessageHandler previousHandler = nullptr;

void failWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", noDisplayMessage());
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    // The platform's own warnings about the missing display would only repeat the line.
    if (context.category != nullptr &&
        QLatin1String(context.category).startsWith(QLatin1String("qt.qpa"))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    }
}
} // namespace

bool displayConfigured() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            return true;
        }
    }
    return false;
}

void guardDisplayConnection() {
    previousHandler = qInstallMessageHandler(failWithoutDisplay);
}

void endDisplayConnectionGuard() {
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

const char* noDisplayMessage() {
    return "kelvra-biorhythms: no display available; start it from a desktop session "
           "(DISPLAY or WAYLAND_DISPLAY must be set).";
}

} // namespace kelvra
