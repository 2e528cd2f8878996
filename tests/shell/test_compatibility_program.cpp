#include "modal_answerer.h"
#include "test_main.h"

#include "app/clock.h"
#include "app/color_conversion.h"
#include "chart/chart_window.h"
#include "compat/display_window.h"
#include "compat/entry_window.h"
#include "compat/person_roster.h"
#include "shell/close_application.h"
#include "shell/main_window.h"
#include "shell/program_windows.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

using namespace kelvra;

namespace {
const QDate kToday(2023, 4, 30);
} // namespace

// The compatibility program run from the real main window.
class CompatibilityProgramTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void aCoupleIsEnteredViewedNavigatedAndLeft();
    void backFromTheDisplayLeadsToAnEmptyEntry();
    void choosingAProgramClosesBothCompatibilityWindows();
    void choosingCompatibilityAgainGivesAFreshEntry();
    void accessKeysOpenTheCompatibilityWindowsOwnMenus();

private:
    template <typename Window> Window* openWindow() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<Window*> windows = m_window->findChildren<Window*>();
        return windows.size() == 1 ? windows.front() : nullptr;
    }
    QWidget* chooser() const { return m_window->findChild<QWidget*>("picMain"); }
    void chooseProgram(int index) {
        QTest::mouseClick(
            m_window->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(index)),
            Qt::LeftButton);
    }
    void enterCouple();
    // Enters a couple and saves it; the display window that opened, or null.
    frmBiorhythmCompatibilityDisplay* saveCouple();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<modBiorhythmCompatibility> m_roster;
    std::unique_ptr<frmMDI> m_window;
    std::unique_ptr<ModalAnswerer> m_answerer;
    int m_ends = 0;
};

void CompatibilityProgramTest::init() {
    setTodayOverride(kToday);
    m_ends = 0;
    setProcessEnder([this] { ++m_ends; });
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<QSettings>(m_dir->filePath("store.ini"), QSettings::IniFormat);
    m_roster = std::make_unique<modBiorhythmCompatibility>();
    m_window = std::make_unique<frmMDI>(programWindows(*m_settings, *m_roster));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_answerer = std::make_unique<ModalAnswerer>();
}

void CompatibilityProgramTest::cleanup() {
    m_answerer.reset();
    m_window.reset();
    m_roster.reset();
    m_settings.reset();
    m_dir.reset();
    setTodayOverride(std::nullopt);
}

void CompatibilityProgramTest::enterCouple() {
    auto* entry = openWindow<frmBiorhythmCompatibilityMain>();
    QVERIFY(entry);
    auto* name = entry->findChild<QLineEdit*>("txtVisitorName");
    auto* next = entry->findChild<QPushButton*>("cmdSubmit");
    entry->findChild<QDateEdit*>("dtpDob")->setDate(QDate(1980, 1, 4));
    QTest::keyClicks(name, "Ann");
    QTest::mouseClick(entry->findChild<QRadioButton*>("optFemale"), Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);

    entry->findChild<QDateEdit*>("dtpDob")->setDate(QDate(1980, 1, 5));
    QTest::keyClicks(name, "Bob");
    m_answerer->answerColorDialogsWith(QColor(0, 0, 200));
    QTest::mouseClick(entry->findChild<QLabel*>("Picture1"), Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster->intPersonsRemaining, 0);
}

frmBiorhythmCompatibilityDisplay* CompatibilityProgramTest::saveCouple() {
    enterCouple();
    auto* entry = openWindow<frmBiorhythmCompatibilityMain>();
    if (entry == nullptr) {
        return nullptr;
    }
    QTest::mouseClick(entry->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    return openWindow<frmBiorhythmCompatibilityDisplay>();
}

void CompatibilityProgramTest::aCoupleIsEnteredViewedNavigatedAndLeft() {
    chooseProgram(1);
    QVERIFY(!chooser()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(),
                 openWindow<frmBiorhythmCompatibilityMain>()->findChild<QWidget*>("cmdSubmit"));
    auto* display = saveCouple();
    QVERIFY(display);
    QVERIFY(!openWindow<frmBiorhythmCompatibilityMain>());
    QVERIFY(!chooser()->isVisible());
    QCOMPARE(display->findChild<QLabel*>("lblPercentage_2")->text(),
             "Intellectual Compatibility -10 %");
    QCOMPARE(display->findChild<QLabel*>("lblName_1")->text(), "Bob");

    QTest::mouseClick(display->findChild<QPushButton*>("cmdNextDay"), Qt::LeftButton);
    QCOMPARE(m_roster->dtReportDate[0], QDate(2023, 5, 1));
    QCOMPARE(display->findChild<QLabel*>("lblPrevDay_13")->text(), "30");

    display->findChild<QAction*>("mnuExit")->trigger();
    QVERIFY(!openWindow<frmBiorhythmCompatibilityDisplay>());
    QVERIFY(chooser()->isVisible());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_ends, 0);
    QVERIFY(m_roster->strPersonName[0].isEmpty());
    QCOMPARE(m_roster->dtReportDate[0], modBiorhythmCompatibility::zeroDate());
}

