#pragma once

#include <QDialog>

namespace kelvra {

// The about window: names the application and its version and offers two links to the
// maker's web site. Fixed size, black, centred on the screen; "&OK", Enter, Esc and the
// close box all close it. Nothing is kept between showings.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(frmAbout)

    // Shows a fresh about window modally over `owner` and returns when it is closed.
    static void showModal(QWidget* owner);

private:
    void buildTexts();
    void buildLinks();
    void buildButtonArea();
    void centreOnScreen();

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();
};

} // namespace kelvra
