#pragma once

#include "app/program_window.h"

#include <QDate>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSettings;

namespace kelvra {

class BiorhythmChartRenderer;
class ChartSurface;
class ClickableLabel;
struct ChartExplanation;

// The Biorhythm Chart program's window: the birth and report date boxes, the chart of the
// three cycles over the 28 days around the report day, an explanation panel that follows
// the mouse over the legend, menus and promotional links. Fixed size; destroyed when closed.
class frmBiorhythmChart : public ProgramWindow {
    Q_OBJECT
public:
    // Runs the update reminder on the settings, then fills the boxes with their start
    // values and lays out the chart's axes; no chart is drawn yet.
    explicit frmBiorhythmChart(QSettings& settings, QWidget* parent = nullptr);
    ~frmBiorhythmChart() override;
    Q_DISABLE_COPY_MOVE(frmBiorhythmChart)

    // The dates of the last chart drawn; the birth date is empty until a chart is drawn.
    std::optional<QDate> BirthDate() const { return m_birthDate; }
    QDate ReportDate() const { return m_reportDate; }

    // The chart surface, for placing and inspecting the drawing.
    ChartSurface& chartSurface() const { return *m_surface; }

protected:
    void Form_Unload() override;

private:
    void buildMenus();
    void buildChartArea(QWidget& client);
    void buildDetailsPanel(QWidget& client);
    void buildDateBoxes(QWidget& frame);
    void buildExplanationPanel(QWidget& client);
    void buildLegend(QWidget& strip);
    void buildLinkPanel(QWidget& client);
    void arrangeTabOrder();

    void Form_Load(QSettings& settings);
    void fillReportBoxesWithToday();
    void fillYearLists();

    void cmdBiorythm_Click();
    void mnuRun_Click();
    void drawChart();
    void cboBirthDay_LostFocus();
    void cboReportDay_LostFocus();
    void cboBirthYear_LostFocus();
    void cboReportYear_LostFocus();
    void lblRed_MouseMove();
    void lblGreen_MouseMove();
    void lblViolet_MouseMove();
    void picExplain_MouseMove();
    void showExplanation(const ChartExplanation& explanation);
    void mnuOnline_Click();
    void mnuV_Click();
    void mnuCheckUpdate_Click();
    void mnuS_Click();
    void Label1_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();

    ChartSurface* m_surface = nullptr;
    QLabel* m_lblLeast = nullptr;
    QLabel* m_lblDate = nullptr;
    QLabel* m_lblMost = nullptr;
    QComboBox* m_cboBirthMonth = nullptr;
    QComboBox* m_cboBirthDay = nullptr;
    QComboBox* m_cboBirthYear = nullptr;
    QComboBox* m_cboReportMonth = nullptr;
    QComboBox* m_cboReportDay = nullptr;
    QComboBox* m_cboReportYear = nullptr;
    QPushButton* m_cmdBiorythm = nullptr;
    QLabel* m_lblInfoHeading = nullptr;
    QLabel* m_lblInfoText = nullptr;
    std::unique_ptr<BiorhythmChartRenderer> m_renderer;
    std::optional<QDate> m_birthDate;
    QDate m_reportDate;
};

} // namespace kelvra
