// The entry window's controls, menus and links, at their places in twips.
#include "entry_window.h"

#include "app/accessibility.h"
#include "app/clickable_label.h"
#include "app/color_conversion.h"
#include "app/help_menu.h"
#include "app/palette_colors.h"
#include "app/promotion_texts.h"
#include "app/short_date.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "back_pictures.h"
#include "control_placement.h"
#include "web/page_openers.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace kelvra {

namespace {

constexpr ColorValue kStartingSwatchColor = rgbColor(255, 199, 6);
const QDate kFirstPickerDate(1601, 1, 1);
const QDate kLastPickerDate(9999, 12, 31);

QDateEdit* placeDatePicker(QWidget* parent, const QString& objectName, QRect geometry) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(objectName);
    picker->setGeometry(geometry);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(shortDateFormat());
    picker->setDateRange(kFirstPickerDate, kLastPickerDate);
    return picker;
}

ClickableLabel* placePromotion(QWidget* frame, const QString& objectName, const QString& text,
                               QRect geometry) {
    auto* label = new ClickableLabel(text, frame);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    setTextOnBackground(label, QColor(64, 0, 0), QColor(255, 128, 0));
    label->makeLink();
    label->makeKeyboardLink();
    reportWhenOutOfView(label);
    return label;
}

} // namespace

void frmBiorhythmCompatibilityMain::buildBanner() {
    // White text needs a dark ground to be read on the window's light face.
    auto* backdrop = new QWidget(clientArea());
    backdrop->setObjectName(QStringLiteral("bannerBackdrop"));
    backdrop->setGeometry(twipsRect(1110, 0, 4950, 435));
    setBackgroundColor(backdrop, QColor(64, 0, 0));

    auto* banner = new ClickableLabel(
        QStringLiteral("Meet other biorhythm fans in the Kelvra Biorhythms discussion forum"),
        clientArea());
    banner->setObjectName(QStringLiteral("Label14"));
    banner->setGeometry(twipsRect(1110, 0, 4950, 435));
    banner->setAlignment(Qt::AlignCenter);
    banner->setWordWrap(true);
    setTextColor(banner, Qt::white);
    banner->makeLink();

    auto* intro = placeLabel(clientArea(), QStringLiteral("Label6"),
                             QStringLiteral("Enter your personal details here. You can also choose "
                                            "to save your personal details by clicking on Save "
                                            "Information."),
                             twipsRect(240, 600, 6735, 375));
    intro->setWordWrap(true);
}

void frmBiorhythmCompatibilityMain::buildStatusLabels() {
    m_lblDisp1 =
        placeAutoSizedLabel(clientArea(), QStringLiteral("lblDisp1"), {}, twipsPoint(240, 1290));
    m_lblDisp3 =
        placeAutoSizedLabel(clientArea(), QStringLiteral("lblDisp3"), {}, twipsPoint(240, 1575));
    m_lblDisp2 =
        placeAutoSizedLabel(clientArea(), QStringLiteral("lblDisp2"), {}, twipsPoint(240, 1845));
    for (QLabel* label : {m_lblDisp1, m_lblDisp2, m_lblDisp3}) {
        label->setFont(uiFont(8.25, true));
    }
}

void frmBiorhythmCompatibilityMain::buildPersonFields() {
    QWidget* client = clientArea();
    QLabel* nameLabel = placeAutoSizedLabel(client, QStringLiteral("lblVisitorName"),
                                            QStringLiteral("Person's Name"), twipsPoint(240, 2280));
    m_txtVisitorName = new QLineEdit(client);
    m_txtVisitorName->setObjectName(QStringLiteral("txtVisitorName"));
    m_txtVisitorName->setGeometry(twipsRect(1860, 2235, 4815, 285));
    // A name is kept as typed, however long: no silent cut at the box's usual limit.
    m_txtVisitorName->setMaxLength(std::numeric_limits<int>::max());
    nameLabel->setBuddy(m_txtVisitorName);

    QLabel* birthLabel = placeAutoSizedLabel(
        client, QStringLiteral("lblDoB"), QStringLiteral("Date of Birth"), twipsPoint(240, 2715));
    m_dtpDob = placeDatePicker(client, QStringLiteral("dtpDob"), twipsRect(1860, 2625, 1455, 375));
    birthLabel->setBuddy(m_dtpDob);
    m_dtpDob->setDate(QDate(2006, 12, 26));

    QLabel* colorLabel =
        placeAutoSizedLabel(client, QStringLiteral("lblChooseColor"),
                            QStringLiteral("Choose Color"), twipsPoint(4200, 2715));
    m_picture1 = new ClickableLabel({}, client);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twipsRect(5700, 2685, 975, 285));
    m_picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture1->setToolTip(QStringLiteral("Click to choose the line colour"));
    connect(m_picture1, &ClickableLabel::clicked, this,
            &frmBiorhythmCompatibilityMain::Picture1_Click);
    m_picture1->makeKeyboardLink(QAccessible::Button);
    colorLabel->setBuddy(m_picture1);
    setSwatchColor(kStartingSwatchColor);

    placeAutoSizedLabel(client, QStringLiteral("lblSex"), QStringLiteral("Sex"),
                        twipsPoint(240, 3150));
    m_optMale = new QRadioButton(QStringLiteral("Male"), client);
    m_optMale->setObjectName(QStringLiteral("optMale"));
    m_optMale->setGeometry(twipsRect(1860, 3120, 735, 255));
    m_optFemale = new QRadioButton(QStringLiteral("Female"), client);
    m_optFemale->setObjectName(QStringLiteral("optFemale"));
    m_optFemale->setGeometry(twipsRect(2880, 3120, 975, 255));

    QLabel* reportLabel = placeAutoSizedLabel(client, QStringLiteral("lblReportDate"),
                                              QStringLiteral("Report Date"), twipsPoint(240, 3570));
    m_dtpReportDate =
        placeDatePicker(client, QStringLiteral("dtpReportDate"), twipsRect(1860, 3480, 1455, 375));
    reportLabel->setBuddy(m_dtpReportDate);
}

