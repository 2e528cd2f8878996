#pragma once

#include <QLabel>

namespace kelvra {

// A label that reports clicks and pointer moves, for links and hover texts.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

    // Gives the label the pointing-hand pointer of every link.
    void makeLink();

signals:
    void clicked();
    void mouseMoved(QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace kelvra
