#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace kelvra {

// Gives a text box a placeholder text that stands for an empty field: the box is emptied
// when it gains the focus while it shows the placeholder, and the placeholder comes back
// when it loses the focus empty. Only real moves of the focus count, not a menu or a
// message box taking it for a moment; a box clicked while its window was inactive counts.
class TextBoxPlaceholder : public QObject {
    Q_OBJECT
public:
    using TextGetter = std::function<QString()>;
    using TextSetter = std::function<void(const QString&)>;

    TextBoxPlaceholder(QWidget* box, QString placeholder, TextGetter text, TextSetter setText);
    Q_DISABLE_COPY_MOVE(TextBoxPlaceholder)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gotFocus();
    void lostFocus();

    QWidget* m_box = nullptr;
    QString m_placeholder;
    TextGetter m_text;
    TextSetter m_setText;
    bool m_holdsFocus = false; // also while the window is inactive or a pop-up is open
};

} // namespace kelvra
