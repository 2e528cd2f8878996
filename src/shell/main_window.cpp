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
#include <QVBoxLayout>

namespace kelvra {

namespace {
const QColor kStripColour(192, 192, 255);
const QColor kButtonFace(192, 192, 192);

QWidget* makeStrip(const char* name, double heightTwips, const QColor& background) {
    auto* strip = new QWidget;
    strip->setObjectName(QLatin1String(name));
    strip->setFixedHeight(twipsToPixels(heightTwips));
    if (background.isValid()) {
        QPalette palette = strip->palette();
        palette.setColor(QPalette::Window, background);
        strip->setPalette(palette);
        strip->setAutoFillBackground(true);
    }
    return strip;
}

void styleButton(QPushButton* button) {
    button->setFont(uiFont(8.25, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, kButtonFace);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
}

int centredLeft(double screenTwips, int widthPixels) {
    const float left =
        (static_cast<float>(screenTwips) - static_cast<float>(pixelsToTwips(widthPixels))) / 2.0F;
    return twipsToPixels(left);
}

} // namespace

frmMDI::frmMDI(ProgramWindowFactory programs, QWidget* parent)
    : QMainWindow(parent) {
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
    buildPaneKeys();
    MDIForm_Load();
}

frmMDI::~frmMDI() {
    delete m_exitScreen.data();
}

void frmMDI::MDIForm_Load() {
    layOutForScreenWidth(screenWidthTwips());
}

QWidget* frmMDI::buildBannerStrip() {
    // The strip itself is a link too, around its banner.
    auto* strip = new ClickableLabel;
    strip->setObjectName(QStringLiteral("Picture6"));
    strip->setFixedHeight(twipsToPixels(560));
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, kStripColour);
    strip->setPalette(palette);
    strip->setAutoFillBackground(true);
    strip->makeLink();
    connect(strip, &ClickableLabel::clicked, this, &frmMDI::Picture6_Click);

    m_banner = new ClickableLabel(
        QStringLiteral(
            "Visit our free online forum on esoteric subjects and join the discussions!"),
        strip);
    m_banner->setObjectName(QStringLiteral("lblPyrwellBanner"));
    m_banner->setFont(uiFont(9.75, true, true));
    // Black on the lilac strip whatever the desktop's colour scheme.
    QPalette bannerPalette = m_banner->palette();
    bannerPalette.setColor(QPalette::WindowText, Qt::black);
    m_banner->setPalette(bannerPalette);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setGeometry(twipsRect(960, 0, 9480, 465));
    m_banner->makeLink();
    connect(m_banner, &ClickableLabel::clicked, this, &frmMDI::lblPyrwellBanner_Click);
    return strip;
}

QWidget* frmMDI::buildButtonStrip() {
    QWidget* strip = makeStrip("Picture1", 900, QColor());
    auto* container = new QFrame(strip);
    container->setObjectName(QStringLiteral("picButtonContainer"));
    container->setFrameShape(QFrame::Box);
    container->setFrameShadow(QFrame::Sunken);
    container->setGeometry(twipsRect(533, 0, 10815, 800));
    m_buttonContainer = container;

    const std::array<std::pair<const char*, QPixmap>, 2> icons{
        {{"Picture2", chartProgramPixmap()}, {"Picture3", compatibilityProgramPixmap()}}};
    const std::array<double, 2> iconLefts{360, 5520};
    for (std::size_t i = 0; i < icons.size(); ++i) {
        auto* icon = new QLabel(container);
        icon->setObjectName(QLatin1String(icons.at(i).first));
        icon->setGeometry(twipsRect(iconLefts.at(i), 180, 510, 510));
        icon->setAlignment(Qt::AlignCenter);
        icon->setPixmap(icons.at(i).second);
    }
    m_firstStripControl = buildOptionButton(0, 960);
    buildOptionButton(1, 6120);
    return strip;
}

QPushButton* frmMDI::buildOptionButton(int index, double left) {
    const QString text = index == 0 ? QStringLiteral("Biorhythm Chart Software")
                                    : QStringLiteral("Biorhythm Compatibility");
    auto* button = new QPushButton(text, m_buttonContainer);
    button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(index));
    button->setGeometry(twipsRect(left, 180, 4290, 495));
    styleButton(button);
    connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
    return button;
}

QWidget* frmMDI::buildCoBrandStrip() {
    QWidget* strip = makeStrip("PicCoBrand", 735, kStripColour);
    auto* offer = new ClickableLabel(kFullBrandPromotion, strip);
    offer->setObjectName(QStringLiteral("Label7"));
    offer->setFont(uiFont(8.25, true, true));
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    offer->setGeometry(twipsRect(120, 0, 6975, 615));
    offer->makeLink();
    connect(offer, &ClickableLabel::clicked, this, &frmMDI::Label7_Click);

    m_exitButton = new QPushButton(QStringLiteral("&Exit"), strip);
    m_exitButton->setObjectName(QStringLiteral("cmdMdiExit"));
    m_exitButton->setGeometry(twipsRect(0, 120, 1335, 495));
    styleButton(m_exitButton);
    connect(m_exitButton, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
    return strip;
}

void frmMDI::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &frmMDI::mnuExit_Click);
    exit->setObjectName(QStringLiteral("mnuExit"));

    const HelpMenuItems help = addHelpMenu(
        *bar, {{QStringLiteral("&Help"), QStringLiteral("mnuHelp")},
               {QStringLiteral("&Online Help"), QStringLiteral("mnuOnline")},
               {QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit")},
               QStringLiteral("mnuSep1"),
               {QStringLiteral("Check for Software &Update"), QStringLiteral("mnuUpdate")},
               QStringLiteral("mnuSep2"),
               {QStringLiteral("&About Software"), QStringLiteral("mnuAbout")}});
    connect(help.onlineHelp, &QAction::triggered, this, &frmMDI::mnuOnline_Click);
    connect(help.visitUsOnline, &QAction::triggered, this, &frmMDI::mnuVisit_Click);
    connect(help.checkForUpdate, &QAction::triggered, this, &frmMDI::mnuUpdate_Click);
    connect(help.about, &QAction::triggered, this, &frmMDI::mnuAbout_Click);

    // Switched off as designed: shown greyed, never chosen.
    QAction* makeMoney =
        bar->addAction(QStringLiteral("Make Money &Online"), this, &frmMDI::mkmoney_Click);
    makeMoney->setObjectName(QStringLiteral("mkmoney"));
    makeMoney->setEnabled(false);
}

void frmMDI::buildPaneKeys() {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &frmMDI::switchPane);
    }
    // The main window's own access keys stand back while a program window has the keyboard.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const bool inStrips = now != nullptr && centralWidget()->isAncestorOf(now) &&
                              !m_programArea->isAncestorOf(now);
        giveKeysToProgramWindow(m_programArea->hasOpenWindow() && !inStrips);
    });
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
