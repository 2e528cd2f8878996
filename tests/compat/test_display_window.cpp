#include "chart_pixels.h"
#include "hosted_programs.h"
#include "layout_table.h"
#include "modal_answerer.h"
#include "test_main.h"
#include "url_recorder.h"

#include "app/clock.h"
#include "app/color_conversion.h"
#include "app/short_date.h"
#include "chart/chart_surface.h"
#include "chart/surface_label.h"
#include "compat/compute_compatibility.h"
#include "compat/display_window.h"
#include "compat/entry_window.h"
#include "compat/person_roster.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace kelvra;

namespace {
const QDate kToday(2024, 2, 27);
constexpr ColorValue kFirstColor = rgbColor(0, 0, 255);
constexpr ColorValue kSecondColor = rgbColor(0, 160, 0);
} // namespace

class DisplayWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startShowsThePhysicalView();
    void dayLivedLabelsStandInTheDetailsPanel();
    void viewsSwitchCaptionHeadingAndText_data();
    void viewsSwitchCaptionHeadingAndText();
    void sameViewLeavesTheExplanationAlone();
    void nextDayCrossesTheMonthEnd();
    void previousThenNextGivesTheSamePicture();
    void todayAfterNavigationSetsEveryReportDate();
    void navigationKeepsTheViewAndTheCaptions();
    void navigationStopsAtTheLastSupportedDay();
    void exitLeavesTheChooserAndAnEmptyRoster_data();
    void exitLeavesTheChooserAndAnEmptyRoster();
    void backLeadsToAFreshEntryWindow();
    void helpMenuOpensPages();
    void reportDayOfBirthCountsDayZero();
    void aboutOpensModallyAndReturns();
    void longNameStaysInItsColumn();
    void controlsStandAsLaidOut_data();
    void controlsStandAsLaidOut();
    void menuBarHoldsItsItems();

