// The display window's controls and menus, at their places in twips.
#include "display_window.h"

#include "app/about_window.h"
#include "app/accessibility.h"
#include "app/busy_pointer.h"
#include "app/clock.h"
#include "app/color_conversion.h"
#include "app/date_conversion.h"
#include "app/help_menu.h"
#include "app/palette_colors.h"
#include "app/program_host.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "chart/chart_keeper.h"
#include "chart/chart_surface.h"
#include "compatibility_chart.h"
#include "compatibility_views.h"
#include "control_placement.h"
#include "engine/cycle.h"
#include "engine/date_range.h"
#include "person_roster.h"
#include "web/page_openers.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace kelvra {

namespace {

const QColor kDarkRed(64, 0, 0);
const QColor kGold(255, 199, 6);
const QColor kInterpretationBlue(108, 177, 253);

QGroupBox* placePanel(QWidget* parent, const QString& objectName, const QString& title,
                      QRect geometry) {
    auto* panel = new QGroupBox(title, parent);
    panel->setObjectName(objectName);
    panel->setGeometry(geometry);
    panel->setFont(uiFont(8.25, true));
    // The frame line runs through the middle of the caption, so the controls laid out just
    // below the caption stay clear of it.
    panel->setStyleSheet(QStringLiteral(
        "QGroupBox { color: white; border: 1px solid rgb(128, 64, 64); margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    return panel;
}

QLabel* placeColoredLabel(QWidget* parent, const QString& objectName, QRect geometry,
                          const QFont& font, const QColor& color) {
    QLabel* label = placeLabel(parent, objectName, {}, geometry);
    // Labels that fit themselves to their text never shrink below their designed width.
    label->setMinimumWidth(geometry.width());
    label->setFont(font);
    setTextColor(label, color);
    return label;
}

} // namespace

void frmBiorhythmCompatibilityDisplay::buildScale() {
    QWidget* client = clientArea();
    setBackgroundColor(client, kDarkRed);
    client->setFont(uiFont(8.25));
    const QFont scaleFont = uiFont(9.75, true);
    m_lblLeast = placeColoredLabel(client, QStringLiteral("lblLeast"), twipsRect(120, 0, 1290, 240),
                                   scaleFont, kGold);
    m_lblMost = placeColoredLabel(client, QStringLiteral("lblMost"), twipsRect(11190, 0, 435, 240),
                                  scaleFont, kGold);
    m_lblMost->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblCompatibilityType =
        placeColoredLabel(client, QStringLiteral("lblCompatibilityType"),
                          twipsRect(1920, 210, 2190, 210), uiFont(9, true), QColor(255, 192, 128));
    m_lblDate = placeColoredLabel(client, QStringLiteral("lblDate"), twipsRect(0, 465, 825, 240),
                                  scaleFont, kGold);
    m_lblDate->setAlignment(Qt::AlignCenter);

    connect(placeButton(client, QStringLiteral("cmdToday"), QStringLiteral("Today"),
                        twipsRect(5467, 120, 855, 375)),
            &QPushButton::clicked, this, &frmBiorhythmCompatibilityDisplay::cmdToday_Click);
    // The first tab stop has the focus at opening, not the window itself.
    setFirstControl(client->findChild<QPushButton*>(QStringLiteral("cmdToday")));
    connect(placeButton(client, QStringLiteral("cmdPrevDay"), QStringLiteral("<"),
                        twipsRect(120, 300, 615, 375)),
            &QPushButton::clicked, this, &frmBiorhythmCompatibilityDisplay::cmdPrevDay_Click);
    connect(placeButton(client, QStringLiteral("cmdNextDay"), QStringLiteral(">"),
                        twipsRect(11010, 300, 615, 375)),
            &QPushButton::clicked, this, &frmBiorhythmCompatibilityDisplay::cmdNextDay_Click);

    m_picBiorhythm = new ChartSurface(client);
    m_picBiorhythm->setObjectName(QStringLiteral("picBiorhythm"));
    m_picBiorhythm->setGeometry(twipsRect(120, 750, 11505, 3735));
    reportRole(m_picBiorhythm, QAccessible::Chart);
    m_chart = std::make_unique<CompatibilityChart>(
        *m_picBiorhythm, CompatibilityScaleLabels{m_lblLeast, m_lblDate, m_lblMost});
    new ChartKeeper(*m_picBiorhythm, *this);
    // Their captions are arrows; assistive technology hears what they do.
    client->findChild<QPushButton*>(QStringLiteral("cmdPrevDay"))
        ->setAccessibleName(QStringLiteral("Previous day"));
    client->findChild<QPushButton*>(QStringLiteral("cmdNextDay"))
        ->setAccessibleName(QStringLiteral("Next day"));
}

void frmBiorhythmCompatibilityDisplay::buildDetailsPanel() {
    QGroupBox* panel = placePanel(clientArea(), QStringLiteral("Frame2"),
                                  QStringLiteral("Biorhythm Compatibility Details"),
                                  twipsRect(120, 4530, 5475, 2505));
    connect(placeButton(panel, QStringLiteral("cmdPhysical"), QStringLiteral("&Physical"),
                        twipsRect(240, 300, 1215, 375)),
            &QPushButton::clicked, this, &frmBiorhythmCompatibilityDisplay::cmdPhysical_Click);
    connect(placeButton(panel, QStringLiteral("cmdEmotional"), QStringLiteral("&Emotional"),
                        twipsRect(1575, 300, 1215, 375)),
            &QPushButton::clicked, this, &frmBiorhythmCompatibilityDisplay::cmdEmotional_Click);
    connect(placeButton(panel, QStringLiteral("cmdIntellectual"), QStringLiteral("&Intellectual"),
                        twipsRect(2910, 300, 1215, 375)),
            &QPushButton::clicked, this, &frmBiorhythmCompatibilityDisplay::cmdIntellectual_Click);
    connect(placeButton(panel, QStringLiteral("cmdBack"), QStringLiteral("&Back"),
                        twipsRect(4245, 300, 1000, 375)),
            &QPushButton::clicked, this, &frmBiorhythmCompatibilityDisplay::cmdBack_Click);

    for (std::size_t k = 0; k < m_lblName.size(); ++k) {
        const bool leftColumn = k % 2 == 0;
        const int row = static_cast<int>(k / 2) * 240;
        m_picture1[k] = placeLabel(panel, QStringLiteral("Picture1_%1").arg(k), {},
                                   twipsRect(leftColumn ? 240 : 2760, 960 + row, 400, 200));
        m_picture1[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        // A name of any length stays within its column; the tooltip shows it whole.
        m_lblName[k] = placeColoredLabel(
            panel, QStringLiteral("lblName_%1").arg(k),
            twipsRect(leftColumn ? 720 : 3240, 975 + row, leftColumn ? 1980 : 2115, 195),
            uiFont(8.25), kGold);
        m_lblDayLived[k] = placeColoredLabel(
            panel, QStringLiteral("lblDayLived_%1").arg(k),
            twipsRect(240, 1920 + 240 * static_cast<int>(k), 1, 195), uiFont(8.25), kGold);
        for (QLabel* label : {m_picture1[k], m_lblName[k], m_lblDayLived[k]}) {
            label->hide();
        }
        reportWhenOutOfView(m_lblDayLived[k]);
    }

    const std::array<QColor, 3> percentColors{QColor(255, 192, 255), QColor(192, 255, 192),
                                              QColor(192, 255, 255)};
    for (std::size_t k = 0; k < m_lblPercentage.size(); ++k) {
        m_lblPercentage[k] =
            placeColoredLabel(panel, QStringLiteral("lblPercentage_%1").arg(k),
                              twipsRect(240, 1200 + 240 * static_cast<int>(k), 2580, 195),
                              uiFont(8.25, true), percentColors[k]);
    }
}

void frmBiorhythmCompatibilityDisplay::buildInterpretationPanel() {
    QGroupBox* panel = placePanel(clientArea(), QStringLiteral("Frame3"),
                                  QStringLiteral("Biorhythm Compatibility Interpretation"),
                                  twipsRect(5610, 4530, 5985, 2505));
    QLabel* green =
        placeColoredLabel(panel, QStringLiteral("lblGreen"), twipsRect(90, 200, 5235, 195),
                          uiFont(8.25), kInterpretationBlue);
    green->setText(QStringLiteral("Detailed Description of Biorhythm Compatibility Chart"));
    m_lblInfo[0] =
        placeColoredLabel(panel, QStringLiteral("lblInfo_0"), twipsRect(90, 420, 825, 195),
                          uiFont(8.25, true), kInterpretationBlue);
    m_lblInfo[1] =
        placeColoredLabel(panel, QStringLiteral("lblInfo_1"), twipsRect(90, 660, 5835, 1800),
                          uiFont(8.25), kInterpretationBlue);
    m_lblInfo[1]->setWordWrap(true);
    m_lblInfo[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmBiorhythmCompatibilityDisplay::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QMenu* create = file->addMenu(QStringLiteral("Create Biorythm Chart"));
    create->setObjectName(QStringLiteral("mnuCreateChart"));
    using Display = frmBiorhythmCompatibilityDisplay;
    const auto addItem = [this](QMenu* menu, const QString& caption, const QString& name,
                                void (Display::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    addItem(create, QStringLiteral("Physical"), QStringLiteral("mnuPhysical"),
            &Display::cmdPhysical_Click);
    addItem(create, QStringLiteral("Emotional"), QStringLiteral("mnuEmotional"),
            &Display::cmdEmotional_Click);
    addItem(create, QStringLiteral("Intellectual"), QStringLiteral("mnuIntellectual"),
            &Display::cmdIntellectual_Click);
    file->addSeparator();
    addItem(file, QStringLiteral("Back"), QStringLiteral("mnuBack"), &Display::mnuBack_Click);
    file->addSeparator();
    addItem(file, QStringLiteral("Exit"), QStringLiteral("mnuExit"), &Display::mnuExit_Click);

    const HelpMenuItems help = addHelpMenu(
        *menuBar(), {{QStringLiteral("Help"), QStringLiteral("mnuHelp")},
                     {QStringLiteral("Online Help"), QStringLiteral("mnuOnline")},
                     {QStringLiteral("Visit Us Online"), QStringLiteral("mnuVisit")},
                     {},
                     {QStringLiteral("Check For Software Update"), QStringLiteral("mnuUpdate")},
                     {},
                     {QStringLiteral("&About Software"), QStringLiteral("mnuAbout")}});
    connect(help.onlineHelp, &QAction::triggered, this, &Display::mnuOnlineHelp_Click);
    connect(help.visitUsOnline, &QAction::triggered, this, &Display::mnuVisitUsOnline_Click);
    connect(help.checkForUpdate, &QAction::triggered, this, &Display::mnuCheckForUpdate_Click);
    connect(help.about, &QAction::triggered, this, &Display::mnuAbout_Click);
}

} // namespace kelvra
