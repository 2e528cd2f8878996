#pragma once

#include "engine/color_value.h"

#include <QColor>

namespace kelvra {

// The contrast of two colours as defined for readable text, from 1:1 to 21:1.
double contrastRatio(const QColor& first, const QColor& second);

// Black or white, whichever reads better on the background.
QColor textColorOn(const QColor& background);

// A curve's name is written in the curve's colour where that reads on the background (at
// least 4.5:1), otherwise in the plain text colour beside a swatch of the curve's colour.
QColor nameColorOn(ColorValue curve, const QColor& background);

} // namespace kelvra
