#include "main_window.h"

#include "app/about_window.h"
#include "app/app_icons.h"
#include "app/app_identity.h"
#include "app/clickable_label.h"
#include "app/help_menu.h"
#include "app/promotion_texts.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "close_application.h"
#include "exit_screen.h"
#include "program_area.h"
#include "web/page_openers.h"
#include "welcome_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvra {

namespace {
int centredLeft(double screenTwips, int widthPixels) {
    const float left =
        (static_cast<float>(screenTwips) - static_cast<float>(pixelsToTwips(widthPixels))) / 2.0F;
    return twipsToPixels(left);
}

} // namespace

frmMDI::frmMDI(ProgramWindowFactory programs, QWidget* parent)
    : QMainWindow(parent)
    , m_anotherCopyRuns(std::move(programs.anotherCopyRuns)) {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kVersionCaption);
    setWindowIcon(applicationIcon());
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildBannerStrip());
    layout->addWidget(buildButtonStrip());
    m_picMain = new WelcomePanel;
    m_picMain->setFixedHeight(twipsToPixels(8640));
    connect(m_picMain, &WelcomePanel::captionClicked, this, &frmMDI::lblCaption_Click);
    layout->addWidget(m_picMain);
    m_programArea = new ProgramArea(std::move(programs), *this, *menuBar());
    connect(m_programArea, &ProgramArea::programClosed, this, [this] { setChooserVisible(true); });
    layout->addWidget(m_programArea, 1);
    layout->addWidget(buildCoBrandStrip());
    setCentralWidget(central);
    arrangeTabOrder();
    buildPaneKeys();
    MDIForm_Load();
}

frmMDI::~frmMDI() {
    // The children go after this body, and their closing must not call back into it.
    disconnect(m_keyOwnerWatch);
    disconnect(m_programArea, nullptr, this, nullptr);
    delete m_exitScreen.data();
}

void frmMDI::MDIForm_Load() {
    layOutForScreenWidth(screenWidthTwips());
}

void frmMDI::buildPaneKeys() {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &frmMDI::switchPane);
    }
    // The main window's own access keys stand back while a program window has the keyboard.
    m_keyOwnerWatch = connect(qApp, &QApplication::focusChanged, this, &frmMDI::settleKeyOwner);
    // A window that closes is still shown while it tells of it; look once it has gone.
    connect(m_programArea, &ProgramArea::programClosed, this,
            [this] { QTimer::singleShot(0, this, &frmMDI::settleKeyOwner); });
}

void frmMDI::settleKeyOwner() {
    const QWidget* focus = QApplication::focusWidget();
    const bool inStrips = focus != nullptr && centralWidget()->isAncestorOf(focus) &&
                          !m_programArea->isAncestorOf(focus);
    giveKeysToProgramWindow(m_programArea->hasOpenWindow() && !inStrips);
}

void frmMDI::switchPane() {
    if (m_programArea->hasKeyboard() || !m_programArea->focusProgramWindow()) {
        m_firstStripControl->setFocus(Qt::ShortcutFocusReason);
    }
}

void frmMDI::giveKeysToProgramWindow(bool programHasKeys) {
    m_exitButton->setShortcut(programHasKeys ? QKeySequence()
                                             : QKeySequence::mnemonic(m_exitButton->text()));
}

void frmMDI::layOutForScreenWidth(double screenTwips) {
    m_banner->move(centredLeft(screenTwips, m_banner->width()), m_banner->y());
    m_buttonContainer->move(centredLeft(screenTwips, m_buttonContainer->width()),
                            m_buttonContainer->y());
    m_picMain->centreOnScreenWidth(screenTwips);
    const float exitLeft = static_cast<float>(screenTwips) -
                           (static_cast<float>(pixelsToTwips(m_exitButton->width())) + 120.0F);
    m_exitButton->move(twipsToPixels(exitLeft), m_exitButton->y());
}

double frmMDI::screenWidthTwips() const {
    const QScreen* current = screen();
    return current != nullptr ? pixelsToTwips(current->geometry().width()) : 0.0;
}

void frmMDI::openProgram(Program program) {
    if (m_programArea->open(program, screen() != nullptr ? screen()->geometry().width() : 0)) {
        giveKeysToProgramWindow(true);
    }
}

void frmMDI::setChooserVisible(bool visible) {
    m_picMain->setVisible(visible);
}

void frmMDI::hideExitScreen() {
    ensureExitScreen()->hide();
}

void frmMDI::closeApplication() {
    CloseApplication();
}

bool frmMDI::anotherCopyRuns() {
    return m_anotherCopyRuns && m_anotherCopyRuns();
}

void frmMDI::cmdSelectOption_Click(int index) {
    choose(index == 0 ? std::optional(Program::Chart) : std::optional(Program::CompatibilityEntry));
}

void frmMDI::lblCaption_Click(int index) {
    if (index == 3) {
        choose(Program::Chart);
    } else if (index == 4) {
        choose(Program::CompatibilityEntry);
    } else {
        choose(std::nullopt);
    }
}

void frmMDI::choose(std::optional<Program> program) {
    m_programArea->closeAll();
    // A window that stays open (its box still waits for an answer) is never joined by a second.
    if (m_programArea->hasOpenWindow()) {
        return;
    }
    if (program && m_programArea->canOpen(*program)) {
        setChooserVisible(false);
        openProgram(*program);
    }
}

void frmMDI::lblPyrwellBanner_Click() {
    modHelp::OpenHomePage();
}

void frmMDI::Picture6_Click() {
    modHelp::OpenHomePage();
}

void frmMDI::Label7_Click() {
    modHelp::OpenFullyBrandedPage();
}

void frmMDI::cmdMdiExit_Click() {
    close();
}

void frmMDI::mnuExit_Click() {
    close();
}

void frmMDI::mnuOnline_Click() {
    modHelp::OpenHelpPage();
}

void frmMDI::mnuVisit_Click() {
    modHelp::OpenHomePage();
}

void frmMDI::mnuUpdate_Click() {
    modHelp::OpenDownloadPage();
}

void frmMDI::mnuAbout_Click() {
    frmAbout::showModal(this);
}

void frmMDI::mkmoney_Click() {
    modHelp::OpenFullyBrandedPage();
}

frmNagScreen2* frmMDI::exitScreen() const {
    return m_exitScreen.data();
}

frmNagScreen2* frmMDI::ensureExitScreen() {
    if (m_exitScreen.isNull()) {
        // A window of its own: it must outlive the main window it follows.
        m_exitScreen = new frmNagScreen2;
    }
    return m_exitScreen;
}

void frmMDI::closeEvent(QCloseEvent* event) {
    event->setAccepted(MDIForm_Unload());
}

bool frmMDI::MDIForm_Unload() {
    m_programArea->closeAll();
    if (m_programArea->hasOpenWindow()) {
        return false;
    }
    frmNagScreen2* screen = ensureExitScreen();
    screen->show();
    screen->raise();
    screen->activateWindow();
    return true;
}

} // namespace kelvra
