#include "date_box.h"

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

} // namespace kelvra
