// The update reminder reading a whole settings file: it asks exactly when the stored date is
// more than fourteen days away, and afterwards the file holds a date it can read back.
#include "fuzz_support.h"
#include "web/update_reminder.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

using namespace kelvra::modHelp;

namespace {
const QDate kToday(2026, 3, 15);
const QString kKey = QStringLiteral("Settings/Duration");
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("store.ini"));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    QString stored;
    int questions = 0;
    {
        QSettings settings(path, QSettings::IniFormat);
        stored = settings.value(kKey).toString();
        RunUpdateReminder(settings, kToday, [&questions] {
            ++questions;
            return false;
        });
    }
    const ReminderStep step = reminderStep(stored, kToday);
    FUZZ_CHECK(questions == (step == ReminderStep::Ask ? 1 : 0));

    const QSettings reread(path, QSettings::IniFormat);
    const QString kept = reread.value(kKey).toString();
    if (step == ReminderStep::Nothing) {
        FUZZ_CHECK(kept.trimmed() == stored.trimmed());
        FUZZ_CHECK(std::abs(kToday.daysTo(QDate::fromString(kept.trimmed(), Qt::ISODate))) <= 14);
    } else {
        FUZZ_CHECK(kept == kToday.toString(Qt::ISODate));
    }
    return 0;
}
