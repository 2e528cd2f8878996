#pragma once

#include <string>

namespace kelvra {

// What the command line asks for before the program starts: --version or --help.
enum class CommandLineRequest { Start, Version, Help };

// The first --version or --help among the arguments; anything else (Qt's own options
// included) leaves the program to start as usual. Needs no application object.
CommandLineRequest commandLineRequest(int argc, const char* const* argv);

// The text printed for --version ("Kelvra Biorhythms 1.15") or --help, ending in a newline.
std::string commandLineAnswer(CommandLineRequest request);

} // namespace kelvra
