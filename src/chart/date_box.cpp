#include "date_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace kelvra {

DateBox::DateBox(QWidget* parent)
    : QComboBox(parent) {}

void DateBox::showPopup() {
    // An editable box's text may differ from its current entry; the list follows the text.
    const int shown = findText(currentText(), Qt::MatchFixedString);
    if (shown >= 0 && shown != currentIndex()) {
        setCurrentIndex(shown);
    }
    QComboBox::showPopup();
}

bool DateBox::event(QEvent* event) {
    // An editable box's line edit claims the key itself.
    if (event->type() == QEvent::ShortcutOverride && !isEditable() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QComboBox::event(event);
}

void DateBox::keyPressEvent(QKeyEvent* event) {
    if (!isEditable() && event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(currentText());
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace kelvra
