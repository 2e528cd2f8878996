#include "first_paint.h"

#include <QEvent>
#include <QWidget>

namespace kelvra {

namespace {
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget& window, std::function<void()> step)
        : QObject(&window)
        , m_step(std::move(step)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the frame being painted now is finished and flushed first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_step();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_step;
};
} // namespace

void runAfterFirstPaint(QWidget& window, std::function<void()> step) {
    new FirstPaintWatcher(window, std::move(step));
}

} // namespace kelvra
