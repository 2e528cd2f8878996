#include "display_window.h"

#include "app/about_window.h"
#include "app/busy_pointer.h"
#include "app/clock.h"
#include "app/color_conversion.h"
#include "app/date_conversion.h"
#include "app/help_menu.h"
#include "app/palette_colors.h"
#include "app/program_host.h"
#include "app/twips.h"
#include "app/ui_font.h"
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

frmBiorhythmCompatibilityDisplay::frmBiorhythmCompatibilityDisplay(
    modBiorhythmCompatibility& roster, ProgramHost& host, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmBiorhythmCompatibilityDisplay"), compatibilityCaption(),
                    twipsSize(11715, 7065), parent)
    , m_roster(roster)
    , m_host(host) {
    buildScale();
    buildDetailsPanel();
    buildInterpretationPanel();
    buildMenus();
    Form_Load();
}

frmBiorhythmCompatibilityDisplay::~frmBiorhythmCompatibilityDisplay() = default;

void frmBiorhythmCompatibilityDisplay::Form_Load() {
    m_chart->ShowReportDate(m_roster.dtReportDate[0]);
    m_picBiorhythm->setHorizontalExtent(kChartWindowDays);
    m_chart->LayoutCompatibilityGrid(m_roster.dtReportDate[0]);
    cmdPhysical_Click();
    if (const auto captions = storedCompatibilityCaptions(m_roster)) {
        setCompatibilityCaptions(*captions);
    }
}

void frmBiorhythmCompatibilityDisplay::setCompatibilityCaptions(
    const CompatibilityCaptions& captions) {
    for (std::size_t k = 0; k < captions.size(); ++k) {
        setAutoSizedText(m_lblPercentage[k], captions[k]);
    }
}

void frmBiorhythmCompatibilityDisplay::ShowView(const CompatibilityView& view) {
    {
        const BusyPointer busy;
        m_currentView = view.name;
        m_chart->DrawCycle(m_roster, view.cycleIndex);
    }
    if (m_lblInfo[0]->text() != view.heading) {
        setAutoSizedText(m_lblInfo[0], view.heading);
        m_lblInfo[1]->setText(view.explanation);
    }
    setAutoSizedText(m_lblCompatibilityType, view.caption);
    showPeople();
}

void frmBiorhythmCompatibilityDisplay::showPeople() {
    for (int i = 0; i < m_roster.personCount(); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        setBackgroundColor(m_picture1[slot], toQColor(m_roster.lngLineColor[slot]));
        m_picture1[slot]->show();
        m_lblName[slot]->setText(m_roster.strPersonName[slot]);
        m_lblName[slot]->setToolTip(m_roster.strPersonName[slot]);
        m_picture1[slot]->setAccessibleName(m_roster.strPersonName[slot]);
        m_lblName[slot]->show();
        const std::int32_t daysLived = DaysLived(toCalendarDate(m_roster.dtBirthDate[slot]),
                                                 toCalendarDate(m_roster.dtReportDate[slot]));
        setAutoSizedText(m_lblDayLived[slot], QStringLiteral("Day Lived %1").arg(daysLived));
        m_lblDayLived[slot]->show();
    }
}

void frmBiorhythmCompatibilityDisplay::cmdPhysical_Click() {
    ShowView(compatibilityViews()[0]);
}

void frmBiorhythmCompatibilityDisplay::cmdEmotional_Click() {
    ShowView(compatibilityViews()[1]);
}

void frmBiorhythmCompatibilityDisplay::cmdIntellectual_Click() {
    ShowView(compatibilityViews()[2]);
}

void frmBiorhythmCompatibilityDisplay::moveReportDates(int days) {
    for (int i = 0; i < m_roster.personCount(); ++i) {
        QDate& report = m_roster.dtReportDate[static_cast<std::size_t>(i)];
        // A date that would leave the years 100 to 9999 stays as it is.
        if (const auto moved = ShiftWithinSupportedYears(toCalendarDate(report), days)) {
            report = toQDate(*moved);
        }
    }
    redrawAfterNavigation();
}

void frmBiorhythmCompatibilityDisplay::cmdPrevDay_Click() {
    moveReportDates(-1);
}

void frmBiorhythmCompatibilityDisplay::cmdNextDay_Click() {
    moveReportDates(1);
}

void frmBiorhythmCompatibilityDisplay::cmdToday_Click() {
    for (int i = 0; i < m_roster.personCount(); ++i) {
        m_roster.dtReportDate[static_cast<std::size_t>(i)] = today();
    }
    redrawAfterNavigation();
}

void frmBiorhythmCompatibilityDisplay::redrawAfterNavigation() {
    m_chart->clear();
    if (const CompatibilityView* view = findCompatibilityView(m_currentView)) {
        ShowView(*view);
    }
    m_chart->LayoutCompatibilityGrid(m_roster.dtReportDate[0]);
}

void frmBiorhythmCompatibilityDisplay::cmdBack_Click() {
    m_roster.emptyPersons();
    m_chart->clear();
    // The host outlives this window, which is gone once closed.
    ProgramHost& host = m_host;
    host.openProgram(Program::CompatibilityEntry);
    closeWindow();
    host.hideExitScreen();
    host.setChooserVisible(false);
}

void frmBiorhythmCompatibilityDisplay::Form_Unload() {
    m_roster.emptyPersons();
    m_chart->clear();
}

void frmBiorhythmCompatibilityDisplay::mnuBack_Click() {
    closeWindow();
}

void frmBiorhythmCompatibilityDisplay::mnuExit_Click() {
    closeWindow();
}

void frmBiorhythmCompatibilityDisplay::mnuOnlineHelp_Click() {
    modHelp::OpenHelpPage();
}

void frmBiorhythmCompatibilityDisplay::mnuVisitUsOnline_Click() {
    modHelp::OpenHomePage();
}

void frmBiorhythmCompatibilityDisplay::mnuCheckForUpdate_Click() {
    modHelp::OpenDownloadPage();
}

void frmBiorhythmCompatibilityDisplay::mnuAbout_Click() {
    frmAbout::showModal(this);
}

} // namespace kelvra
