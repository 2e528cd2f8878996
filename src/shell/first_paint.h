#pragma once

#include <functional>

class QWidget;

namespace kelvra {

// Runs `step` once, when `window` has painted its first frame and handed it to the window
// system; never if the window goes first.
void runAfterFirstPaint(QWidget& window, std::function<void()> step);

} // namespace kelvra
