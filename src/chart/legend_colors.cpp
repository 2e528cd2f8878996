#include "legend_colors.h"

#include "app/color_conversion.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {
double luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}
} // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor textColorOn(const QColor& background) {
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

QColor nameColorOn(ColorValue curve, const QColor& background) {
    constexpr double kReadable = 4.5;
    const QColor color = toQColor(curve);
    return contrastRatio(color, background) >= kReadable ? color : textColorOn(background);
}

} // namespace kelvra
