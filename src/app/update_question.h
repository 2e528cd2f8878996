#pragma once

class QSettings;
class QWidget;

namespace kelvra {

// Asks whether to look for an update (information icon, Yes and No); true for Yes.
bool askUpdateQuestion(QWidget* parent);

// Runs the update reminder for today, asking its question over `parent`.
void runUpdateReminder(QSettings& settings, QWidget* parent);

} // namespace kelvra
