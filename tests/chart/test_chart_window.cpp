#include "chart/chart_surface.h"
#include "chart/chart_window.h"

#include "app/clock.h"
#include "app/short_date.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "hosted_programs.h"
#include "modal_answerer.h"
#include "test_main.h"
#include "unwritable_store.h"
#include "url_recorder.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

using namespace kelvra;

namespace {
const QDate kToday(2026, 3, 15);

QString pageAddress(const QString& key) {
    return QStringLiteral("/kelvra-free-biorhythms/ssd.php?page=") + key;
}

// Red pixels in the top row of the chart, and the report-day line, in the window's image.
struct ChartColumns {
    double physicalPeak = -1;
    int reportDayLine = -1;
};

ChartColumns findColumns(QWidget& window, const ChartSurface& surface) {
    const QImage image = window.grab().toImage();
    // The grab has device pixels; the columns found are given in logical pixels.
    const double ratio = image.devicePixelRatio();
    const QRect inner = surface.contentsRect().translated(surface.mapTo(&window, QPoint(0, 0)));
    const auto device = [ratio](int logical) {
        return static_cast<int>(std::ceil(logical * ratio));
    };
    ChartColumns columns;
    double sum = 0;
    int count = 0;
    for (int x = device(inner.left()); x < device(inner.right() + 1); ++x) {
        if (image.pixel(x, device(inner.top())) == qRgb(255, 0, 0)) {
            sum += x / ratio;
            ++count;
        }
        // Below the top row and away from the curves' peaks the line is the only white.
        if (image.pixel(x, device(inner.top() + 100)) == qRgb(255, 255, 255) &&
            image.pixel(x, device(inner.top() + 300)) == qRgb(255, 255, 255)) {
            columns.reportDayLine = static_cast<int>(x / ratio);
        }
    }
    columns.physicalPeak = count == 0 ? -1 : sum / count;
    return columns;
}
} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        setTodayOverride(kToday);
        // Reminded today: the window's start asks nothing.
        m_host = std::make_unique<HostedPrograms>(m_roster);
        m_answerer = std::make_unique<ModalAnswerer>();
        m_urls = std::make_unique<UrlRecorder>();
        openWindow();
    }

    void cleanup() {
        m_urls.reset();
        m_answerer.reset();
        m_host.reset();
        setTodayOverride(std::nullopt);
    }

    void startsWithTheDefaults() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Kelvra Biorhythm Chart Software"));
        QCOMPARE(box("cboBirthMonth")->currentText(), QStringLiteral("Jan"));
        QCOMPARE(box("cboBirthDay")->currentText(), QStringLiteral("4"));
        QCOMPARE(box("cboBirthYear")->currentText(), QStringLiteral("1980"));
        QCOMPARE(box("cboBirthYear")->currentIndex(), 80);
        QCOMPARE(box("cboReportMonth")->currentText(), QStringLiteral("Mar"));
        QCOMPARE(box("cboReportDay")->currentText(), QStringLiteral("15"));
        QCOMPARE(box("cboReportYear")->currentText(), QStringLiteral("2026"));
        QCOMPARE(box("cboBirthMonth")->count(), 12);
        QCOMPARE(box("cboBirthDay")->count(), 31);
        QCOMPARE(box("cboBirthYear")->count(), 121);
        QCOMPARE(box("cboReportYear")->count(), 200);
        QCOMPARE(box("cboReportYear")->itemText(199), QStringLiteral("2099"));
        QVERIFY(!box("cboBirthMonth")->isEditable());
        QVERIFY(!box("cboBirthYear")->isEditable());
        QVERIFY(box("cboReportYear")->isEditable());
        QCOMPARE(m_window->ReportDate(), kToday);
        QVERIFY(!m_window->BirthDate().has_value());
        QCOMPARE(label("lblInfo_0")->text(), QStringLiteral("General:"));
        QCOMPARE(label("lblDate")->text(), formatShortDate(kToday));
        QCOMPARE(label("lblLeast")->text(), QStringLiteral("-14"));
        QCOMPARE(label("lblMost")->text(), QStringLiteral("14"));
        QCOMPARE(m_window->chartSurface().horizontalExtent(), 28.0);
        QVERIFY(m_answerer->seen().empty());
    }

    void noChartIsDrawnAtStart() {
        const QImage drawing = m_window->chartSurface().drawing();
        for (int y = 0; y < drawing.height(); y += 3) {
            for (int x = 0; x < drawing.width(); x += 3) {
                QCOMPARE(qAlpha(drawing.pixel(x, y)), 0);
            }
        }
    }

    void hasAFixedClientAreaWithTheControlsInPlace() {
        QCOMPARE(m_window->findChild<QWidget*>("clientArea")->size(), QSize(693, 485));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QCOMPARE(m_window->findChild<QWidget*>("picBiorhythm")->geometry(), QRect(2, 52, 431, 431));
        QCOMPARE(m_window->findChild<QGroupBox*>("Frame2")->geometry(), QRect(438, 18, 255, 113));
        QCOMPARE(box("cboReportYear")->geometry(), QRect(184, 52, 65, 21));
        QCOMPARE(m_window->findChild<QPushButton*>("cmdBiorythm")->text(),
                 QStringLiteral("Create Biorhythm Chart"));
        QCOMPARE(m_window->findChild<QWidget*>("Label1")->cursor().shape(), Qt::PointingHandCursor);
        // The captions end left of the date boxes beside them.
        for (const char* name : {"lblBirthday", "lblReport"}) {
            QLabel* caption = label(name);
            const int textEnd =
                caption->x() + caption->fontMetrics().horizontalAdvance(caption->text().trimmed());
            QVERIFY2(textEnd < box("cboBirthMonth")->x(), name);
            QVERIFY2(caption->x() > 1, name); // clear of the frame's line
        }
    }

    void controlsStandWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<bool>("mayGrow"); // widened to a text our face sets wider
        const auto row = [](const char* name, QRect twips, bool mayGrow = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << twips << mayGrow;
        };
        row("Label1", twipsRect(450, 30, 9480, 195));
        row("lblLeast", twipsRect(60, 540, 1290, 240));
        row("lblMost", twipsRect(5520, 540, 1005, 240));
        row("picBiorhythm", twipsRect(30, 780, 6465, 6465));
        row("Frame2", twipsRect(6570, 270, 3825, 1695));
        row("lblBirthday", twipsRect(360, 255, 825, 240), true);
        row("cboBirthMonth", twipsRect(1230, 210, 735, 315));
        row("cboBirthDay", twipsRect(2070, 210, 615, 315));
        row("cboBirthYear", twipsRect(2760, 210, 975, 315));
        row("lblReport", twipsRect(90, 810, 1125, 240), true);
        row("cboReportMonth", twipsRect(1230, 780, 735, 315));
        row("cboReportDay", twipsRect(2070, 780, 615, 315));
        row("cboReportYear", twipsRect(2760, 780, 975, 315));
        row("cmdBiorythm", twipsRect(690, 1230, 2445, 345));
        row("Frame3", twipsRect(6570, 2010, 3825, 3495));
        row("picExplain", twipsRect(90, 210, 3675, 405));
        row("lblRed", twipsRect(120, 90, 585, 195), true);
        row("lblGreen", twipsRect(1410, 90, 690, 195), true);
        row("lblViolet", twipsRect(2790, 90, 765, 195), true);
        row("lblInfo_0", twipsRect(90, 660, 735, 195), true);
        row("lblInfo_1", twipsRect(90, 945, 3675, 2475));
        row("Frame1", twipsRect(6570, 5550, 3825, 1695));
        row("lblFullBrand", twipsRect(120, 120, 3585, 1095));
        row("lblCobrand", twipsRect(120, 120, 3585, 1095));
    }

    void controlsStandWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, designed);
        QFETCH(bool, mayGrow);
        const QRect actual = m_window->findChild<QWidget*>(name)->geometry();
        if (!mayGrow) {
            QCOMPARE(actual, designed);
            return;
        }
        QCOMPARE(actual.top(), designed.top());
        QCOMPARE(actual.height(), designed.height());
        QVERIFY(actual.width() >= designed.width());
        QVERIFY(actual.intersects(designed));
    }

    void controlsHaveTheirFaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underlined");
        const auto row = [](const char* name, double points, bool bold, bool underlined) {
            QTest::newRow(name) << QString::fromLatin1(name) << points << bold << underlined;
        };
        row("Label1", 8.25, true, true);
        row("lblFullBrand", 8.25, true, true);
        row("lblCobrand", 8.25, true, true);
        row("lblLeast", 9.75, true, false);
        row("lblDate", 9.75, true, false);
        row("lblMost", 9.75, true, false);
        row("Frame2", 8.25, true, false);
        row("Frame3", 8.25, true, false);
        row("lblBirthday", 9.75, false, false);
        row("lblReport", 9.75, false, false);
        row("cboBirthDay", 8.25, false, false);
        row("cmdBiorythm", 8.25, true, false);
        row("lblRed", 8.25, false, false);
        row("lblInfo_0", 8.25, true, false);
        row("lblPercent_1", 8.25, true, false);
    }

    void controlsHaveTheirFaces() {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, underlined);
        const QFont face = m_window->findChild<QWidget*>(name)->font();
        QCOMPARE(face.family(), uiFontFamily());
        QCOMPARE(face.pointSizeF(), points);
        QCOMPARE(face.bold(), bold);
        QCOMPARE(face.underline(), underlined);
    }

    void menusHoldTheirItemsInOrder() {
        const auto items = [this](const char* menuName) {
            QStringList seen;
            for (const QAction* action : m_window->findChild<QMenu*>(menuName)->actions()) {
                seen << action->objectName() + QLatin1Char('=') + action->text();
            }
            return seen;
        };
        const auto bar = m_window->findChild<QMenuBar*>("menuBar")->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QCOMPARE(bar[1]->text(), QStringLiteral("Help"));
        QCOMPARE(items("mnuFile"),
                 QStringList({"mnuRun=&Create Biorythm Chart", "mnuhg=", "mnuE=Exit"}));
        QCOMPARE(items("mnuHelp"), QStringList({"mnuOnline=Online &Help", "mnuV=Visit Us Online",
                                                "sep2=", "mnuCheckUpdate=Check For Update",
                                                "sep1=", "mnuS=About Us"}));
    }

    void tabOrderFollowsTheDateBoxes() {
        const QStringList expected{"cboReportMonth", "cboReportDay", "cboBirthDay",
                                   "cboBirthMonth",  "cmdBiorythm",  "cboBirthYear",
                                   "cboReportYear"};
        box("cboReportMonth")->setFocus(Qt::TabFocusReason);
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int step = 1; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void leavingADayBoxCorrectsIt_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("corrected");
        QTest::newRow("birth day 0") << "cboBirthDay"
                                     << "0"
                                     << "4";
        QTest::newRow("birth day 32") << "cboBirthDay"
                                      << "32"
                                      << "4";
        QTest::newRow("birth day 7.9") << "cboBirthDay"
                                       << "7.9"
                                       << "7";
        QTest::newRow("birth day text") << "cboBirthDay"
                                        << "abc"
                                        << "4";
        QTest::newRow("report day 0") << "cboReportDay"
                                      << "0"
                                      << "15";
        QTest::newRow("report day 32") << "cboReportDay"
                                       << "32"
                                       << "15";
        QTest::newRow("report day 12abc") << "cboReportDay"
                                          << "12abc"
                                          << "12";
        QTest::newRow("report year 99") << "cboReportYear"
                                        << "99"
                                        << "1984";
        QTest::newRow("report year 2030") << "cboReportYear"
                                          << "2030"
                                          << "2030";
        QTest::newRow("report year 12345") << "cboReportYear"
                                           << "12345"
                                           << "12345";
    }

    void leavingADayBoxCorrectsIt() {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, corrected);
        QComboBox* edited = typeInto(boxName, typed);
        QTest::keyClick(edited, Qt::Key_Tab);
        QVERIFY(!edited->hasFocus());
        QTRY_COMPARE(edited->currentText(), corrected);
    }

    void listOpensAtTheShownEntry_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("report year at start") << "cboReportYear"
                                              << ""
                                              << "2026";
        QTest::newRow("birth day at start") << "cboBirthDay"
                                            << ""
                                            << "4";
        QTest::newRow("typed report day") << "cboReportDay"
                                          << "12"
                                          << "12";
    }

    void listOpensAtTheShownEntry() {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QComboBox* target = typed.isEmpty() ? box(boxName) : typeInto(boxName, typed);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          QPoint(target->width() - 5, target->height() / 2));
        QTRY_VERIFY(target->view()->isVisible());
        QCOMPARE(target->view()->currentIndex().data().toString(), shown);
        // Enter on the opened list keeps what the box showed.
        QTest::keyClick(target->view(), Qt::Key_Return);
        QTRY_VERIFY(!target->view()->isVisible());
        QCOMPARE(target->currentText(), shown);
    }

    void clickingElsewhereCorrectsTheBox() {
        QComboBox* edited = typeInto("cboBirthDay", "45");
        QTest::mouseClick(box("cboReportYear"), Qt::LeftButton);
        QTRY_COMPARE(edited->currentText(), QStringLiteral("4"));
        closePopups();
    }

    void buttonCorrectsTheEditedBoxBeforeDrawing() {
        typeInto("cboBirthDay", "7.9");
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(box("cboBirthDay")->currentText(), QStringLiteral("7"));
        QVERIFY(m_answerer->seen().empty());
        QCOMPARE(m_window->BirthDate(), QDate(1980, 1, 7));
    }

    void menuByKeyboardComposesTheTextAsTyped() {
        typeInto("cboBirthDay", "7.9");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QMenu* file = m_window->findChild<QMenu*>("mnuFile");
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_C);
        QTRY_COMPARE(m_answerer->seen().size(), std::size_t{1});
        QCOMPARE(m_answerer->seen()[0].text, QStringLiteral("Please Enter A Valid Birthday"));
        QCOMPARE(box("cboBirthDay")->currentText(), QStringLiteral("7.9"));
        QVERIFY(!m_window->BirthDate().has_value());
    }

    void menuByMouseDrawsWithTheTypedDay() {
        typeInto("cboBirthDay", "9");
        QMenuBar* bar = m_host->main().menuBar();
        QMenu* file = m_window->findChild<QMenu*>("mnuFile");
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QTRY_VERIFY(file->isVisible());
        auto* run = m_window->findChild<QAction*>("mnuRun");
        QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(run).center());
        QTRY_COMPARE(m_window->BirthDate(), QDate(1980, 1, 9));
        QVERIFY(m_answerer->seen().empty());
        // The box was never left, so no correction ran on it.
        QCOMPARE(box("cboBirthDay")->currentText(), QStringLiteral("9"));
    }

    void menuOpenedOverAnImpossibleDayLeavesItUncorrected() {
        typeInto("cboBirthDay", "45");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QMenu* file = m_window->findChild<QMenu*>("mnuFile");
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
        QCOMPARE(box("cboBirthDay")->currentText(), QStringLiteral("45"));
    }

    void invalidDatesAreRefusedAndChangeNothing_data() {
        QTest::addColumn<int>("birthMonth");
        QTest::addColumn<QString>("birthDay");
        QTest::addColumn<QString>("birthYear");
        QTest::addColumn<QString>("reportDay");
        QTest::addColumn<QString>("reportYear");
        QTest::addColumn<QString>("message");
        const QString birthday = QStringLiteral("Please Enter A Valid Birthday");
        const QString reportDay = QStringLiteral("Please Enter A Valid Report Day");
        QTest::newRow("31 April") << 3 << "31"
                                  << "1980"
                                  << "15"
                                  << "2026" << birthday;
        QTest::newRow("29 February 1900") << 1 << "29"
                                          << "1900"
                                          << "15"
                                          << "2026" << birthday;
        QTest::newRow("29 February 2011") << 1 << "29"
                                          << "2011"
                                          << "15"
                                          << "2026" << birthday;
        QTest::newRow("report year 12345") << 0 << "4"
                                           << "1980"
                                           << "15"
                                           << "12345" << reportDay;
        QTest::newRow("report 31 March ok, day 0") << 0 << "4"
                                                   << "1980"
                                                   << "0"
                                                   << "2026" << reportDay;
        QTest::newRow("both invalid, birthday first") << 3 << "31"
                                                      << "1980"
                                                      << "40"
                                                      << "-1" << birthday;
    }

    void invalidDatesAreRefusedAndChangeNothing() {
        QFETCH(int, birthMonth);
        QFETCH(QString, birthDay);
        QFETCH(QString, birthYear);
        QFETCH(QString, reportDay);
        QFETCH(QString, reportYear);
        QFETCH(QString, message);
        clickCreate();
        const QImage before = m_window->chartSurface().snapshot();
        const QString dateLabel = label("lblDate")->text();

        box("cboBirthMonth")->setCurrentIndex(birthMonth);
        box("cboBirthDay")->setEditText(birthDay);
        box("cboBirthYear")->setCurrentText(birthYear);
        box("cboReportDay")->setEditText(reportDay);
        box("cboReportYear")->setEditText(reportYear);
        m_window->findChild<QAction*>("mnuRun")->trigger();

        QCOMPARE(m_answerer->seen().size(), std::size_t{1});
        const SeenMessage& seen = m_answerer->seen()[0];
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.title, QStringLiteral("Kelvra Biorhythms"));
        QCOMPARE(m_window->chartSurface().snapshot(), before);
        QCOMPARE(label("lblDate")->text(), dateLabel);
        QCOMPARE(m_window->BirthDate(), QDate(1980, 1, 4));
        QCOMPARE(m_window->ReportDate(), kToday);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void validDatesDraw_data() {
        QTest::addColumn<int>("birthMonth");
        QTest::addColumn<QString>("birthDay");
        QTest::addColumn<QString>("birthYear");
        QTest::addColumn<QDate>("birth");
        QTest::newRow("31 March") << 2 << "31"
                                  << "1980" << QDate(1980, 3, 31);
        QTest::newRow("29 February 2000") << 1 << "29"
                                          << "2000" << QDate(2000, 2, 29);
        QTest::newRow("29 February 2012") << 1 << "29"
                                          << "2012" << QDate(2012, 2, 29);
    }

    void validDatesDraw() {
        QFETCH(int, birthMonth);
        QFETCH(QString, birthDay);
        QFETCH(QString, birthYear);
        QFETCH(QDate, birth);
        box("cboBirthMonth")->setCurrentIndex(birthMonth);
        box("cboBirthDay")->setEditText(birthDay);
        box("cboBirthYear")->setCurrentText(birthYear);
        clickCreate();
        QVERIFY(m_answerer->seen().empty());
        QCOMPARE(m_window->BirthDate(), birth);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void reportDateMovesTheDateLabel() {
        box("cboReportMonth")->setCurrentIndex(11);
        box("cboReportDay")->setEditText("31");
        box("cboReportYear")->setEditText("2030");
        clickCreate();
        QCOMPARE(m_window->ReportDate(), QDate(2030, 12, 31));
        QCOMPARE(label("lblDate")->text(), formatShortDate(QDate(2030, 12, 31)));
    }

    void physicalPeakLiesTwoAndAQuarterDaysBeforeTheReportDay() {
        box("cboReportMonth")->setCurrentIndex(1);
        box("cboReportDay")->setEditText("4");
        box("cboReportYear")->setEditText("1980");
        clickCreate();
        QCOMPARE(m_window->ReportDate(), QDate(1980, 2, 4));
        const ChartColumns columns = findColumns(*m_window, m_window->chartSurface());
        QVERIFY(columns.reportDayLine >= 0 && columns.physicalPeak >= 0);
        const double days = (columns.reportDayLine - columns.physicalPeak) * 28 / 427;
        QVERIFY2(std::abs(days - 2.25) < 0.1, qPrintable(QString::number(days)));
    }

    void explanationFollowsTheMouse() {
        auto* strip = m_window->findChild<QWidget*>("picExplain");
        auto* physical = m_window->findChild<QWidget*>("lblRed");
        hoverOver(physical, QPoint(5, 5));
        QTRY_COMPARE(label("lblInfo_0")->text(), QStringLiteral("Physical:"));
        QVERIFY(label("lblInfo_1")->text().startsWith("This cycle indicates your physical"));
        hoverOver(strip, QPoint(strip->width() - 3, strip->height() - 3));
        QTRY_COMPARE(label("lblInfo_0")->text(), QStringLiteral("General:"));
        const QString text = label("lblInfo_1")->text();
        QVERIFY(text.contains(QStringLiteral("to the future.\r\nThe numbers from +100%")));
        hoverOver(m_window->findChild<QWidget*>("lblViolet"), QPoint(5, 5));
        QTRY_COMPARE(label("lblInfo_0")->text(), QStringLiteral("Intellectual:"));
        hoverOver(m_window->findChild<QWidget*>("lblGreen"), QPoint(5, 5));
        QTRY_COMPARE(label("lblInfo_0")->text(), QStringLiteral("Emotional:"));
    }

    void explanationIsRewrittenOnlyWhenTheHeadingChanges() {
        hoverOver(m_window->findChild<QWidget*>("lblRed"), QPoint(5, 5));
        QTRY_COMPARE(label("lblInfo_0")->text(), QStringLiteral("Physical:"));
        label("lblInfo_1")->setText("marker");
        hoverOver(m_window->findChild<QWidget*>("lblRed"), QPoint(9, 6));
        QTest::qWait(20);
        QCOMPARE(label("lblInfo_1")->text(), QStringLiteral("marker"));
    }

    void menuItemsOpenTheirPages_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("Online Help") << "mnuOnline" << pageAddress("help-web-page");
        QTest::newRow("Visit Us Online") << "mnuV" << pageAddress("home-page");
        QTest::newRow("Check For Update") << "mnuCheckUpdate" << pageAddress("download-web-page");
    }

    void menuItemsOpenTheirPages() {
        QFETCH(QString, item);
        QFETCH(QString, page);
        m_window->findChild<QAction*>(item)->trigger();
        QCOMPARE(m_urls->urls().size(), std::size_t{1});
        QVERIFY2(m_urls->urls()[0].toString().endsWith(page),
                 qPrintable(m_urls->urls()[0].toString()));
    }

    void helpMenuOpensByMouse() {
        QMenuBar* bar = m_host->main().menuBar();
        QMenu* help = m_window->findChild<QMenu*>("mnuHelp");
        QCOMPARE(help->title(), QStringLiteral("Help"));
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(help->menuAction()).center());
        QTRY_VERIFY(help->isVisible());
        auto* online = m_window->findChild<QAction*>("mnuOnline");
        QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(online).center());
        QTRY_COMPARE(m_urls->urls().size(), std::size_t{1});
        QVERIFY(m_urls->urls()[0].toString().endsWith(pageAddress("help-web-page")));
    }

    void linksOpenTheirPages() {
        QTest::mouseClick(m_window->findChild<QWidget*>("lblCobrand"), Qt::LeftButton);
        QTest::mouseClick(m_window->findChild<QWidget*>("lblFullBrand"), Qt::LeftButton);
        QTest::mouseClick(m_window->findChild<QWidget*>("Label1"), Qt::LeftButton);
        QCOMPARE(m_urls->urls().size(), std::size_t{3});
        QVERIFY(m_urls->urls()[0].toString().endsWith(pageAddress("co-brand")));
        QVERIFY(m_urls->urls()[1].toString().endsWith(pageAddress("fully-branded")));
        const QUrl root = m_urls->urls()[2];
        QCOMPARE(root.scheme(), QStringLiteral("http"));
        QVERIFY(root.query().isEmpty());
        QVERIFY(!root.host().isEmpty());
        QVERIFY(m_window->findChild<QLabel*>("Label1")->text().contains(root.host()));
    }

    void coBrandLinkLiesOnTop() {
        auto* frame = m_window->findChild<QWidget*>("Frame1");
        auto* coBrand = m_window->findChild<QWidget*>("lblCobrand");
        QCOMPARE(frame->childAt(coBrand->geometry().center()), coBrand);
        QCOMPARE(coBrand->geometry(), m_window->findChild<QWidget*>("lblFullBrand")->geometry());
        QVERIFY(m_window->findChild<QLabel*>("lblCobrand")
                    ->text()
                    .contains(QStringLiteral(
                        "Put your site's name &  link here. See \"Help\" for details.")));
    }

    void aboutUsShowsTheAboutWindowModally() {
        QString shown;
        QWidget* owner = nullptr;
        m_answerer->handleOtherDialogsWith([&](QWidget* dialog) {
            shown = dialog->metaObject()->className();
            owner = dialog->parentWidget();
            dialog->close();
        });
        m_window->findChild<QAction*>("mnuS")->trigger();
        QCOMPARE(shown, QStringLiteral("kelvra::frmAbout"));
        QCOMPARE(owner, m_window.data());
    }

    void exitClosesTheWindowAndSignalsIt() {
        QSignalSpy closed(m_window.data(), &frmBiorhythmChart::closed);
        m_window->findChild<QAction*>("mnuE")->trigger();
        QCOMPARE(closed.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_window.isNull());
    }

    void closeBoxSignalsOnce() {
        QSignalSpy closed(m_window.data(), &frmBiorhythmChart::closed);
        QVERIFY(m_window->close());
        QCOMPARE(closed.count(), 1);
    }

    void reopeningStartsFromTheDefaults() {
        box("cboBirthDay")->setEditText("17");
        box("cboReportYear")->setEditText("2030");
        clickCreate();
        m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        openWindow();
        QCOMPARE(box("cboBirthDay")->currentText(), QStringLiteral("4"));
        QCOMPARE(box("cboReportYear")->currentText(), QStringLiteral("2026"));
        QVERIFY(!m_window->BirthDate().has_value());
    }

    void startRunsTheUpdateReminder() {
        m_window->closeWindow();
        m_host->settings().setValue("Settings/Duration", kToday.addDays(-15).toString(Qt::ISODate));
        m_answerer->answerWith(QMessageBox::No);
        openWindow();
        QCOMPARE(m_answerer->seen().size(), std::size_t{1});
        QVERIFY(m_answerer->seen()[0].text.contains(QStringLiteral("update")));
        QCOMPARE(m_host->settings().value("Settings/Duration").toString(),
                 kToday.toString(Qt::ISODate));
        QVERIFY(m_urls->urls().empty());
    }

    void unwritableStoreAsksNothingAtOpening() {
        m_window->closeWindow();
        m_host->settings().setValue("Settings/Duration", kToday.addDays(-15).toString(Qt::ISODate));
        QVERIFY(makeUnwritable(m_host->settings()));
        openWindow();
        QVERIFY(m_answerer->seen().empty());
        QVERIFY(m_window->isVisible());
    }

private:
    void openWindow() {
        m_window = m_host->open<frmBiorhythmChart>(Program::Chart);
        QVERIFY(m_window);
    }

    QComboBox* box(const char* name) const { return m_window->findChild<QComboBox*>(name); }
    QComboBox* box(const QString& name) const { return m_window->findChild<QComboBox*>(name); }
    QLabel* label(const char* name) const { return m_window->findChild<QLabel*>(name); }
    QPushButton* button() const { return m_window->findChild<QPushButton*>("cmdBiorythm"); }

    QComboBox* typeInto(const QString& name, const QString& text) {
        QComboBox* target = box(name);
        target->setFocus(Qt::TabFocusReason);
        target->lineEdit()->selectAll();
        QTest::keyClicks(target, text);
        return target;
    }

    void clickCreate() { QTest::mouseClick(button(), Qt::LeftButton); }

    void closePopups() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    modBiorhythmCompatibility m_roster;
    std::unique_ptr<HostedPrograms> m_host;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<UrlRecorder> m_urls;
    QPointer<frmBiorhythmChart> m_window;
};

KELVRA_TEST_MAIN(ChartWindowTest)
#include "test_chart_window.moc"
