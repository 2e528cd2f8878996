#pragma once

// A colour that a window fixes comes with its partner: a fixed text colour with a fixed
// background and the other way round, so that no desktop colour scheme can put a scheme's
// colour against a fixed one. Colours the design leaves open follow the scheme.

#include <QColor>

class QWidget;

namespace kelvra {

// The default text colour of the light scheme the windows were designed in, for a text that
// keeps the default colour on a background the window fixes.
inline constexpr QColor kFixedDarkText(0, 0, 0);

// The window face of that light scheme, kept behind a fixed dark text that was designed to
// stand on the window's own face.
inline constexpr QColor kFixedLightFace(239, 239, 239);

// Sets the colour of the widget's text; children that keep the default text colour take it too.
void setTextColor(QWidget* widget, const QColor& color);

// Fills the widget's background with the colour; transparent children show it too.
void setBackgroundColor(QWidget* widget, const QColor& color);

// Fixes both colours of a text and its background at once.
void setTextOnBackground(QWidget* widget, const QColor& text, const QColor& background);

// Fixes a button's face together with the colour of its caption.
void setButtonColors(QWidget* button, const QColor& face, const QColor& text);

} // namespace kelvra
