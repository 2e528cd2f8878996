#pragma once

#include <QAccessible>

class QString;
class QWidget;

namespace kelvra {

// Teaches assistive technology about the application's own controls: clickable labels as
// links or buttons with a press action, decorative pictures left out, and controls out of
// sight reported as off-screen. Safe to call any number of times; the first call counts.
void installAccessibility();

// Serves the widget through the application's own accessibility from now on, whatever
// interface Qt made for it while it was being built.
void adoptAccessibility(QWidget* widget);

// Names the control for assistive technology. A drop-down box keeps the name as its name,
// where Qt's own interface would report its value instead.
void nameForAssistiveTechnology(QWidget* control, const QString& name);

// Tells assistive technology what the control is where Qt's own interface cannot know it,
// such as a chart drawn on a frame.
void reportRole(QWidget* control, QAccessible::Role role);

// Leaves a picture that only decorates out of what assistive technology reads.
void markDecorative(QWidget* picture);

// The control keeps its access key and tab stop, but assistive technology hears that it
// cannot be seen whenever it lies outside its containers or under a sibling.
void reportWhenOutOfView(QWidget* control);

// Tells assistive technology that the control may have come into view or gone out of it.
void announceViewChange(QWidget* control);

// True when the shown control cannot be seen: clipped away by its containers, or covered
// (all but a sliver) by a sibling drawn above it.
bool isOutOfView(const QWidget* control);

} // namespace kelvra
