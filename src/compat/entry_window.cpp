#include "entry_window.h"

#include "app/clickable_label.h"
#include "app/clock.h"
#include "app/color_conversion.h"
#include "app/help_menu.h"
#include "app/message_box.h"
#include "app/program_host.h"
#include "app/promotion_texts.h"
#include "app/short_date.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "back_pictures.h"
#include "compute_compatibility.h"
#include "control_placement.h"
#include "display_window.h"
#include "enter_presses_button.h"
#include "person_roster.h"
#include "web/page_openers.h"

#include <QColorDialog>
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

const QString kCaption = QStringLiteral("Kelvra Biorhythm Compatibility");
constexpr ColorValue kStartingSwatchColor = rgbColor(255, 199, 6);
const QDate kFirstPickerDate(1601, 1, 1);
const QDate kLastPickerDate(9999, 12, 31);

QString sequenceText() {
    return QStringLiteral("You have chosen to enter details for a ") + QStringLiteral(" COUPLE");
}

QString enteredText(int entered) {
    return QStringLiteral("You have already entered the details for %1 Person(s)").arg(entered);
}

QString remainingText(int remaining) {
    return QStringLiteral("You are yet to enter the details for %1 Person(s)").arg(remaining);
}

QDateEdit* placeDatePicker(QWidget* parent, const QString& objectName, QRect geometry) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(objectName);
    picker->setGeometry(geometry);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(shortDateFormat());
    picker->setDateRange(kFirstPickerDate, kLastPickerDate);
    return picker;
}

QPushButton* placeButton(QWidget* parent, const QString& objectName, const QString& text,
                         QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setFont(uiFont(8.25, true));
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
}

ClickableLabel* placePromotion(QWidget* frame, const QString& objectName, const QString& text,
                               QRect geometry) {
    auto* label = new ClickableLabel(text, frame);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    setBackgroundColor(label, QColor(255, 128, 0));
    setTextColor(label, QColor(64, 0, 0));
    label->makeLink();
    return label;
}

} // namespace

frmBiorhythmCompatibilityMain::frmBiorhythmCompatibilityMain(modBiorhythmCompatibility& roster,
                                                             ProgramHost& host, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmBiorhythmCompatibilityMain"), kCaption,
                    twipsSize(7095, 5430), parent)
    , m_roster(roster)
    , m_host(host) {
    clientArea()->setFont(uiFont(8.25));
    buildBanner();
    buildStatusLabels();
    buildPersonFields();
    buildButtons();
    buildPromotions();
    buildBackControls();
    buildMenus();
    Form_Load();
}

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
    placeAutoSizedLabel(client, QStringLiteral("lblVisitorName"), QStringLiteral("Person's Name"),
                        twipsPoint(240, 2280));
    m_txtVisitorName = new QLineEdit(client);
    m_txtVisitorName->setObjectName(QStringLiteral("txtVisitorName"));
    m_txtVisitorName->setGeometry(twipsRect(1860, 2235, 4815, 285));
    // A name is kept as typed, however long: no silent cut at the box's usual limit.
    m_txtVisitorName->setMaxLength(std::numeric_limits<int>::max());

    placeAutoSizedLabel(client, QStringLiteral("lblDoB"), QStringLiteral("Date of Birth"),
                        twipsPoint(240, 2715));
    m_dtpDob = placeDatePicker(client, QStringLiteral("dtpDob"), twipsRect(1860, 2625, 1455, 375));
    m_dtpDob->setDate(QDate(2006, 12, 26));

    placeAutoSizedLabel(client, QStringLiteral("lblChooseColor"), QStringLiteral("Choose Color"),
                        twipsPoint(4200, 2715));
    m_picture1 = new ClickableLabel({}, client);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twipsRect(5700, 2685, 975, 285));
    m_picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture1->setToolTip(QStringLiteral("Click to choose the line colour"));
    connect(m_picture1, &ClickableLabel::clicked, this,
            &frmBiorhythmCompatibilityMain::Picture1_Click);
    setSwatchColor(kStartingSwatchColor);

    placeAutoSizedLabel(client, QStringLiteral("lblSex"), QStringLiteral("Sex"),
                        twipsPoint(240, 3150));
    m_optMale = new QRadioButton(QStringLiteral("Male"), client);
    m_optMale->setObjectName(QStringLiteral("optMale"));
    m_optMale->setGeometry(twipsRect(1860, 3120, 735, 255));
    m_optFemale = new QRadioButton(QStringLiteral("Female"), client);
    m_optFemale->setObjectName(QStringLiteral("optFemale"));
    m_optFemale->setGeometry(twipsRect(2880, 3120, 975, 255));

    placeAutoSizedLabel(client, QStringLiteral("lblReportDate"), QStringLiteral("Report Date"),
                        twipsPoint(240, 3570));
    m_dtpReportDate =
        placeDatePicker(client, QStringLiteral("dtpReportDate"), twipsRect(1860, 3480, 1455, 375));
}