private:
    frmBiorhythmCompatibilityDisplay* openDisplay();
    QString text(const QString& name) const {
        auto* label = m_window->findChild<QLabel*>(name);
        return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(name);
    }
    void click(const QString& button) {
        QTest::mouseClick(m_window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QImage drawing() const { return m_window->findChild<ChartSurface*>("picBiorhythm")->drawing(); }

    std::unique_ptr<modBiorhythmCompatibility> m_roster;
    std::unique_ptr<HostedPrograms> m_host;
    QPointer<frmBiorhythmCompatibilityDisplay> m_window;
};

void DisplayWindowTest::init() {
    setTodayOverride(kToday);
    m_roster = std::make_unique<modBiorhythmCompatibility>();
    m_roster->intTotalPersons = 2;
    m_roster->strPersonName = {"Ann", "Bob", ""};
    m_roster->dtBirthDate = {QDate(1980, 1, 4), QDate(2023, 2, 5),
                             modBiorhythmCompatibility::zeroDate()};
    m_roster->dtReportDate = {QDate(2023, 1, 31), QDate(2023, 1, 31),
                              modBiorhythmCompatibility::zeroDate()};
    m_roster->lngLineColor = {kFirstColor, kSecondColor, 0};
    m_host = std::make_unique<HostedPrograms>(*m_roster);
    m_window = openDisplay();
}

void DisplayWindowTest::cleanup() {
    m_host.reset();
    m_roster.reset();
    setTodayOverride(std::nullopt);
}

frmBiorhythmCompatibilityDisplay* DisplayWindowTest::openDisplay() {
    ComputeCompatibility(*m_roster);
    return m_host->open<frmBiorhythmCompatibilityDisplay>(kelvra::Program::CompatibilityDisplay);
}

void DisplayWindowTest::startShowsThePhysicalView() {
    QCOMPARE(m_window->windowTitle(), "Kelvra Biorhythm Compatibility");
    QCOMPARE(m_window->CurrentView(), "Physical");
    QCOMPARE(text("lblCompatibilityType"), "Physical Compatibility");
    QCOMPARE(text("lblInfo_0"), "Physical:");
    QVERIFY(text("lblInfo_1").startsWith("The Physical cycle is a good indicator"));
    QCOMPARE(text("lblDate"), formatShortDate(QDate(2023, 1, 31)));
    QCOMPARE(text("lblLeast"), "-14");
    QCOMPARE(text("lblMost"), "14");
    QCOMPARE(text("lblName_0"), "Ann");
    QCOMPARE(text("lblName_1"), "Bob");
    QCOMPARE(text("lblDayLived_0"), "Day Lived 15733");
    QCOMPARE(text("lblDayLived_1"), "Day Lived -5");
    QCOMPARE(text("lblPercentage_0"), "Physical Compatibility 41 %");
    for (int k = 0; k < 2; ++k) {
        auto* swatch = m_window->findChild<QLabel*>(QStringLiteral("Picture1_%1").arg(k));
        QVERIFY(swatch->isVisible());
        QCOMPARE(swatch->palette().color(QPalette::Window),
                 toQColor(k == 0 ? kFirstColor : kSecondColor));
    }
    QVERIFY(!m_window->findChild<QLabel*>("Picture1_2")->isVisible());
    QVERIFY(!m_window->findChild<QLabel*>("lblName_2")->isVisible());

    // Both curves are on the chart.
    const QImage image = drawing();
    QVERIFY(countPixels(image, rgbOf(kFirstColor)) > 0 &&
            countPixels(image, rgbOf(kSecondColor)) > 0);
}

void DisplayWindowTest::dayLivedLabelsStandInTheDetailsPanel() {
    auto* panel = m_window->findChild<QGroupBox*>("Frame2");
    const int lowestCaption = m_window->findChild<QLabel*>("lblPercentage_2")->geometry().bottom();
    int previousTop = lowestCaption;
    for (int k = 0; k < 2; ++k) {
        auto* label = m_window->findChild<QLabel*>(QStringLiteral("lblDayLived_%1").arg(k));
        QCOMPARE(label->parentWidget(), panel);
        QVERIFY(label->isVisible());
        QVERIFY(panel->rect().contains(label->geometry()));
        QVERIFY(label->geometry().top() > previousTop);
        previousTop = label->geometry().bottom();
    }
}

void DisplayWindowTest::viewsSwitchCaptionHeadingAndText_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("textStart");

    QTest::newRow("Emotional") << "cmdEmotional"
                               << "mnuEmotional"
                               << "Emotional"
                               << "Your Emotional cycle is basically";
    QTest::newRow("Intellectual") << "cmdIntellectual"
                                  << "mnuIntellectual"
                                  << "Intellectual"
                                  << "The Intellectual cycle represents";
    QTest::newRow("Physical") << "cmdPhysical"
                              << "mnuPhysical"
                              << "Physical"
                              << "The Physical cycle is a good";
}

void DisplayWindowTest::viewsSwitchCaptionHeadingAndText() {
    QFETCH(QString, button);
    QFETCH(QString, menu);
    QFETCH(QString, view);
    QFETCH(QString, textStart);

    const QImage before = drawing();
    m_window->findChild<QAction*>("mnuIntellectual")->trigger();
    m_window->findChild<QAction*>("mnuEmotional")->trigger();
    click(button);
    QCOMPARE(m_window->CurrentView(), view);
    QCOMPARE(text("lblCompatibilityType"), view + " Compatibility");
    QCOMPARE(text("lblInfo_0"), view + ":");
    QVERIFY(text("lblInfo_1").startsWith(textStart));
    QCOMPARE(text("lblName_0"), "Ann");
    QCOMPARE(drawing() == before, view == "Physical");
    const QImage viaButton = drawing();

    m_window->findChild<QAction*>("mnuPhysical")->trigger();
    m_window->findChild<QAction*>(menu)->trigger();
    QCOMPARE(m_window->CurrentView(), view);
    QCOMPARE(drawing(), viaButton);
}

void DisplayWindowTest::sameViewLeavesTheExplanationAlone() {
    auto* explanation = m_window->findChild<QLabel*>("lblInfo_1");
    explanation->setText("marker");
    click("cmdPhysical");
    QCOMPARE(explanation->text(), "marker");
    click("cmdEmotional");
    QVERIFY(explanation->text().startsWith("Your Emotional cycle"));
}

