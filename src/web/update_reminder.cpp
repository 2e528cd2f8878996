#include "update_reminder.h"

#include "page_openers.h"

#include <QSettings>

namespace kelvra::modHelp {

namespace {
const QString kDurationKey = QStringLiteral("Settings/Duration");
constexpr qint64 kQuietDays = 14;

// True when the store now keeps today's date. A format error still writes the file anew.
bool storeToday(QSettings& settings, QDate today) {
    if (!settings.isWritable()) {
        return false;
    }
    settings.setValue(kDurationKey, today.toString(Qt::ISODate));
    settings.sync();
    return settings.status() != QSettings::AccessError;
}
} // namespace

ReminderStep reminderStep(const QString& storedText, QDate today) {
    const QDate stored = QDate::fromString(storedText.trimmed(), Qt::ISODate);
    // An unreadable value would otherwise silence the reminder for good.
    if (!stored.isValid()) {
        return ReminderStep::StoreToday;
    }
    const qint64 days = today.daysTo(stored);
    return days < -kQuietDays || days > kQuietDays ? ReminderStep::Ask : ReminderStep::Nothing;
}

ReminderStep reminderStep(const QSettings& settings, QDate today) {
    return reminderStep(settings.value(kDurationKey).toString(), today);
}

void RunUpdateReminder(QSettings& settings, QDate today, const std::function<bool()>& ask) {
    switch (reminderStep(settings, today)) {
    case ReminderStep::StoreToday:
        storeToday(settings, today);
        return;
    case ReminderStep::Nothing:
        return;
    case ReminderStep::Ask:
        // A store that cannot keep the date would bring the question back at every start.
        if (storeToday(settings, today) && ask && ask()) {
            OpenDownloadPage();
        }
        return;
    }
}

} // namespace kelvra::modHelp
