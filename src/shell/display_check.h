#pragma once

namespace kelvra {

// True when a windowing system can be reached: a platform is named in QT_QPA_PLATFORM or
// a display is set. Asked before the application object exists.
bool displayConfigured();

// Until the application object exists, turns the platform's fatal "no display" failure
// into one clear line on standard error and exit code 1, instead of an abort.
void guardDisplayConnection();

// Ends that guard once the application object exists.
void endDisplayConnectionGuard();

// The line said when no display can be used.
const char* noDisplayMessage();

} // namespace kelvra
