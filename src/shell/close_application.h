#pragma once

#include <functional>

namespace kelvra {

// The final step of CloseApplication: ends the process.
using ProcessEnder = std::function<void()>;

// Replaces the final step (tests observe it); returns the step it replaces.
ProcessEnder setProcessEnder(ProcessEnder ender);

// Closes every open window once, each with its own close handling, then ends the process
// at once, whether or not the event loop runs. Called again while it closes the windows
// (a window's close handling may do so), it simply ends the process.
void CloseApplication();

} // namespace kelvra
