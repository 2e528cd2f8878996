#include "chart_window.h"

#include "chart_date_corrections.h"
#include "chart_date_lists.h"
#include "chart_explanations.h"
#include "chart_keeper.h"
#include "chart_renderer.h"
#include "chart_surface.h"
#include "compose_chart_date.h"

#include "app/about_window.h"
#include "app/busy_pointer.h"
#include "app/date_conversion.h"
#include "app/message_box.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "app/update_question.h"
#include "engine/cycle.h"
#include "web/page_openers.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace kelvra {

namespace {
std::optional<QDate> composeFromBoxes(const QComboBox& month, const QComboBox& day,
                                      const QComboBox& year) {
    const std::optional<CalendarDate> date =
        ComposeChartDate(month.currentIndex(), day.currentText(), year.currentText());
    return date ? std::optional<QDate>(toQDate(*date)) : std::nullopt;
}

// A correction that changes nothing leaves the box alone, so its cursor and selection stay.
void correctBoxText(QComboBox& box, QString (*rule)(QStringView)) {
    const QString text = box.currentText();
    const QString corrected = rule(text);
    if (corrected == text) {
        return;
    }
    if (box.isEditable()) {
        box.setEditText(corrected);
    } else {
        box.setCurrentText(corrected);
    }
}

// The panel was laid out for a narrower face than ours: a text that would run past the
// label's bottom is set a little smaller, so it is never cut off.
void fitTextInto(QLabel& label, const QString& text) {
    constexpr double kLargest = 8.25;
    constexpr double kSmallest = 6.0;
    const QRect room(0, 0, label.width(), 1 << 20);
    QFont font = uiFont(kLargest);
    while (font.pointSizeF() > kSmallest &&
           QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, text).height() >
               label.height()) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    label.setFont(font);
    label.setText(text);
}
} // namespace

frmBiorhythmChart::frmBiorhythmChart(QSettings& settings, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmBiorhythmChart"),
                    QStringLiteral("Kelvra Biorhythm Chart Software"), twipsSize(10395, 7275),
                    parent) {
    setFont(uiFont(8.25));
    QWidget& client = *clientArea();
    buildMenus();
    buildChartArea(client);
    buildDetailsPanel(client);
    buildExplanationPanel(client);
    buildLinkPanel(client);
    arrangeTabOrder();
    m_renderer = std::make_unique<BiorhythmChartRenderer>(
        *m_surface, ChartScaleLabels{m_lblLeast, m_lblDate, m_lblMost});
    new ChartKeeper(*m_surface, *this);

    Form_Load(settings);
}

frmBiorhythmChart::~frmBiorhythmChart() = default;

void frmBiorhythmChart::Form_Load(QSettings& settings) {
    // This window is not shown yet: the question stands over the window the user is looking at.
    runUpdateReminder(settings, QApplication::activeWindow());
    // The main window places the window when it shows it: at the top of its client area,
    // centred on the screen's width.
    m_surface->setHorizontalExtent(kChartWindowDays);
    fillReportBoxesWithToday();
    m_reportDate =
        composeFromBoxes(*m_cboReportMonth, *m_cboReportDay, *m_cboReportYear).value_or(QDate());
    m_cboBirthMonth->setCurrentIndex(0);
    showExplanation(generalExplanation());
    fillYearLists();
    m_renderer->LayoutChartAxes(m_reportDate);
}

void frmBiorhythmChart::fillReportBoxesWithToday() {
    const ChartDateBoxes today = reportStartValues();
    m_cboReportMonth->setCurrentIndex(today.monthIndex);
    m_cboReportDay->setEditText(today.dayText);
    m_cboReportYear->setEditText(today.yearText);
}

void frmBiorhythmChart::fillYearLists() {
    // Filling an empty editable box would select its first entry over the year shown.
    const QString reportYear = m_cboReportYear->currentText();
    m_cboReportYear->addItems(reportYearEntries());
    m_cboReportYear->setEditText(reportYear);
    m_cboBirthYear->addItems(birthYearEntries());
    m_cboBirthYear->setCurrentText(birthStartValues().yearText);
}

void frmBiorhythmChart::cmdBiorythm_Click() {
    // A click moves the focus to the button first, so a box being edited is corrected
    // before the dates are composed; this holds also when the click comes from a program.
    m_cmdBiorythm->setFocus(Qt::OtherFocusReason);
    drawChart();
}

void frmBiorhythmChart::mnuRun_Click() {
    drawChart();
}

void frmBiorhythmChart::drawChart() {
    std::optional<BusyPointer> busy(std::in_place);
    // Both dates are composed before anything changes, so a chart is never drawn for dates
    // other than those in the boxes.
    const std::optional<QDate> birth =
        composeFromBoxes(*m_cboBirthMonth, *m_cboBirthDay, *m_cboBirthYear);
    const std::optional<QDate> report =
        composeFromBoxes(*m_cboReportMonth, *m_cboReportDay, *m_cboReportYear);
    if (!birth || !report) {
        busy.reset();
        showMessage(this,
                    !birth ? QStringLiteral("Please Enter A Valid Birthday")
                           : QStringLiteral("Please Enter A Valid Report Day"),
                    QMessageBox::Critical);
        return;
    }
    m_birthDate = birth;
    m_reportDate = *report;
    m_renderer->DrawBiorhythms(*birth, *report);
}

void frmBiorhythmChart::showExplanation(const ChartExplanation& explanation) {
    if (m_lblInfoHeading->text() == explanation.heading) {
        return;
    }
    m_lblInfoHeading->setText(explanation.heading);
    fitTextInto(*m_lblInfoText, explanation.text);
}

void frmBiorhythmChart::Form_Unload() {
    // The chart image goes with the window; the main window shows its chooser on closed().
    m_surface->clear();
}

void frmBiorhythmChart::cboBirthDay_LostFocus() {
    correctBoxText(*m_cboBirthDay, correctedBirthDayText);
}

void frmBiorhythmChart::cboReportDay_LostFocus() {
    correctBoxText(*m_cboReportDay, correctedReportDayText);
}

void frmBiorhythmChart::cboBirthYear_LostFocus() {
    correctBoxText(*m_cboBirthYear, correctedYearText);
}

void frmBiorhythmChart::cboReportYear_LostFocus() {
    correctBoxText(*m_cboReportYear, correctedYearText);
}

void frmBiorhythmChart::lblRed_MouseMove() {
    showExplanation(physicalExplanation());
}

void frmBiorhythmChart::lblGreen_MouseMove() {
    showExplanation(emotionalExplanation());
}

void frmBiorhythmChart::lblViolet_MouseMove() {
    showExplanation(intellectualExplanation());
}

void frmBiorhythmChart::picExplain_MouseMove() {
    showExplanation(generalExplanation());
}

void frmBiorhythmChart::mnuOnline_Click() {
    modHelp::OpenHelpPage();
}

void frmBiorhythmChart::mnuV_Click() {
    modHelp::OpenHomePage();
}

void frmBiorhythmChart::mnuCheckUpdate_Click() {
    modHelp::OpenDownloadPage();
}

void frmBiorhythmChart::mnuS_Click() {
    frmAbout::showModal(this);
}

void frmBiorhythmChart::Label1_Click() {
    modHelp::OpenSiteRoot();
}

void frmBiorhythmChart::lblFullBrand_Click() {
    modHelp::OpenFullyBrandedPage();
}

void frmBiorhythmChart::lblCobrand_Click() {
    modHelp::OpenCoBrandPage();
}

} // namespace kelvra
