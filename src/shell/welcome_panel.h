#pragma once

#include <QWidget>

#include <array>

namespace kelvra {

class ClickableLabel;

// The black welcome panel of the main window with its five captions; the last two
// (indices 3 and 4) choose a program and are underlined while the pointer is over them.
class WelcomePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCaptionCount = 5;

    explicit WelcomePanel(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(WelcomePanel)

    // Centres every caption on a screen `screenTwips` wide; nothing is clamped.
    void centreOnScreenWidth(double screenTwips);

    ClickableLabel* caption(int index) const { return m_captions.at(index); }

signals:
    // A caption was clicked, with its index.
    void captionClicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

    std::array<ClickableLabel*, kCaptionCount> m_captions{};
};

} // namespace kelvra
