#pragma once

#include <QAccessible>
#include <QLabel>

namespace kelvra {

// A label that reports clicks and pointer moves, for links and hover texts.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

    // Gives the label the pointing-hand pointer of every link.
    void makeLink();

    // Lets the keyboard and assistive technology use the label as a link or button: Tab
    // reaches it, a focus frame shows it, Enter and Space press it, and it offers a press
    // action. Clicks with the mouse are unchanged.
    void makeKeyboardLink(QAccessible::Role role = QAccessible::Link);

    // Lets Tab reach the label without giving it an action: focused() tells who explains it.
    void makeFocusable();

    // What assistive technology is told the label is.
    QAccessible::Role accessibleRole() const { return m_role; }

    // True when Enter, Space and the press action act as a click.
    bool isPressable() const { return m_pressable; }

    // Acts as a click on the label does.
    void press();

signals:
    void clicked();
    void mouseMoved(QPoint position);
    // The keyboard focus has come to the label.
    void focused();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    bool m_pressable = false;
    QAccessible::Role m_role = QAccessible::StaticText;
};

} // namespace kelvra
