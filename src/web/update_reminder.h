#pragma once

#include <QDate>
#include <QString>

#include <functional>

class QSettings;

namespace kelvra::modHelp {

// What the update reminder does for a stored "Duration" text on a given day.
enum class ReminderStep {
    StoreToday, // nothing usable stored yet: remember today, ask nothing
    Nothing,    // the last reminder lies within fourteen days either way
    Ask,        // ask about an update, then remember today
};

// The reminder's decision, without any store or question.
ReminderStep reminderStep(const QString& storedText, QDate today);

// The reminder's decision for what the settings store holds now.
ReminderStep reminderStep(const QSettings& settings, QDate today);

// Runs the update reminder on the settings store (section "Settings", value "Duration",
// an ISO date). `ask` puts the question to the user and returns true for Yes, which opens
// the download page. Whatever is written is flushed at once, so it survives a quick exit.
// A store that cannot be written gets no question, as it could not keep its date.
void RunUpdateReminder(QSettings& settings, QDate today, const std::function<bool()>& ask);

} // namespace kelvra::modHelp
