#include "main_window.h"

#include "app/app_icons.h"
#include "app/app_identity.h"
#include "app/clickable_label.h"
#include "app/help_menu.h"
#include "app/promotion_texts.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "close_application.h"
#include "exit_screen.h"
#include "program_frame.h"
#include "web/page_openers.h"
#include "welcome_panel.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kelvra {

namespace {
const QColor kStripColour(192, 192, 255);
const QColor kButtonFace(192, 192, 192);

// Chosen in this order when the chooser closes the program windows.
const std::array<const char*, 3> kProgramWindowNames{
    "frmBiorhythmChart", "frmBiorhythmCompatibilityDisplay", "frmBiorhythmCompatibilityMain"};

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

QList<QMdiSubWindow*> openFrames(const QMdiArea* area) {
    QList<QMdiSubWindow*> frames = area->subWindowList();
    frames.removeIf([](const QMdiSubWindow* frame) { return !frame->isVisible(); });
    return frames;
}
} // namespace

frmMDI::frmMDI(ProgramWindowFactory programs, QWidget* parent)
    : QMainWindow(parent)
    , m_programs(std::move(programs)) {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kVersionCaption);
    setWindowIcon(applicationIcon());

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
    m_mdiArea = new QMdiArea;
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(Qt::black);
    layout->addWidget(m_mdiArea, 1);
    layout->addWidget(buildCoBrandStrip());
    setCentralWidget(central);
    buildMenus();
    layOutForScreenWidth(screenWidthTwips());
}

frmMDI::~frmMDI() {
    delete m_exitScreen.data();
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
    connect(strip, &ClickableLabel::clicked, this, [] { modHelp::OpenHomePage(); });

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
    connect(m_banner, &ClickableLabel::clicked, this, [] { modHelp::OpenHomePage(); });
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
    buildOptionButton(0, 960);
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
    connect(offer, &ClickableLabel::clicked, this, [] { modHelp::OpenFullyBrandedPage(); });

    m_exitButton = new QPushButton(QStringLiteral("&Exit"), strip);
    m_exitButton->setObjectName(QStringLiteral("cmdMdiExit"));
    m_exitButton->setGeometry(twipsRect(0, 120, 1335, 495));
    styleButton(m_exitButton);
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    m_coBrandStrip = strip;
    return strip;
}

void frmMDI::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuExit"));

    addHelpMenu(*bar, *this,
                {{QStringLiteral("&Help"), QStringLiteral("mnuHelp")},
                 {QStringLiteral("&Online Help"), QStringLiteral("mnuOnline")},
                 {QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit")},
                 QStringLiteral("mnuSep1"),
                 {QStringLiteral("Check for Software &Update"), QStringLiteral("mnuUpdate")},
                 QStringLiteral("mnuSep2"),
                 {QStringLiteral("&About Software"), QStringLiteral("mnuAbout")}});

    // Switched off as designed: shown greyed, never chosen.
    QAction* makeMoney = bar->addAction(QStringLiteral("Make Money &Online"), this,
                                        [] { modHelp::OpenFullyBrandedPage(); });
    makeMoney->setObjectName(QStringLiteral("mkmoney"));
    makeMoney->setEnabled(false);
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

void frmMDI::showProgramWindow(QWidget* window) {
    auto* frame = new ProgramFrame(window);
    m_mdiArea->addSubWindow(frame);
    frame->setFixedSize(frame->sizeHint());
    // The left edge is centred on the screen's width, as the main window is maximized.
    frame->move(centredLeft(screenWidthTwips(), frame->width()), 0);
    frame->show();
    window->setFocus();
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
    return m_programs.anotherCopyRuns && m_programs.anotherCopyRuns();
}

void frmMDI::cmdSelectOption_Click(int index) {
    closeProgramWindows();
    openProgram(index == 0 ? m_programs.chart : m_programs.compatibilityEntry);
}

void frmMDI::lblCaption_Click(int index) {
    closeProgramWindows();
    if (index == 3) {
        openProgram(m_programs.chart);
    } else if (index == 4) {
        openProgram(m_programs.compatibilityEntry);
    }
}

void frmMDI::closeProgramWindows() {
    for (const char* name : kProgramWindowNames) {
        for (QMdiSubWindow* frame : openFrames(m_mdiArea)) {
            if (frame->widget() != nullptr &&
                frame->widget()->objectName() == QLatin1String(name)) {
                frame->close();
            }
        }
    }
}

void frmMDI::openProgram(const std::function<QWidget*(ProgramHost&)>& make) {
    if (!make) {
        return;
    }
    setChooserVisible(false);
    if (QWidget* window = make(*this)) {
        showProgramWindow(window);
    }
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
    m_mdiArea->closeAllSubWindows();
    if (!openFrames(m_mdiArea).isEmpty()) {
        event->ignore();
        return;
    }
    frmNagScreen2* screen = ensureExitScreen();
    screen->show();
    screen->raise();
    screen->activateWindow();
    event->accept();
}

} // namespace kelvra