void frmBiorhythmCompatibilityMain::buildButtons() {
    const QRect place = twipsRect(1800, 3960, 5150, 495);
    m_cmdSave =
        placeButton(clientArea(), QStringLiteral("cmdSave"), QStringLiteral("&View Result"), place);
    m_cmdSave->setEnabled(false);
    m_cmdSubmit =
        placeButton(clientArea(), QStringLiteral("cmdSubmit"), QStringLiteral("&Next"), place);
    m_cmdSubmit->raise();
    setFirstControl(m_cmdSubmit);
    connect(m_cmdSubmit, &QPushButton::clicked, this,
            &frmBiorhythmCompatibilityMain::cmdSubmit_Click);
    connect(m_cmdSave, &QPushButton::clicked, this, &frmBiorhythmCompatibilityMain::cmdSave_Click);

    setTabOrder(m_cmdSubmit, m_txtVisitorName);
    setTabOrder(m_txtVisitorName, m_dtpDob);
    setTabOrder(m_dtpDob, m_optMale);
    setTabOrder(m_optMale, m_optFemale);
    setTabOrder(m_optFemale, m_dtpReportDate);
    setTabOrder(m_dtpReportDate, m_cmdSave);
    // "&Next" keeps its tab stop when "&View Result" covers it.
    reportWhenOutOfView(m_cmdSubmit);
    reportWhenOutOfView(m_cmdSave);
}

void frmBiorhythmCompatibilityMain::buildPromotions() {
    auto* frame = new QGroupBox(clientArea());
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    frame->setGeometry(twipsRect(-45, 4560, 7185, 855));

    auto* coBrand = placePromotion(frame, QStringLiteral("lblCobrand"), kCoBrandPromotion,
                                   twipsRect(120, 160, 6945, 615));
    auto* fullBrand = placePromotion(frame, QStringLiteral("lblFullBrand"), kFullBrandPromotion,
                                     twipsRect(120, 165, 6945, 615));
    connect(coBrand, &ClickableLabel::clicked, this,
            &frmBiorhythmCompatibilityMain::lblCobrand_Click);
    connect(fullBrand, &ClickableLabel::clicked, this,
            &frmBiorhythmCompatibilityMain::lblFullBrand_Click);
    // The covered offer is no tab stop; the swatch and the visible offer follow the buttons.
    coBrand->setFocusPolicy(Qt::NoFocus);
    setTabOrder(m_cmdSave, m_picture1);
    setTabOrder(m_picture1, fullBrand);
}

void frmBiorhythmCompatibilityMain::buildBackControls() {
    // Both lie below the client area's bottom edge: out of sight, but Alt+A still answers.
    auto* cmdBackToBio = placeButton(clientArea(), QStringLiteral("cmdBackToBio"),
                                     QStringLiteral("B&ack"), twipsRect(4440, 6360, 1935, 495));
    cmdBackToBio->setFocusPolicy(Qt::NoFocus);
    reportWhenOutOfView(cmdBackToBio);
    connect(cmdBackToBio, &QPushButton::clicked, this,
            &frmBiorhythmCompatibilityMain::cmdBackToBio_Click);

    m_picBackToBio = new ClickableLabel({}, clientArea());
    m_picBackToBio->setObjectName(QStringLiteral("picBackToBio"));
    m_picBackToBio->setGeometry(twipsRect(7080, 6960, 1065, 525));
    m_picBackToBio->setPixmap(backPicture(m_picBackToBio->size(), false));
    connect(m_picBackToBio, &ClickableLabel::clicked, this,
            &frmBiorhythmCompatibilityMain::picBackToBio_Click);
    connect(m_picBackToBio, &ClickableLabel::mouseMoved, this,
            &frmBiorhythmCompatibilityMain::picBackToBio_MouseMove);
    // Out of sight like the button, so no tab stop; Alt+A serves the keyboard.
    m_picBackToBio->makeKeyboardLink(QAccessible::Button);
    m_picBackToBio->setFocusPolicy(Qt::NoFocus);
    m_picBackToBio->setAccessibleName(QStringLiteral("Back"));
}

void frmBiorhythmCompatibilityMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmBiorhythmCompatibilityMain::mnuExit_Click);

    const HelpMenuItems help = addHelpMenu(
        *menuBar(), {{QStringLiteral("&Help"), QStringLiteral("mnuHelp")},
                     {QStringLiteral("&Online Help"), QStringLiteral("mnuOnline")},
                     {QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit")},
                     {},
                     {QStringLiteral("Check for Software &Update"), QStringLiteral("mnuUpdate")},
                     {},
                     {QStringLiteral("&About Software"), QStringLiteral("mnuAbout")}});
    connect(help.onlineHelp, &QAction::triggered, this,
            &frmBiorhythmCompatibilityMain::mnuOnline_Click);
    connect(help.visitUsOnline, &QAction::triggered, this,
            &frmBiorhythmCompatibilityMain::mnuVisit_Click);
    connect(help.checkForUpdate, &QAction::triggered, this,
            &frmBiorhythmCompatibilityMain::mnuUpdate_Click);
    connect(help.about, &QAction::triggered, this, &frmBiorhythmCompatibilityMain::mnuAbout_Click);
}

} // namespace kelvra
