#pragma once

#include "app/program_window.h"
#include "compute_compatibility.h"

#include <QString>

#include <array>
#include <cstddef>
#include <memory>

class QLabel;

namespace kelvra {

class ChartSurface;
class CompatibilityChart;
class ProgramHost;
struct CompatibilityView;
struct modBiorhythmCompatibility;

// The compatibility program's display window: the couple's compatibility values, one cycle
// at a time drawn for both people, the day navigation and the ways back.
class frmBiorhythmCompatibilityDisplay : public ProgramWindow {
    Q_OBJECT
public:
    // Builds the window and draws the Physical view from the roster, which must outlive the
    // window. The host is asked to open the entry window and to switch the chooser.
    frmBiorhythmCompatibilityDisplay(modBiorhythmCompatibility& roster, ProgramHost& host,
                                     QWidget* parent = nullptr);
    ~frmBiorhythmCompatibilityDisplay() override;
    Q_DISABLE_COPY_MOVE(frmBiorhythmCompatibilityDisplay)

    // Writes the three compatibility captions into the details panel.
    void setCompatibilityCaptions(const CompatibilityCaptions& captions);

    // The name of the view drawn last: "Physical", "Emotional" or "Intellectual".
    const QString& CurrentView() const { return m_currentView; }

protected:
    void Form_Unload() override;

private:
    void buildScale();
    void buildDetailsPanel();
    void buildInterpretationPanel();
    void buildMenus();

    void Form_Load();
    void ShowView(const CompatibilityView& view);
    void showPeople();
    void cmdPhysical_Click();
    void cmdEmotional_Click();
    void cmdIntellectual_Click();
    void moveReportDates(int days);
    void cmdPrevDay_Click();
    void cmdNextDay_Click();
    void cmdToday_Click();
    void redrawAfterNavigation();
    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuOnlineHelp_Click();
    void mnuVisitUsOnline_Click();
    void mnuCheckForUpdate_Click();
    void mnuAbout_Click();

    modBiorhythmCompatibility& m_roster;
    ProgramHost& m_host;
    QString m_currentView;

    ChartSurface* m_picBiorhythm = nullptr;
    std::unique_ptr<CompatibilityChart> m_chart;
    QLabel* m_lblCompatibilityType = nullptr;
    QLabel* m_lblLeast = nullptr;
    QLabel* m_lblMost = nullptr;
    QLabel* m_lblDate = nullptr;
    std::array<QLabel*, 3> m_lblPercentage{};
    std::array<QLabel*, 2> m_lblInfo{};
    // The people list has room for ten; the roster fills at most its three slots.
    static constexpr std::size_t kListEntries = 10;
    std::array<QLabel*, kListEntries> m_picture1{};
    std::array<QLabel*, kListEntries> m_lblName{};
    std::array<QLabel*, kListEntries> m_lblDayLived{};
};

} // namespace kelvra
