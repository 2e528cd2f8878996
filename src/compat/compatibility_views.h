#pragma once

#include <QString>

#include <array>
#include <cstddef>

namespace kelvra {

// One member of the compatibility chart's views: which cycle it draws and the texts it
// puts on the display window.
struct CompatibilityView {
    std::size_t cycleIndex = 0; // into kCycles
    QString name;               // what CurrentView holds
    QString heading;            // lblInfo entry 0
    QString explanation;        // lblInfo entry 1
    QString caption;            // lblCompatibilityType
};

// The Physical, Emotional and Intellectual views, in that order.
const std::array<CompatibilityView, 3>& compatibilityViews();

// The view of that name, or nullptr for an unknown or empty name.
const CompatibilityView* findCompatibilityView(const QString& name);

} // namespace kelvra
