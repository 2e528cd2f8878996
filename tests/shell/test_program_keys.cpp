#include "hosted_programs.h"
#include "modal_answerer.h"
#include "test_main.h"

#include "chart/chart_window.h"
#include "compat/display_window.h"
#include "compat/entry_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

using namespace kelvra;

namespace {
const QDate kToday(2026, 12, 9);

// What a text or drop-down box holds; empty for other controls.
QString textOf(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        return line->text();
    }
    const auto* box = qobject_cast<const QComboBox*>(widget);
    return box != nullptr ? box->currentText() : QString();
}

QStringList visibleMenuBars(const QWidget& window) {
    QStringList bars;
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        if (bar->isVisible()) {
            bars << bar->parentWidget()->objectName();
        }
    }
    return bars;
}
} // namespace

// The program windows inside the real main window: whose keys, menus and focus are whose.
class ProgramKeysTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void accessKeysBelongToTheWindowInFront_data();
    void accessKeysBelongToTheWindowInFront();
    void displayViewsAnswerTheirKeysInTurn();
    void pressInsideTheWindowCorrectsNoBox_data();
    void pressInsideTheWindowCorrectsNoBox();
    void tabCyclesWithinTheProgramWindow_data();
    void tabCyclesWithinTheProgramWindow();
    void f6MovesBetweenTheProgramWindowAndTheStrips();
    void oneMenuBarShowsTheActiveWindowsMenus();
    void windowStaysWhileItsModalBoxWaits();

private:
    ProgramWindow* open(Program program);

    modBiorhythmCompatibility m_roster;
    std::unique_ptr<HostedPrograms> m_host;
    std::unique_ptr<ModalAnswerer> m_answerer;
};

void ProgramKeysTest::init() {
    setTodayOverride(kToday);
    m_roster = modBiorhythmCompatibility();
    fillCouple(m_roster, kToday);
    m_host = std::make_unique<HostedPrograms>(m_roster);
    m_answerer = std::make_unique<ModalAnswerer>();
}

void ProgramKeysTest::cleanup() {
    m_answerer.reset();
    m_host.reset();
    setTodayOverride(std::nullopt);
}

ProgramWindow* ProgramKeysTest::open(Program program) {
    return m_host->open<ProgramWindow>(program);
}

void ProgramKeysTest::accessKeysBelongToTheWindowInFront_data() {
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menuShown");
    QTest::addColumn<QString>("view");
    const auto chart = int(Program::Chart);
    const auto entry = int(Program::CompatibilityEntry);
    const auto display = int(Program::CompatibilityDisplay);
    QTest::newRow("display Alt+E draws Emotional") << display << "cmdToday" << int(Qt::Key_E) << ""
                                                   << "Emotional";
    QTest::newRow("display Alt+I from a swatch-side button")
        << display << "cmdNextDay" << int(Qt::Key_I) << ""
        << "Intellectual";
    QTest::newRow("display Alt+H opens nothing") << display << "" << int(Qt::Key_H) << ""
                                                 << "";
    QTest::newRow("display Alt+F its own File") << display << "" << int(Qt::Key_F) << "mnuFile"
                                                << "";
    QTest::newRow("chart Alt+E keeps the main window")
        << chart << "cboBirthDay" << int(Qt::Key_E) << ""
        << "";
    QTest::newRow("chart Alt+H opens nothing") << chart << "cboBirthDay" << int(Qt::Key_H) << ""
                                               << "";
    QTest::newRow("chart Alt+F its own File")
        << chart << "cboReportYear" << int(Qt::Key_F) << "mnuFile"
        << "";
    QTest::newRow("entry Alt+E keeps the name") << entry << "txtVisitorName" << int(Qt::Key_E) << ""
                                                << "";
    QTest::newRow("entry Alt+H its own Help")
        << entry << "txtVisitorName" << int(Qt::Key_H) << "mnuHelp"
        << "";
}

void ProgramKeysTest::accessKeysBelongToTheWindowInFront() {
    QFETCH(int, program);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, menuShown);
    QFETCH(QString, view);
    ProgramWindow* window = open(static_cast<Program>(program));
    QVERIFY(window);
    if (!focus.isEmpty()) {
        window->findChild<QWidget*>(focus)->setFocus(Qt::TabFocusReason);
    }
    if (auto* name = window->findChild<QLineEdit*>("txtVisitorName")) {
        QTest::keyClicks(name, "Ann");
    }
    QWidget* focused = QApplication::focusWidget();
    const QString typed = textOf(focused);
    QTest::keyClick(focused, static_cast<Qt::Key>(key), Qt::AltModifier);
    QTest::qWait(50);

    QVERIFY(m_host->main().isVisible());
    QVERIFY(m_host->main().exitScreen() == nullptr);
    QCOMPARE(m_host->frameCount(), 1);
    QMenu* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(popup != nullptr ? popup->objectName() : QString(), menuShown);
    if (popup != nullptr) {
        QVERIFY(window->findChildren<QMenu*>().contains(popup));
        popup->close();
    }
    QCOMPARE(textOf(focused), typed);
    if (auto* shown = qobject_cast<frmBiorhythmCompatibilityDisplay*>(window); !view.isEmpty()) {
        QTRY_COMPARE(shown->CurrentView(), view);
    }
}