void DisplayWindowTest::nextDayCrossesTheMonthEnd() {
    click("cmdNextDay");
    QCOMPARE(m_roster->dtReportDate[0], QDate(2023, 2, 1));
    QCOMPARE(m_roster->dtReportDate[1], QDate(2023, 2, 1));
    QCOMPARE(text("lblDate"), formatShortDate(QDate(2023, 2, 1)));
    QCOMPARE(text("lblNextDay_0"), "2");
    QCOMPARE(text("lblPrevDay_13"), "31");
    QCOMPARE(text("lblPrevDay_12"), "30");
    QCOMPARE(text("lblDayLived_1"), "Day Lived -4");

    // Into March of a common year: the label left of the 1st reads 28.
    for (int i = 0; i < 28; ++i) {
        click("cmdNextDay");
    }
    QCOMPARE(m_roster->dtReportDate[0], QDate(2023, 3, 1));
    QCOMPARE(text("lblPrevDay_13"), "28");
}

void DisplayWindowTest::previousThenNextGivesTheSamePicture() {
    click("cmdEmotional");
    const QImage before = drawing();
    const QString date = text("lblDate");
    click("cmdPrevDay");
    QVERIFY(drawing() != before);
    QCOMPARE(m_roster->dtReportDate[0], QDate(2023, 1, 30));
    click("cmdNextDay");
    QCOMPARE(drawing(), before);
    QCOMPARE(text("lblDate"), date);
    QCOMPARE(text("lblNextDay_0"), "1");
}

void DisplayWindowTest::todayAfterNavigationSetsEveryReportDate() {
    m_roster->dtReportDate[1] = QDate(2020, 6, 1);
    click("cmdNextDay");
    click("cmdNextDay");
    QCOMPARE(m_roster->dtReportDate[1], QDate(2020, 6, 3));
    click("cmdToday");
    QCOMPARE(m_roster->dtReportDate[0], kToday);
    QCOMPARE(m_roster->dtReportDate[1], kToday);
    QCOMPARE(text("lblDate"), formatShortDate(kToday));
    QCOMPARE(text("lblNextDay_0"), "28");
    QCOMPARE(text("lblNextDay_1"), "29");
    QCOMPARE(text("lblNextDay_2"), "1");
}

void DisplayWindowTest::navigationKeepsTheViewAndTheCaptions() {
    const QStringList captions{text("lblPercentage_0"), text("lblPercentage_1"),
                               text("lblPercentage_2")};
    click("cmdIntellectual");
    click("cmdNextDay");
    QCOMPARE(m_window->CurrentView(), "Intellectual");
    QCOMPARE(text("lblCompatibilityType"), "Intellectual Compatibility");
    const QImage navigated = drawing();
    click("cmdIntellectual");
    QCOMPARE(drawing(), navigated);
    click("cmdPrevDay");
    click("cmdToday");
    QCOMPARE(m_window->CurrentView(), "Intellectual");
    QCOMPARE(
        (QStringList{text("lblPercentage_0"), text("lblPercentage_1"), text("lblPercentage_2")}),
        captions);
}

void DisplayWindowTest::navigationStopsAtTheLastSupportedDay() {
    m_roster->dtReportDate = {QDate(9999, 12, 30), QDate(9999, 12, 31), QDate()};
    click("cmdNextDay");
    QCOMPARE(m_roster->dtReportDate[0], QDate(9999, 12, 31));
    QCOMPARE(m_roster->dtReportDate[1], QDate(9999, 12, 31));
    click("cmdNextDay");
    QCOMPARE(m_roster->dtReportDate[0], QDate(9999, 12, 31));
    QCOMPARE(text("lblDate"), formatShortDate(QDate(9999, 12, 31)));
    QCOMPARE(text("lblNextDay_0"), "");
    QCOMPARE(text("lblPrevDay_13"), "30");
    click("cmdPrevDay");
    QCOMPARE(m_roster->dtReportDate[0], QDate(9999, 12, 30));
}

void DisplayWindowTest::exitLeavesTheChooserAndAnEmptyRoster_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("menu Exit") << "mnuExit";
    QTest::newRow("menu Back") << "mnuBack";
    QTest::newRow("close box") << "";
}

