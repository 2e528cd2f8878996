#pragma once

#include "app/program_host.h"
#include "program_window_factory.h"

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace kelvra {

class ClickableLabel;
class WelcomePanel;
class frmNagScreen2;

// The main window: docked strips around the area that holds the program windows, the
// welcome panel with the program chooser, menus and links. Closing it closes the program
// windows and shows the exit screen.
class frmMDI : public QMainWindow, public ProgramHost {
    Q_OBJECT
public:
    explicit frmMDI(ProgramWindowFactory programs, QWidget* parent = nullptr);
    ~frmMDI() override;
    Q_DISABLE_COPY_MOVE(frmMDI)

    void showProgramWindow(QWidget* window) override;
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

    // The exit screen, once it exists.
    frmNagScreen2* exitScreen() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildBannerStrip();
    QWidget* buildButtonStrip();
    QWidget* buildCoBrandStrip();
    QPushButton* buildOptionButton(int index, double left);
    void buildMenus();

    void closeProgramWindows();
    void openProgram(const std::function<QWidget*(ProgramHost&)>& make);
    frmNagScreen2* ensureExitScreen();
    double screenWidthTwips() const;

    ProgramWindowFactory m_programs;
    QMdiArea* m_mdiArea = nullptr;
    WelcomePanel* m_picMain = nullptr;
    ClickableLabel* m_banner = nullptr;
    QWidget* m_buttonContainer = nullptr;
    QWidget* m_coBrandStrip = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPointer<frmNagScreen2> m_exitScreen;
};

} // namespace kelvra
