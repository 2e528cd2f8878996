// The main window's strips, chooser buttons and menus, at their places in twips.
#include "main_window.h"

#include "app/about_window.h"
#include "app/accessibility.h"
#include "app/app_icons.h"
#include "app/app_identity.h"
#include "app/clickable_label.h"
#include "app/help_menu.h"
#include "app/palette_colors.h"
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
        setBackgroundColor(strip, background);
    }
    return strip;
}

void styleButton(QPushButton* button) {
    button->setFont(uiFont(8.25, true));
    setButtonColors(button, kButtonFace, Qt::black);
}

} // namespace

QWidget* frmMDI::buildBannerStrip() {
    // The strip itself is a link too, around its banner.
    auto* strip = new ClickableLabel;
    strip->setObjectName(QStringLiteral("Picture6"));
    strip->setFixedHeight(twipsToPixels(560));
    setBackgroundColor(strip, kStripColour);
    strip->makeLink();
    // A link for assistive technology, but no tab stop: its banner does the same.
    strip->makeKeyboardLink();
    strip->setFocusPolicy(Qt::NoFocus);
    connect(strip, &ClickableLabel::clicked, this, &frmMDI::Picture6_Click);

    m_banner = new ClickableLabel(
        QStringLiteral(
            "Visit our free online forum on esoteric subjects and join the discussions!"),
        strip);
    m_banner->setObjectName(QStringLiteral("lblPyrwellBanner"));
    m_banner->setFont(uiFont(9.75, true, true));
    // Black on the lilac strip whatever the desktop's colour scheme.
    setTextColor(m_banner, Qt::black);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setGeometry(twipsRect(960, 0, 9480, 465));
    m_banner->makeLink();
    m_banner->makeKeyboardLink();
    strip->setAccessibleName(m_banner->text());
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
        markDecorative(icon);
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
    // The default text colour, kept dark on the lilac strip whatever the scheme.
    setTextColor(offer, kFixedDarkText);
    offer->makeLink();
    offer->makeKeyboardLink();
    connect(offer, &ClickableLabel::clicked, this, &frmMDI::Label7_Click);

    m_exitButton = new QPushButton(QStringLiteral("&Exit"), strip);
    m_exitButton->setObjectName(QStringLiteral("cmdMdiExit"));
    m_exitButton->setGeometry(twipsRect(0, 120, 1335, 495));
    styleButton(m_exitButton);
    connect(m_exitButton, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
    return strip;
}

void frmMDI::arrangeTabOrder() {
    // The buttons keep the focus first; the links and the chooser labels follow them.
    QWidget* previous = m_firstStripControl;
    for (const char* name : {"cmdSelectOption_1", "cmdMdiExit", "lblPyrwellBanner", "lblCaption_3",
                             "lblCaption_4", "Label7"}) {
        QWidget* next = findChild<QWidget*>(QLatin1String(name));
        setTabOrder(previous, next);
        previous = next;
    }
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

} // namespace kelvra