void frmBiorhythmCompatibilityMain::buildButtons() {
    const QRect place = twipsRect(1800, 3960, 5150, 495);
    m_cmdSave =
        placeButton(clientArea(), QStringLiteral("cmdSave"), QStringLiteral("&View Result"), place);
    m_cmdSave->setEnabled(false);
    m_cmdSubmit =
        placeButton(clientArea(), QStringLiteral("cmdSubmit"), QStringLiteral("&Next"), place);
    m_cmdSubmit->raise();
    // Whoever focuses the window (the main window does on opening) focuses "&Next".
    setFocusProxy(m_cmdSubmit);
    connect(m_cmdSubmit, &QPushButton::clicked, this,
            &frmBiorhythmCompatibilityMain::cmdSubmit_Click);
    connect(m_cmdSave, &QPushButton::clicked, this, &frmBiorhythmCompatibilityMain::cmdSave_Click);

    setTabOrder(m_cmdSubmit, m_txtVisitorName);
    setTabOrder(m_txtVisitorName, m_dtpDob);
    setTabOrder(m_dtpDob, m_optMale);
    setTabOrder(m_optMale, m_optFemale);
    setTabOrder(m_optFemale, m_dtpReportDate);
    setTabOrder(m_dtpReportDate, m_cmdSave);
}

void frmBiorhythmCompatibilityMain::buildPromotions() {
    auto* frame = new QGroupBox(clientArea());
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    frame->setGeometry(twipsRect(-45, 4560, 7185, 855));

    auto* coBrand = placePromotion(frame, QStringLiteral("lblCobrand"), kCoBrandPromotion,
                                   twipsRect(120, 160, 6945, 615));
    auto* fullBrand = placePromotion(frame, QStringLiteral("lblFullBrand"), kFullBrandPromotion,
                                     twipsRect(120, 165, 6945, 615));
    connect(coBrand, &ClickableLabel::clicked, this, [] { modHelp::OpenCoBrandPage(); });
    connect(fullBrand, &ClickableLabel::clicked, this, [] { modHelp::OpenFullyBrandedPage(); });
}

void frmBiorhythmCompatibilityMain::buildBackControls() {
    // Both lie below the client area's bottom edge: out of sight, but Alt+A still answers.
    auto* cmdBackToBio = placeButton(clientArea(), QStringLiteral("cmdBackToBio"),
                                     QStringLiteral("B&ack"), twipsRect(4440, 6360, 1935, 495));
    cmdBackToBio->setFocusPolicy(Qt::NoFocus);
    connect(cmdBackToBio, &QPushButton::clicked, this, &ProgramWindow::closeWindow);

    m_picBackToBio = new ClickableLabel({}, clientArea());
    m_picBackToBio->setObjectName(QStringLiteral("picBackToBio"));
    m_picBackToBio->setGeometry(twipsRect(7080, 6960, 1065, 525));
    m_picBackToBio->setPixmap(backPicture(m_picBackToBio->size(), false));
    connect(m_picBackToBio, &ClickableLabel::clicked, this, &ProgramWindow::closeWindow);
    connect(m_picBackToBio, &ClickableLabel::mouseMoved, this,
            &frmBiorhythmCompatibilityMain::picBackToBio_MouseMove);
}

void frmBiorhythmCompatibilityMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &ProgramWindow::closeWindow);
    exit->setObjectName(QStringLiteral("mnuExit"));

    addHelpMenu(*menuBar(), *this,
                {{QStringLiteral("&Help"), QStringLiteral("mnuHelp")},
                 {QStringLiteral("&Online Help"), QStringLiteral("mnuOnline")},
                 {QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit")},
                 {},
                 {QStringLiteral("Check for Software &Update"), QStringLiteral("mnuUpdate")},
                 {},
                 {QStringLiteral("&About Software"), QStringLiteral("mnuAbout")}});
}

void frmBiorhythmCompatibilityMain::Form_Load() {
    m_dtpReportDate->setDate(today());
    m_roster.lngUsedColor.fill(modBiorhythmCompatibility::kFreeColorSlot);
    m_roster.intColorsRecorded = 0;
    if (m_host.anotherCopyRuns()) {
        m_host.closeApplication();
        return;
    }
    m_roster.intTotalPersons = 2;
    m_roster.intPersonsRemaining = 2;
    showStatus(0, m_roster.intPersonsRemaining);
    m_cmdSubmit->setFocus();
}

void frmBiorhythmCompatibilityMain::showStatus(int entered, int remaining) {
    setAutoSizedText(m_lblDisp1, sequenceText());
    setAutoSizedText(m_lblDisp2, enteredText(entered));
    setAutoSizedText(m_lblDisp3, remainingText(remaining));
}

void frmBiorhythmCompatibilityMain::setSwatchColor(ColorValue color) {
    m_swatchColor = color;
    setBackgroundColor(m_picture1, toQColor(color));
}

