#pragma once

#include "app/program_window.h"
#include "engine/color_value.h"

#include <cstdint>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvra {

class ClickableLabel;
class ProgramHost;
struct modBiorhythmCompatibility;

// The compatibility program's entry window: takes the two people of a couple one after
// the other into the roster, then hands over to the display window.
class frmBiorhythmCompatibilityMain : public ProgramWindow {
    Q_OBJECT
public:
    // Builds the window and starts a new entry sequence in the roster, which must outlive
    // the window. The host is asked to open the display window and to switch the chooser.
    frmBiorhythmCompatibilityMain(modBiorhythmCompatibility& roster, ProgramHost& host,
                                  QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(frmBiorhythmCompatibilityMain)

    // The colour offered for the person being entered (0x00BBGGRR).
    ColorValue swatchColor() const { return m_swatchColor; }

protected:
    void Form_Unload() override;

private:
    void buildBanner();
    void buildStatusLabels();
    void buildPersonFields();
    void buildButtons();
    void buildPromotions();
    void buildBackControls();
    void buildMenus();

    void Form_Load();
    void showStatus(int entered, int remaining);
    void setSwatchColor(ColorValue color);

    void cmdSubmit_Click();
    bool ValidateEntry();
    std::int16_t CountColorMatches() const;
    void Picture1_Click();
    void cmdSave_Click();
    void picBackToBio_MouseMove(QPoint position);
    void cmdBackToBio_Click();
    void picBackToBio_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();

    modBiorhythmCompatibility& m_roster;
    ProgramHost& m_host;
    ColorValue m_swatchColor = 0;

    QLabel* m_lblDisp1 = nullptr;
    QLabel* m_lblDisp2 = nullptr;
    QLabel* m_lblDisp3 = nullptr;
    QLineEdit* m_txtVisitorName = nullptr;
    QDateEdit* m_dtpDob = nullptr;
    QDateEdit* m_dtpReportDate = nullptr;
    ClickableLabel* m_picture1 = nullptr;
    QRadioButton* m_optMale = nullptr;
    QRadioButton* m_optFemale = nullptr;
    QPushButton* m_cmdSubmit = nullptr;
    QPushButton* m_cmdSave = nullptr;
    ClickableLabel* m_picBackToBio = nullptr;
};

} // namespace kelvra
