#include "app/app_identity.h"
#include "app/clickable_label.h"
#include "app/twips.h"
#include "fake_program_window.h"
#include "layout_table.h"
#include "modal_answerer.h"
#include "shell/close_application.h"
#include "shell/exit_screen.h"
#include "shell/main_window.h"
#include "shell/welcome_panel.h"
#include "test_main.h"
#include "url_recorder.h"
#include "web/site_address.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <memory>

using kelvra::frmMDI;

namespace {
const QString kChart = QStringLiteral("frmBiorhythmChart");
const QString kEntry = QStringLiteral("frmBiorhythmCompatibilityMain");
const QString kDisplay = QStringLiteral("frmBiorhythmCompatibilityDisplay");
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_closeLog.clear();
        m_ends = 0;
        kelvra::setProcessEnder([this] { ++m_ends; });
        kelvra::ProgramWindowFactory programs;
        programs.chart = fake(kChart);
        programs.compatibilityEntry = fake(kEntry);
        programs.compatibilityDisplay = fake(kDisplay);
        m_window = std::make_unique<frmMDI>(programs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

private:
    kelvra::ProgramWindowFactory::Make fake(const QString& name) {
        return [this, name](kelvra::ProgramHost&) {
            return new FakeProgramWindow(name, m_closeLog);
        };
    }

private slots:

    void startsWithItsCaptionAndChooser() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Kelvra Biorhythms v1.15"));
        QVERIFY(picMain()->isVisible());
        QVERIFY(openWindowNames().isEmpty());
        QCOMPARE(button("cmdSelectOption_0")->text(), QStringLiteral("Biorhythm Chart Software"));
        QCOMPARE(button("cmdSelectOption_1")->text(), QStringLiteral("Biorhythm Compatibility"));
        QCOMPARE(caption(2)->text(),
                 QStringLiteral("Kelvra Biorhythms includes the following  programs"));
        QVERIFY(!m_window->windowIcon().isNull());
        QCOMPARE(m_window->findChild<QMdiArea*>()->background().color(), QColor(Qt::black));
    }

    void controlsFollowTheLayoutTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("twips"); // left, top, width, height; -1: not fixed
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("hand");
        using L = QList<double>;
        QTest::newRow("banner") << "lblPyrwellBanner" << L{-1, 0, 9480, 465} << 9.75 << true << true
                                << true;
        QTest::newRow("button frame")
            << "picButtonContainer" << L{-1, 0, 10815, 800} << -1.0 << false << false << false;
        QTest::newRow("chart icon")
            << "Picture2" << L{360, 180, 510, 510} << -1.0 << false << false << false;
        QTest::newRow("chart button")
            << "cmdSelectOption_0" << L{960, 180, 4290, 495} << 8.25 << true << false << false;
        QTest::newRow("compatibility icon")
            << "Picture3" << L{5520, 180, 510, 510} << -1.0 << false << false << false;
        QTest::newRow("compatibility button")
            << "cmdSelectOption_1" << L{6120, 180, 4290, 495} << 8.25 << true << false << false;
        QTest::newRow("welcome") << "lblCaption_0" << L{-1, 240, -1, -1} << 12.0 << true << false
                                 << false;
        QTest::newRow("description")
            << "lblCaption_1" << L{-1, 720, 8055, 1065} << 8.25 << true << false << false;
        QTest::newRow("programs") << "lblCaption_2" << L{-1, 1920, -1, -1} << 12.0 << true << false
                                  << false;
        QTest::newRow("chart caption")
            << "lblCaption_3" << L{-1, 2760, -1, -1} << 12.0 << true << false << true;
        QTest::newRow("compatibility caption")
            << "lblCaption_4" << L{-1, 3525, -1, -1} << 12.0 << true << false << true;
        QTest::newRow("offer") << "Label7" << L{120, 0, 6975, 615} << 8.25 << true << true << true;
        QTest::newRow("exit") << "cmdMdiExit" << L{-1, 120, 1335, 495} << 8.25 << true << false
                              << false;
    }

    void controlsFollowTheLayoutTable() {
        QFETCH(QString, name);
        QFETCH(QList<double>, twips);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(bool, hand);
        ControlLooks looks{twips, std::nullopt, std::nullopt, std::nullopt, QColor(), hand};
        if (points > 0) {
            looks.points = points;
            looks.bold = bold;
            looks.underline = underline;
        }
        checkControlLooks(m_window.get(), name, looks);
    }

    void stripsAreDockedWithTheirHeightsAndColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>(
            "below"); // the strip above it; "top" or "bottom" when docked there
        QTest::addColumn<double>("heightTwips");
        QTest::addColumn<QColor>("background");
        QTest::newRow("banner strip") << "Picture6"
                                      << "top" << 560.0 << QColor(192, 192, 255);
        QTest::newRow("button strip") << "Picture1"
                                      << "Picture6" << 900.0 << QColor();
        QTest::newRow("welcome panel") << "picMain"
                                       << "Picture1" << 8640.0 << QColor(Qt::black);
        QTest::newRow("offer strip") << "PicCoBrand"
                                     << "bottom" << 735.0 << QColor(192, 192, 255);
    }

    void stripsAreDockedWithTheirHeightsAndColours() {
        QFETCH(QString, name);
        QFETCH(QString, below);
        QFETCH(double, heightTwips);
        QFETCH(QColor, background);
        const QWidget* central = m_window->centralWidget();
        auto* strip = m_window->findChild<QWidget*>(name);
        QCOMPARE(strip->height(), kelvra::twipsToPixels(heightTwips));
        QCOMPARE(strip->width(), central->width());
        if (below == QLatin1String("top")) {
            QCOMPARE(strip->y(), 0);
        } else if (below == QLatin1String("bottom")) {
            QCOMPARE(strip->geometry().bottom(), central->rect().bottom());
        } else {
            QCOMPARE(strip->y(), m_window->findChild<QWidget*>(below)->geometry().bottom() + 1);
        }
        if (background.isValid()) {
            QCOMPARE(strip->grab().toImage().pixelColor(1, strip->height() - 2), background);
        }
    }

    void chartButtonOpensAFreshCentredChartWindow() {
        QTest::mouseClick(button("cmdSelectOption_0"), Qt::LeftButton);
        QCOMPARE(openWindowNames(), QStringList{kChart});
        QVERIFY(!picMain()->isVisible());
        QMdiSubWindow* first = openFrames().front();
        const int screenWidth = m_window->screen()->geometry().width();
        QCOMPARE(first->y(), 0);
        QVERIFY(std::abs(first->x() - (screenWidth - first->width()) / 2) <= 1);
        QPointer<QWidget> firstWindow = first->widget();

        QTest::mouseClick(button("cmdSelectOption_0"), Qt::LeftButton);
        QCOMPARE(openWindowNames(), QStringList{kChart});
        QCOMPARE(m_closeLog, std::vector<QString>{kChart});
        QVERIFY(openFrames().front()->widget() != firstWindow.data());
        QVERIFY(!picMain()->isVisible());
    }

    void choosingTheChartClosesTheCompatibilityWindowsInOrder() {
        m_window->openProgram(kelvra::Program::CompatibilityEntry);
        m_window->openProgram(kelvra::Program::CompatibilityDisplay);
        QTest::mouseClick(caption(3), Qt::LeftButton);
        QCOMPARE(m_closeLog, (std::vector<QString>{kDisplay, kEntry}));
        QCOMPARE(openWindowNames(), QStringList{kChart});
    }

    void chooserChoices_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opened");
        QTest::newRow("button 0") << "cmdSelectOption_0" << kChart;
        QTest::newRow("button 1") << "cmdSelectOption_1" << kEntry;
        QTest::newRow("caption 0") << "lblCaption_0" << QString();
        QTest::newRow("caption 1") << "lblCaption_1" << QString();
        QTest::newRow("caption 2") << "lblCaption_2" << QString();
        QTest::newRow("caption 3") << "lblCaption_3" << kChart;
        QTest::newRow("caption 4") << "lblCaption_4" << kEntry;
    }

    void chooserChoices() {
        QFETCH(QString, control);
        QFETCH(QString, opened);
        // Open the other program first, so every choice has something to close.
        m_window->openProgram(opened == kChart ? kelvra::Program::CompatibilityEntry
                                               : kelvra::Program::Chart);
        m_window->setChooserVisible(false);
        auto* widget = m_window->findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        widget->setVisible(true);
        picMain()->setVisible(true);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(m_closeLog.size(), size_t(1));
        QCOMPARE(openWindowNames(), opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(picMain()->isVisible(), opened.isEmpty());
    }

    void programWindowClosingItselfShowsTheChooser() {
        QTest::mouseClick(button("cmdSelectOption_1"), Qt::LeftButton);
        QVERIFY(!picMain()->isVisible());
        openFrames().front()->widget()->close();
        QVERIFY(picMain()->isVisible());
        QTRY_VERIFY(openWindowNames().isEmpty());
    }

    void closeBoxOfTheFrameShowsTheChooser() {
        QTest::mouseClick(button("cmdSelectOption_0"), Qt::LeftButton);
        openFrames().front()->close();
        QCOMPARE(m_closeLog, std::vector<QString>{kChart});
        QVERIFY(picMain()->isVisible());
    }

    void missingProgramOnlyClosesTheOthers() {
        kelvra::ProgramWindowFactory chartOnly;
        chartOnly.chart = fake(kChart);
        m_window = std::make_unique<frmMDI>(chartOnly);
        m_window->show();
        QTest::mouseClick(button("cmdSelectOption_0"), Qt::LeftButton);
        QTest::mouseClick(button("cmdSelectOption_1"), Qt::LeftButton);
        QVERIFY(openWindowNames().isEmpty());
        QVERIFY(picMain()->isVisible());
    }

    void hoverUnderlinesOnlyTheProgramCaptions() {
        for (int index = 0; index < kelvra::WelcomePanel::kCaptionCount; ++index) {
            QTest::mouseMove(caption(index), QPoint(3, 3));
            QCOMPARE(caption(index)->font().underline(), index == 3 || index == 4);
        }
        QVERIFY(caption(3)->font().underline());
        QTest::mouseMove(picMain(), QPoint(2, picMain()->height() - 2));
        for (int index = 0; index < kelvra::WelcomePanel::kCaptionCount; ++index) {
            QVERIFY(!caption(index)->font().underline());
        }
        QCOMPARE(caption(4)->palette().color(QPalette::WindowText), QColor(255, 0, 255));
    }

    void centresFromTheScreenWidthWithoutClamping_data() {
        QTest::addColumn<double>("screenTwips");
        QTest::addColumn<int>("containerLeft");
        QTest::addColumn<int>("exitLeft");
        QTest::newRow("wide") << 19200.0 << 280 << 1183;
        QTest::newRow("narrow") << 6000.0 << -161 << 303;
    }

    void centresFromTheScreenWidthWithoutClamping() {
        QFETCH(double, screenTwips);
        QFETCH(int, containerLeft);
        QFETCH(int, exitLeft);
        m_window->layOutForScreenWidth(screenTwips);
        QCOMPARE(m_window->findChild<QWidget*>(QStringLiteral("picButtonContainer"))->x(),
                 containerLeft);
        QCOMPARE(button("cmdMdiExit")->x(), exitLeft);
        QWidget* banner = m_window->findChild<QWidget*>(QStringLiteral("lblPyrwellBanner"));
        QCOMPARE(banner->x(), qRound((screenTwips - 9480) / 2 / 15));
        QLabel* welcome = caption(0);
        QVERIFY(std::abs(welcome->x() - (screenTwips / 15 - welcome->width()) / 2) <= 1);
    }

    void linksAndMenusOpenTheirPages_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("banner") << "lblPyrwellBanner"
                                << "home-page";
        QTest::newRow("banner strip") << "Picture6"
                                      << "home-page";
        QTest::newRow("offer") << "Label7"
                               << "fully-branded";
        QTest::newRow("online help") << "mnuOnline"
                                     << "help-web-page";
        QTest::newRow("visit") << "mnuVisit"
                               << "home-page";
        QTest::newRow("update") << "mnuUpdate"
                                << "download-web-page";
    }

    void linksAndMenusOpenTheirPages() {
        QFETCH(QString, control);
        QFETCH(QString, key);
        UrlRecorder recorder;
        if (control.startsWith(QLatin1String("mnu"))) {
            m_window->findChild<QAction*>(control)->trigger();
        } else {
            auto* widget = m_window->findChild<QWidget*>(control);
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
        }
        QCOMPARE(recorder.urls().size(), size_t(1));
        QCOMPARE(recorder.urls().front(), kelvra::modHelp::pageAddress(key));
    }

    void menusHoldTheirItemsInOrder() {
        QCOMPARE(menuOutline(m_window->menuBar()),
                 (QStringList{"&File > E&xit", "&Help > &Online Help", "&Help > &Visit Us Online",
                              "&Help > -", "&Help > Check for Software &Update", "&Help > -",
                              "&Help > &About Software"}));
        QStringList bar;
        for (QAction* action : m_window->menuBar()->actions()) {
            bar << action->text();
        }
        QCOMPARE(bar, (QStringList{"&File", "&Help", "Make Money &Online"}));
        QVERIFY(!m_window->findChild<QAction*>(QStringLiteral("mkmoney"))->isEnabled());
    }

    void aboutItemShowsTheAboutWindowModally() {
        QString seenTitle;
        QTimer::singleShot(0, this, [&seenTitle] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seenTitle = modal->objectName();
                modal->close();
            }
        });
        m_window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(seenTitle, QStringLiteral("frmAbout"));
    }

    void closingShowsTheExitScreenAndKeepsRunning_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("exit button") << "cmdMdiExit";
        QTest::newRow("exit item") << "mnuExit";
        QTest::newRow("close box") << "";
    }

    void closingShowsTheExitScreenAndKeepsRunning() {
        QFETCH(QString, way);
        QTest::mouseClick(button("cmdSelectOption_0"), Qt::LeftButton);
        if (way == QLatin1String("cmdMdiExit")) {
            QTest::mouseClick(button("cmdMdiExit"), Qt::LeftButton);
        } else if (way == QLatin1String("mnuExit")) {
            m_window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        } else {
            m_window->close();
        }
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_closeLog, std::vector<QString>{kChart});
        kelvra::frmNagScreen2* exitScreen = m_window->exitScreen();
        QVERIFY(exitScreen != nullptr);
        QVERIFY(exitScreen->isVisible());
        QCOMPARE(m_ends, 0);

        exitScreen->close();
        QCOMPARE(m_ends, 1);
    }

    void closeApplicationClosesEveryWindowOnceThenEnds() {
        QTest::mouseClick(button("cmdSelectOption_0"), Qt::LeftButton);
        m_window->hideExitScreen();
        m_window->closeApplication();
        QCOMPARE(m_closeLog, std::vector<QString>{kChart});
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_ends, 1);
    }

    void exitScreenIsMadeOnceAndHiddenOnRequest() {
        m_window->hideExitScreen();
        kelvra::frmNagScreen2* hidden = m_window->exitScreen();
        QVERIFY(hidden != nullptr);
        QVERIFY(!hidden->isVisible());
        m_window->close();
        QCOMPARE(m_window->exitScreen(), hidden);
        QVERIFY(hidden->isVisible());
    }

private:
    QWidget* picMain() const { return m_window->findChild<QWidget*>(QStringLiteral("picMain")); }

    QPushButton* button(const char* name) const {
        return m_window->findChild<QPushButton*>(QLatin1String(name));
    }

    kelvra::ClickableLabel* caption(int index) const {
        return m_window->findChild<kelvra::ClickableLabel*>(
            QStringLiteral("lblCaption_%1").arg(index));
    }

    QList<QMdiSubWindow*> openFrames() const {
        QList<QMdiSubWindow*> frames;
        for (QMdiSubWindow* frame : m_window->findChild<QMdiArea*>()->subWindowList()) {
            if (frame->isVisible()) {
                frames << frame;
            }
        }
        return frames;
    }

    QStringList openWindowNames() const {
        QStringList names;
        for (QMdiSubWindow* frame : openFrames()) {
            names << frame->widget()->objectName();
        }
        return names;
    }

    std::unique_ptr<frmMDI> m_window;
    std::vector<QString> m_closeLog;
    int m_ends = 0;
};

KELVRA_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
