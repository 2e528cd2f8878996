#include "entry_window.h"

#include "app/about_window.h"
#include "app/accessibility.h"
#include "app/clickable_label.h"
#include "app/clock.h"
#include "app/color_conversion.h"
#include "app/message_box.h"
#include "app/palette_colors.h"
#include "app/program_host.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "back_pictures.h"
#include "compute_compatibility.h"
#include "control_placement.h"
#include "person_roster.h"
#include "web/page_openers.h"

#include <QColorDialog>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvra {

namespace {

QString sequenceText() {
    return QStringLiteral("You have chosen to enter details for a ") + QStringLiteral(" COUPLE");
}

QString enteredText(int entered) {
    return QStringLiteral("You have already entered the details for %1 Person(s)").arg(entered);
}

QString remainingText(int remaining) {
    return QStringLiteral("You are yet to enter the details for %1 Person(s)").arg(remaining);
}

} // namespace

frmBiorhythmCompatibilityMain::frmBiorhythmCompatibilityMain(modBiorhythmCompatibility& roster,
                                                             ProgramHost& host, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmBiorhythmCompatibilityMain"), compatibilityCaption(),
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
        announceViewChange(m_cmdSubmit);
        announceViewChange(m_cmdSave);
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
    ComputeCompatibility(m_roster);
    // The host outlives this window, which is gone once closed.
    ProgramHost& host = m_host;
    host.openProgram(Program::CompatibilityDisplay);
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
}

void frmBiorhythmCompatibilityMain::cmdBackToBio_Click() {
    closeWindow();
}

void frmBiorhythmCompatibilityMain::picBackToBio_Click() {
    closeWindow();
}

void frmBiorhythmCompatibilityMain::mnuExit_Click() {
    closeWindow();
}

void frmBiorhythmCompatibilityMain::mnuOnline_Click() {
    modHelp::OpenHelpPage();
}

void frmBiorhythmCompatibilityMain::mnuVisit_Click() {
    modHelp::OpenHomePage();
}

void frmBiorhythmCompatibilityMain::mnuUpdate_Click() {
    modHelp::OpenDownloadPage();
}

void frmBiorhythmCompatibilityMain::mnuAbout_Click() {
    frmAbout::showModal(this);
}

void frmBiorhythmCompatibilityMain::lblFullBrand_Click() {
    modHelp::OpenFullyBrandedPage();
}

void frmBiorhythmCompatibilityMain::lblCobrand_Click() {
    modHelp::OpenCoBrandPage();
}

} // namespace kelvra
