#pragma once

class QAbstractButton;

namespace kelvra {

// Makes Enter and Return press the button while it has the focus, as Space does; a button
// outside a dialog ignores them otherwise.
void pressOnEnter(QAbstractButton* button);

} // namespace kelvra