void frmBiorhythmCompatibilityMain::cmdSubmit_Click() {
    if (!ValidateEntry()) {
        return;
    }
    modBiorhythmCompatibility& roster = m_roster;
    if (roster.intColorsRecorded >= 0 &&
        roster.intColorsRecorded < modBiorhythmCompatibility::kSlots) {
        roster.lngUsedColor[static_cast<std::size_t>(roster.intColorsRecorded)] =
            static_cast<std::int32_t>(m_swatchColor);
        ++roster.intColorsRecorded;
    }
    if (roster.intPersonsRemaining - 1 == 0) {
        m_cmdSave->raise();
        m_cmdSave->setEnabled(true);
    }
    if (roster.intPersonsRemaining == 0) {
        showMessage(this,
                    QStringLiteral("You Reach The Limit Of Selecting Members\r"
                                   "You Cannot Accept Further Member"),
                    QMessageBox::Critical);
        return;
    }
    showStatus(roster.intTotalPersons - roster.intPersonsRemaining + 1,
               roster.intPersonsRemaining - 1);

    const int slot = roster.intTotalPersons - roster.intPersonsRemaining;
    if (slot >= 0 && slot < modBiorhythmCompatibility::kSlots) {
        const auto index = static_cast<std::size_t>(slot);
        roster.strPersonName[index] = m_txtVisitorName->text();
        roster.dtBirthDate[index] = m_dtpDob->date();
        roster.dtReportDate[index] = m_dtpReportDate->date();
        roster.lngLineColor[index] = m_swatchColor;
    }
    --roster.intPersonsRemaining;
    m_txtVisitorName->clear();
}

bool frmBiorhythmCompatibilityMain::ValidateEntry() {
    if (m_txtVisitorName->text().isEmpty()) {
        showMessage(this, QStringLiteral("Name Cannot Be Blank"), QMessageBox::Critical);
        m_txtVisitorName->setFocus();
        return false;
    }
    if (!m_optMale->isChecked() && !m_optFemale->isChecked()) {
        showMessage(this, QStringLiteral("Please Select Your Sex"), QMessageBox::Critical);
        m_optMale->setFocus();
        return false;
    }
    if (CountColorMatches() > 0) {
        showMessage(this, QStringLiteral("Choose Another Color"), QMessageBox::Critical);
        return false;
    }
    return true;
}

std::int16_t frmBiorhythmCompatibilityMain::CountColorMatches() const {
    std::int16_t matches = 0;
    const int recorded =
        std::min<int>(m_roster.intColorsRecorded, modBiorhythmCompatibility::kSlots);
    for (int i = 0; i < recorded; ++i) {
        if (m_roster.lngUsedColor[static_cast<std::size_t>(i)] ==
            static_cast<std::int32_t>(m_swatchColor)) {
            ++matches;
        }
    }
    return matches;
}

void frmBiorhythmCompatibilityMain::Picture1_Click() {
    // The dialog opens on the swatch's colour, and only a confirmed choice changes it.
    QColorDialog dialog(toQColor(m_swatchColor), this);
    dialog.setObjectName(QStringLiteral("cddColorPicker"));
    if (dialog.exec() == QDialog::Accepted && dialog.selectedColor().isValid()) {
        setSwatchColor(toColorValue(dialog.selectedColor()));
    }
}

void frmBiorhythmCompatibilityMain::cmdSave_Click() {
    m_roster.intColorsRecorded = 0;
    const std::optional<CompatibilityCaptions> captions = ComputeCompatibility(m_roster);
    auto* display = new frmBiorhythmCompatibilityDisplay(m_roster, m_host);
    if (captions) {
        display->setCompatibilityCaptions(*captions);
    }
    ProgramHost& host = m_host;
    host.showProgramWindow(display);
    closeWindow();
    host.hideExitScreen();
    host.setChooserVisible(false);
}

void frmBiorhythmCompatibilityMain::picBackToBio_MouseMove(QPoint position) {
    const bool outside = position.x() < 0 || position.x() > m_picBackToBio->width() ||
                         position.y() < 0 || position.y() > m_picBackToBio->height();
    if (outside) {
        if (QWidget::mouseGrabber() == m_picBackToBio) {
            m_picBackToBio->releaseMouse();
        }
        m_picBackToBio->setPixmap(backPicture(m_picBackToBio->size(), false));
    } else if (QWidget::mouseGrabber() != m_picBackToBio) {
        m_picBackToBio->grabMouse();
        m_picBackToBio->setPixmap(backPicture(m_picBackToBio->size(), true));
    }
}

void frmBiorhythmCompatibilityMain::Form_Unload() {
    if (QWidget::mouseGrabber() == m_picBackToBio) {
        m_picBackToBio->releaseMouse();
    }
    m_host.setChooserVisible(true);
}

} // namespace kelvra
