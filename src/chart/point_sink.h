#pragma once

#include "engine/color_value.h"

namespace kelvra {

// What the arc plotter needs of a drawing surface: its extents and single points.
class PointSink {
public:
    virtual ~PointSink() = default;

    // The horizontal extent W in user units (28 on a chart).
    virtual double horizontalExtent() const = 0;

    // The fixed vertical extent H in user units; y = H/2 is the midline.
    virtual double verticalExtent() const = 0;

    // Sets one point at (x, y) in user units; points outside the area are ignored.
    virtual void setPoint(float x, float y, ColorValue color) = 0;
};

} // namespace kelvra
