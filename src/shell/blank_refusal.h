#pragma once

#include <QObject>

class QWidget;

namespace kelvra {

// Refuses a blank typed into an e-mail box: says so, drops the character and keeps the
// focus in the box. Pasted text is left alone.
class BlankRefusal : public QObject {
    Q_OBJECT
public:
    explicit BlankRefusal(QWidget* box);
    Q_DISABLE_COPY_MOVE(BlankRefusal)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_box = nullptr;
};

} // namespace kelvra
