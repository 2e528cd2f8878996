#include "message_box.h"

#include "app_identity.h"

namespace kelvra {

namespace {
QMessageBox::StandardButton runBox(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                                   QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, kApplicationTitle, text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    // The old texts break lines with a lone carriage return; show it as a line break.
    box.setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void showMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    runBox(parent, text, icon, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    return runBox(parent, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace kelvra
