#pragma once

#include <cstdint>

namespace kelvra {

// A colour as the system stores it: 0x00BBGGRR, red in the low byte.
using ColorValue = std::uint32_t;

constexpr ColorValue rgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColorValue{red} | (ColorValue{green} << 8) | (ColorValue{blue} << 16);
}

} // namespace kelvra
