#pragma once

#include <QComboBox>

namespace kelvra {

// A drop-down box of the chart window's date entry. Its list opens at the entry the box
// shows, also when that text was typed or set by a program, so that Enter on the opened list
// keeps the value shown rather than picking an entry the user never chose.
class DateBox : public QComboBox {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(DateBox)

    void showPopup() override;
};

} // namespace kelvra