void CompatibilityProgramTest::backFromTheDisplayLeadsToAnEmptyEntry() {
    chooseProgram(1);
    auto* display = saveCouple();
    QVERIFY(display);
    QTest::mouseClick(display->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);

    QVERIFY(!openWindow<frmBiorhythmCompatibilityDisplay>());
    auto* entry = openWindow<frmBiorhythmCompatibilityMain>();
    QVERIFY(entry);
    QVERIFY(entry->isVisible());
    QVERIFY(!chooser()->isVisible());
    QVERIFY(m_roster->strPersonName[1].isEmpty());
    QCOMPARE(m_roster->intPersonsRemaining, 2);
    QCOMPARE(entry->findChild<QLabel*>("lblDisp3")->text(),
             "You are yet to enter the details for 2 Person(s)");
}

void CompatibilityProgramTest::choosingAProgramClosesBothCompatibilityWindows() {
    chooseProgram(1);
    QVERIFY(saveCouple());

    chooseProgram(0);
    QVERIFY(!openWindow<frmBiorhythmCompatibilityDisplay>());
    QVERIFY(!openWindow<frmBiorhythmCompatibilityMain>());
    QVERIFY(openWindow<frmBiorhythmChart>());
    QVERIFY(!chooser()->isVisible());
    QVERIFY(m_roster->strPersonName[0].isEmpty());

    chooseProgram(1);
    QVERIFY(!openWindow<frmBiorhythmChart>());
    QVERIFY(openWindow<frmBiorhythmCompatibilityMain>());
}

void CompatibilityProgramTest::choosingCompatibilityAgainGivesAFreshEntry() {
    chooseProgram(1);
    QPointer<frmBiorhythmCompatibilityMain> first = openWindow<frmBiorhythmCompatibilityMain>();
    QVERIFY(first);
    QTest::keyClicks(first->findChild<QLineEdit*>("txtVisitorName"), "half typed");

    chooseProgram(1);
    auto* second = openWindow<frmBiorhythmCompatibilityMain>();
    QVERIFY(second);
    QVERIFY(first.isNull());
    QVERIFY(second->findChild<QLineEdit*>("txtVisitorName")->text().isEmpty());
    QVERIFY(!chooser()->isVisible());
}

void CompatibilityProgramTest::accessKeysOpenTheCompatibilityWindowsOwnMenus() {
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QMenu* mainFile = m_window->menuBar()->findChild<QMenu*>("mnuFile");
    QVERIFY(mainFile);
    const auto opensOwnMenu = [mainFile](QWidget* window, const char* menuName, Qt::Key key) {
        QMenu* own = window->findChild<QMenu*>(menuName);
        QVERIFY(own);
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QTRY_VERIFY(own->isVisible());
        QVERIFY(!mainFile->isVisible());
        QTest::keyClick(own, Qt::Key_Escape);
        QTRY_VERIFY(!own->isVisible());
    };

    chooseProgram(1);
    auto* entry = openWindow<frmBiorhythmCompatibilityMain>();
    QVERIFY(entry);
    entry->findChild<QLineEdit*>("txtVisitorName")->setFocus();
    opensOwnMenu(entry, "mnuFile", Qt::Key_F);
    QVERIFY(!QTest::currentTestFailed());
    opensOwnMenu(entry, "mnuHelp", Qt::Key_H);
    QVERIFY(!QTest::currentTestFailed());

    auto* display = saveCouple();
    QVERIFY(display);
    // The colour dialog took the activation, and the offscreen platform does not give it back.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    opensOwnMenu(display, "mnuFile", Qt::Key_F);
}

KELVRA_TEST_MAIN(CompatibilityProgramTest)
#include "test_compatibility_program.moc"