void DisplayWindowTest::exitLeavesTheChooserAndAnEmptyRoster() {
    QFETCH(QString, way);
    m_host->main().setChooserVisible(false);
    if (way.isEmpty()) {
        m_window->parentWidget()->close();
    } else {
        m_window->findChild<QAction*>(way)->trigger();
    }
    QCOMPARE(m_host->frameCount(), 0);
    QVERIFY(m_host->chooserVisible());
    QCOMPARE(m_host->ends, 0);
    QVERIFY(m_host->main().isVisible());
    for (int i = 0; i < modBiorhythmCompatibility::kSlots; ++i) {
        QVERIFY(m_roster->strPersonName[i].isEmpty());
        QCOMPARE(m_roster->dtBirthDate[i], modBiorhythmCompatibility::zeroDate());
        QCOMPARE(m_roster->dtReportDate[i], modBiorhythmCompatibility::zeroDate());
        QCOMPARE(m_roster->lngLineColor[i], 0u);
    }
    QCOMPARE(m_roster->intTotalPersons, 2);
}

void DisplayWindowTest::backLeadsToAFreshEntryWindow() {
    ModalAnswerer answerer;
    click("cmdBack");

    QCOMPARE(m_host->frameCount(), 1);
    auto* entry =
        m_host->window<frmBiorhythmCompatibilityMain>(kelvra::Program::CompatibilityEntry);
    QVERIFY(entry);
    QVERIFY(!m_host->chooserVisible());
    QVERIFY(m_host->main().exitScreen() != nullptr && !m_host->main().exitScreen()->isVisible());
    QVERIFY(m_roster->strPersonName[0].isEmpty());
    QCOMPARE(m_roster->dtBirthDate[0], modBiorhythmCompatibility::zeroDate());
    QCOMPARE(m_roster->intPersonsRemaining, 2);
    QCOMPARE(m_roster->intColorsRecorded, 0);
    QCOMPARE(entry->findChild<QLabel*>("lblDisp2")->text(),
             "You have already entered the details for 0 Person(s)");
    QVERIFY(answerer.seen().empty());
}

void DisplayWindowTest::helpMenuOpensPages() {
    UrlRecorder recorder;
    for (const char* item : {"mnuOnline", "mnuVisit", "mnuUpdate"}) {
        m_window->findChild<QAction*>(item)->trigger();
    }
    QCOMPARE(recorder.pageKeys(), (QStringList{"help-web-page", "home-page", "download-web-page"}));
}

void DisplayWindowTest::reportDayOfBirthCountsDayZero() {
    m_roster->dtReportDate[1] = m_roster->dtBirthDate[1];
    click("cmdEmotional");
    QCOMPARE(text("lblDayLived_1"), "Day Lived 0");
    QCOMPARE(text("lblDayLived_0"), "Day Lived 15733");
    // Each curve keeps its own report date; the labels above follow the first person's.
    QCOMPARE(text("lblDate"), formatShortDate(QDate(2023, 1, 31)));
}

void DisplayWindowTest::aboutOpensModallyAndReturns() {
    ModalAnswerer answerer;
    QString seen;
    answerer.handleOtherDialogsWith([&seen](QWidget* modal) {
        seen = modal->metaObject()->className();
        modal->close();
    });
    m_window->findChild<QAction*>("mnuAbout")->trigger();
    QCOMPARE(seen, "kelvra::frmAbout");
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->CurrentView(), "Physical");
}

void DisplayWindowTest::longNameStaysInItsColumn() {
    const QString name = QString(2000, QLatin1Char('W'));
    m_roster->strPersonName[0] = name;
    click("cmdPhysical");
    auto* first = m_window->findChild<QLabel*>("lblName_0");
    auto* second = m_window->findChild<QLabel*>("lblName_1");
    QCOMPARE(first->text(), name);
    QCOMPARE(first->toolTip(), name);
    QVERIFY(first->geometry().right() < m_window->findChild<QLabel*>("Picture1_1")->x());
    QCOMPARE(second->text(), "Bob");
}

