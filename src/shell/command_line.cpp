#include "command_line.h"

#include <string_view>

namespace kelvra {

CommandLineRequest commandLineRequest(int argc, const char* const* argv) {
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument(argv[index]);
        if (argument == "--version") {
            return CommandLineRequest::Version;
        }
        if (argument == "--help" || argument == "-h") {
            return CommandLineRequest::Help;
        }
    }
    return CommandLineRequest::Start;
}

std::string commandLineAnswer(CommandLineRequest request) {
    switch (request) {
    case CommandLineRequest::Version:
        return "Kelvra Biorhythms " KELVRA_VERSION "\n";
    case CommandLineRequest::Help:
        return "Usage: kelvra-biorhythms [--help | --version]\n"
               "Draws biorhythm charts and the biorhythm compatibility of a couple.\n"
               "Without an option it opens its main window; Qt's own options, such as\n"
               "-platform or -style, apply as in every Qt program.\n"
               "  --help     print this text and exit\n"
               "  --version  print the name and version and exit\n";
    case CommandLineRequest::Start:
        break;
    }
    return {};
}

} // namespace kelvra
