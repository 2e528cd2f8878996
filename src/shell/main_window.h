#pragma once

#include "app/program_host.h"
#include "program_window_factory.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QPushButton;

namespace kelvra {

class ClickableLabel;
class ProgramArea;
class WelcomePanel;
class frmNagScreen2;

// The main window: docked strips around the area that holds the program windows, the
// welcome panel with the program chooser, menus and links. While a program window is open
// the keyboard and the menu bar are its own; F6 moves the focus between it and the strips.
// Closing the main window closes the program windows and shows the exit screen.
class frmMDI : public QMainWindow, public ProgramHost {
    Q_OBJECT
public:
    explicit frmMDI(ProgramWindowFactory programs, QWidget* parent = nullptr);
    ~frmMDI() override;
    Q_DISABLE_COPY_MOVE(frmMDI)

    void openProgram(Program program) override;
    void setChooserVisible(bool visible) override;
    void hideExitScreen() override;
    void closeApplication() override;
    bool anotherCopyRuns() override;

    // The program chooser: the buttons (0 chart, 1 compatibility) and the captions of the
    // welcome panel (3 chart, 4 compatibility; the others only close program windows).
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);

    // Places the centred controls for a screen `screenTwips` wide, without clamping; the
    // window does this for its own screen when it is made.
    void layOutForScreenWidth(double screenTwips);

    // The area holding the program windows.
    ProgramArea& programArea() const { return *m_programArea; }

    // The exit screen, once it exists.
    frmNagScreen2* exitScreen() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildBannerStrip();
    QWidget* buildButtonStrip();
    QWidget* buildCoBrandStrip();
    void arrangeTabOrder();
    QPushButton* buildOptionButton(int index, double left);
    void buildMenus();
    void buildPaneKeys();

    void MDIForm_Load();
    bool MDIForm_Unload();
    void lblPyrwellBanner_Click();
    void Picture6_Click();
    void Label7_Click();
    void cmdMdiExit_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mkmoney_Click();

    // Closes every program window, then opens the program chosen, if any.
    void choose(std::optional<Program> program);
    void switchPane();
    // The main window's own access keys stand back while a program window has the keyboard.
    void settleKeyOwner();
    void giveKeysToProgramWindow(bool programHasKeys);
    frmNagScreen2* ensureExitScreen();
    double screenWidthTwips() const;

    ProgramArea* m_programArea = nullptr;
    WelcomePanel* m_picMain = nullptr;
    ClickableLabel* m_banner = nullptr;
    QWidget* m_buttonContainer = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPushButton* m_firstStripControl = nullptr;
    QPointer<frmNagScreen2> m_exitScreen;
    QMetaObject::Connection m_keyOwnerWatch;
    std::function<bool()> m_anotherCopyRuns;
};

} // namespace kelvra
