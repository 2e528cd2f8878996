#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace kelvra {

// A modal message box with an OK button and the application's title.
void showMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon);

// A modal Yes/No question with the application's title; true when the answer is Yes.
bool askYesNo(QWidget* parent, const QString& text, QMessageBox::Icon icon);

} // namespace kelvra
