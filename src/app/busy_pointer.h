#pragma once

#include <QtGlobal>

namespace kelvra {

// Shows the busy pointer for its lifetime, so every path out of a drawing run restores it.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    Q_DISABLE_COPY_MOVE(BusyPointer)
};

} // namespace kelvra