void DisplayWindowTest::controlsStandAsLaidOut_data() {
    addLayoutColumns();
    const QColor any;
    const QString anyText;
    const QColor gold(255, 199, 6);
    const QColor blue(108, 177, 253);
    const auto row = [](const QString& name, QRect twips, const QString& text, bool bold,
                        double points, const QColor& color) {
        QTest::newRow(qPrintable(name)) << name << twips << text << bold << points << color;
    };
    row("lblLeast", {120, 0, 1290, 240}, "-14", true, 9.75, gold);
    row("lblMost", {11190, 0, 435, 240}, "14", true, 9.75, gold);
    row("lblCompatibilityType", {1920, 210, 0, 0}, "Physical Compatibility", true, 9,
        QColor(255, 192, 128));
    row("cmdToday", {5467, 120, 855, 375}, "Today", true, 8.25, any);
    row("cmdPrevDay", {120, 300, 615, 375}, "<", true, 8.25, any);
    row("cmdNextDay", {11010, 300, 615, 375}, ">", true, 8.25, any);
    row("picBiorhythm", {120, 750, 11505, 3735}, anyText, false, 0, any);
    row("Frame2", {120, 4530, 5475, 2505}, "Biorhythm Compatibility Details", true, 8.25, any);
    row("cmdPhysical", {240, 300, 1215, 375}, "&Physical", true, 8.25, any);
    row("cmdEmotional", {1575, 300, 1215, 375}, "&Emotional", true, 8.25, any);
    row("cmdIntellectual", {2910, 300, 1215, 375}, "&Intellectual", true, 8.25, any);
    row("cmdBack", {4245, 300, 1000, 375}, "&Back", true, 8.25, any);
    for (int k = 0; k < 10; ++k) {
        const bool left = k % 2 == 0;
        const int rowTop = 240 * (k / 2);
        row(QStringLiteral("Picture1_%1").arg(k), {left ? 240 : 2760, 960 + rowTop, 400, 200},
            anyText, false, 0, any);
        row(QStringLiteral("lblName_%1").arg(k), {left ? 720 : 3240, 975 + rowTop, 0, 0}, anyText,
            false, 8.25, gold);
    }
    const QList<QColor> percentColors{{255, 192, 255}, {192, 255, 192}, {192, 255, 255}};
    for (int k = 0; k < 3; ++k) {
        row(QStringLiteral("lblPercentage_%1").arg(k), {240, 1200 + 240 * k, 0, 0}, anyText, true,
            8.25, percentColors[k]);
    }
    row("Frame3", {5610, 4530, 5985, 2505}, "Biorhythm Compatibility Interpretation", true, 8.25,
        any);
    row("lblGreen", {90, 200, 5235, 195}, "Detailed Description of Biorhythm Compatibility Chart",
        false, 8.25, blue);
    row("lblInfo_0", {90, 420, 0, 0}, "Physical:", true, 8.25, blue);
    row("lblInfo_1", {90, 660, 5835, 1800}, anyText, false, 8.25, blue);
}

void DisplayWindowTest::controlsStandAsLaidOut() {
    QCOMPARE(m_window->clientArea()->size(), twipsSize(11715, 7065));
    QCOMPARE(m_window->clientArea()->palette().color(QPalette::Window), QColor(64, 0, 0));
    auto* date = m_window->findChild<QLabel*>("lblDate");
    QCOMPARE(date->y(), twipsToPixels(465));
    QCOMPARE(date->height(), twipsToPixels(240));
    QVERIFY(date->font().bold());
    checkLayoutRow(m_window);
}

void DisplayWindowTest::menuBarHoldsItsItems() {
    QCOMPARE(menuOutline(m_window->menuBar()),
             (QStringList{"&File > Create Biorythm Chart > Physical",
                          "&File > Create Biorythm Chart > Emotional",
                          "&File > Create Biorythm Chart > Intellectual", "&File > -",
                          "&File > Back", "&File > -", "&File > Exit", "Help > Online Help",
                          "Help > Visit Us Online", "Help > -", "Help > Check For Software Update",
                          "Help > -", "Help > &About Software"}));
}

KELVRA_TEST_MAIN(DisplayWindowTest)
#include "test_display_window.moc"
