#pragma once

#include "engine/color_value.h"

#include <QColor>

namespace kelvra {

inline QColor toQColor(ColorValue value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline ColorValue toColorValue(const QColor& color) {
    return rgbColor(static_cast<std::uint8_t>(color.red()),
                    static_cast<std::uint8_t>(color.green()),
                    static_cast<std::uint8_t>(color.blue()));
}

} // namespace kelvra
