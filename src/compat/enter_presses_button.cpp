#include "enter_presses_button.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace kelvra {

namespace {
class EnterKeyFilter : public QObject {
public:
    explicit EnterKeyFilter(QAbstractButton* button)
        : QObject(button)
        , m_button(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_button && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (m_button->isEnabled()) {
                    m_button->click();
                }
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton* m_button = nullptr;
};
} // namespace

void pressOnEnter(QAbstractButton* button) {
    button->installEventFilter(new EnterKeyFilter(button));
}

} // namespace kelvra
