#pragma once

#include "point_raster.h"

#include "engine/color_value.h"

#include <optional>

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

    // Direct access to the pixels for a batch of points, where the sink keeps an image; a
    // batch ends with endPoints(). A sink without one gets every point through setPoint.
    virtual std::optional<PointRaster> beginPoints() { return std::nullopt; }
    virtual void endPoints() {}
};

} // namespace kelvra
