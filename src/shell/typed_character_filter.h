#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace kelvra {

// Hands each character typed into a box to a handler, which may refuse it. Pasted text is
// not typed and is not handed over.
class TypedCharacterFilter : public QObject {
    Q_OBJECT
public:
    // The handler returns true to drop the character.
    using Handler = std::function<bool(const QString& typed)>;

    TypedCharacterFilter(QWidget* box, Handler handler);
    Q_DISABLE_COPY_MOVE(TypedCharacterFilter)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_box = nullptr;
    Handler m_handler;
};

} // namespace kelvra
