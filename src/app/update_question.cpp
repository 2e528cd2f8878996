#include "update_question.h"

#include "clock.h"
#include "message_box.h"
#include "web/update_reminder.h"

namespace kelvra {

bool askUpdateQuestion(QWidget* parent) {
    return askYesNo(parent,
                    QStringLiteral("There maybe an update to this software available\r"
                                   "Do you want to check for an update?"),
                    QMessageBox::Information);
}

void runUpdateReminder(QSettings& settings, QWidget* parent) {
    modHelp::RunUpdateReminder(settings, today(), [parent] { return askUpdateQuestion(parent); });
}

} // namespace kelvra
