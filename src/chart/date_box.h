#pragma once

#include <QComboBox>

namespace kelvra {

// A drop-down box of the chart window's date entry. Its list opens at the entry the box
// shows, also when that text was typed or set by a program, so that Enter on the opened list
// keeps the value shown rather than picking an entry the user never chose. Ctrl+C copies the
// box's text, also when it cannot be typed into, rather than reaching a window's shortcut.
class DateBox : public QComboBox {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(DateBox)

    void showPopup() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kelvra