void ProgramKeysTest::displayViewsAnswerTheirKeysInTurn() {
    auto* display =
        qobject_cast<frmBiorhythmCompatibilityDisplay*>(open(Program::CompatibilityDisplay));
    QVERIFY(display);
    for (const auto& [key, view] : {std::pair{Qt::Key_E, "Emotional"},
                                    {Qt::Key_P, "Physical"},
                                    {Qt::Key_I, "Intellectual"}}) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QTRY_COMPARE(display->CurrentView(), QString::fromLatin1(view));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(m_host->window<ProgramWindow>(Program::CompatibilityEntry) != nullptr);
    QVERIFY(m_host->main().isVisible());
}

void ProgramKeysTest::pressInsideTheWindowCorrectsNoBox_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("menu bar") << "menuBar";
    QTest::newRow("label") << "lblReport";
    QTest::newRow("chart") << "picBiorhythm";
    QTest::newRow("frame") << "Frame3";
}

void ProgramKeysTest::pressInsideTheWindowCorrectsNoBox() {
    QFETCH(QString, target);
    ProgramWindow* chart = open(Program::Chart);
    auto* day = chart->findChild<QComboBox*>("cboBirthDay");
    day->setFocus(Qt::TabFocusReason);
    day->lineEdit()->selectAll();
    QTest::keyClicks(day, "7.9");
    QWidget* pressed =
        target == "menuBar" ? m_host->main().menuBar() : chart->findChild<QWidget*>(target);
    // Beside the bar's menus, or on the widget itself.
    const QPoint where = target == "menuBar" ? QPoint(pressed->width() - 5, 5) : QPoint(3, 3);
    QTest::mouseClick(pressed, Qt::LeftButton, {}, where);
    QTest::qWait(20);
    QCOMPARE(day->currentText(), QStringLiteral("7.9"));

    chart->findChild<QAction*>("mnuRun")->trigger();
    QCOMPARE(m_answerer->seen().size(), std::size_t{1});
    QCOMPARE(m_answerer->seen()[0].text, QStringLiteral("Please Enter A Valid Birthday"));
    QVERIFY(!qobject_cast<frmBiorhythmChart*>(chart)->BirthDate().has_value());
}

void ProgramKeysTest::tabCyclesWithinTheProgramWindow_data() {
    QTest::addColumn<int>("program");
    QTest::addColumn<bool>("backwards");
    QTest::newRow("chart Tab") << int(Program::Chart) << false;
    QTest::newRow("chart Shift+Tab") << int(Program::Chart) << true;
    QTest::newRow("entry Tab") << int(Program::CompatibilityEntry) << false;
    QTest::newRow("display Shift+Tab") << int(Program::CompatibilityDisplay) << true;
}

void ProgramKeysTest::tabCyclesWithinTheProgramWindow() {
    QFETCH(int, program);
    QFETCH(bool, backwards);
    ProgramWindow* window = open(static_cast<Program>(program));
    QSet<QWidget*> visited;
    for (int press = 0; press < 40; ++press) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(window->isAncestorOf(focus) || focus == window->parentWidget(),
                 qPrintable(focus->objectName()));
        visited.insert(focus);
    }
    // Tab moves: it does not stand on one control.
    QVERIFY(visited.size() > 3);
}

void ProgramKeysTest::f6MovesBetweenTheProgramWindowAndTheStrips() {
    ProgramWindow* chart = open(Program::Chart);
    auto* day = chart->findChild<QComboBox*>("cboBirthDay");
    day->setFocus(Qt::TabFocusReason);
    QTest::keyClick(day, Qt::Key_F6);
    auto* chooserButton = m_host->main().findChild<QPushButton*>("cmdSelectOption_0");
    QCOMPARE(QApplication::focusWidget(), chooserButton);
    QTest::keyClick(chooserButton, Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), day);
}

void ProgramKeysTest::oneMenuBarShowsTheActiveWindowsMenus() {
    QMenuBar* bar = m_host->main().menuBar();
    const QList<QAction*> ownMenus = bar->actions();
    QCOMPARE(ownMenus.size(), 3);
    for (Program program :
         {Program::Chart, Program::CompatibilityEntry, Program::CompatibilityDisplay}) {
        ProgramWindow* window = open(program);
        QCOMPARE(visibleMenuBars(m_host->main()), QStringList{"frmMDI"});
        QCOMPARE(bar->actions(), window->menuBar()->actions());
        // A modal about window leaves the menus where they are.
        m_answerer->handleOtherDialogsWith([](QWidget* dialog) { dialog->close(); });
        window->menuBar()->actions().last()->menu()->actions().last()->trigger();
        QCOMPARE(bar->actions(), window->menuBar()->actions());
        window->closeWindow();
        QCOMPARE(bar->actions(), ownMenus);
    }
    // With no program window left, the main window's own access keys are back.
    m_host->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_host->main()));
    QTest::keyClick(&m_host->main(), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(m_host->main().exitScreen() != nullptr);
}

void ProgramKeysTest::windowStaysWhileItsModalBoxWaits() {
    QPointer<ProgramWindow> chart = open(Program::Chart);
    // Close requests that reach the window while its about window is open, as a window
    // manager or the session may send them.
    m_answerer->handleOtherDialogsWith([this, chart](QWidget* dialog) {
        chart->closeWindow();
        m_host->main().cmdSelectOption_Click(1);
        dialog->close();
    });
    chart->findChild<QAction*>("mnuS")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!chart.isNull());
    QCOMPARE(m_host->frameCount(), 1);
    QVERIFY(m_host->window<ProgramWindow>(Program::CompatibilityEntry) == nullptr);
    chart->closeWindow();
    QCOMPARE(m_host->frameCount(), 0);
}

KELVRA_TEST_MAIN(ProgramKeysTest)
#include "test_program_keys.moc"
