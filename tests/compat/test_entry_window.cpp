#include "hosted_programs.h"
#include "layout_table.h"
#include "modal_answerer.h"
#include "test_main.h"
#include "url_recorder.h"

#include "app/clock.h"
#include "app/color_conversion.h"
#include "compat/display_window.h"
#include "compat/entry_window.h"
#include "compat/person_roster.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kelvra;

namespace {

constexpr ColorValue kStartingColor = rgbColor(255, 199, 6);
constexpr ColorValue kBlue = rgbColor(0, 0, 255);
constexpr ColorValue kGreen = rgbColor(0, 160, 0);
const QDate kToday(2023, 4, 30);

QString critical(const SeenMessage& message) {
    return message.icon == QMessageBox::Critical && message.title == "Kelvra Biorhythms" &&
                   message.buttons == QMessageBox::Ok
               ? message.text
               : QStringLiteral("<not an error box: %1>").arg(message.text);
}

} // namespace

class EntryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensReadyForTheFirstPerson();
    void anotherRunningCopyEndsTheProgramAtOpening();
    void enterOrSpaceOnNextAsksForAName_data();
    void enterOrSpaceOnNextAsksForAName();
    void sexMustBeChosen();
    void entryStates_data();
    void entryStates();
    void startingColourIsRefusedForTheSecondPerson();
    void altNAfterTheCoupleGivesTheLimitThenRefusesTheColour();
    void blankOnlyNameIsAcceptedAsTyped();
    void longForeignNameIsKeptWhole();
    void eachPersonKeepsTheDatesShownAtAcceptance();
    void backAfterOnePersonThenAFreshStart();
    void exitMenuAndCloseBoxShowTheChooser();
    void cancelledColourDialogKeepsTheSwatch();
    void confirmedColourDialogSetsTheSwatch();
    void viewResultHandsOverToTheDisplayWindow();
    void viewResultWithDistantBirthDatesShowsValues();
    void menusAndPromotionsOpenPages();
    void backPictureLightsWhileThePointerIsOver();
    void controlsStandAsLaidOut_data();
    void controlsStandAsLaidOut();
    void menuBarHoldsItsItems();

private:
    frmBiorhythmCompatibilityMain* openEntryWindow();
    template <typename T> T* find(const QString& name) const {
        T* child = m_window->findChild<T*>(name);
        if (child == nullptr) {
            qFatal("no child %s", qPrintable(name));
        }
        return child;
    }
    void chooseColor(ColorValue color);
    void enterPerson(const QString& name, ColorValue color);
    void pressNext();
    void waitUntilActive();
    void pressAccessKey(Qt::Key key, const QString& button);
    QWidget* focusAfterMessage();
    QString label(const QString& name) const { return find<QLabel>(name)->text(); }
    QWidget* widgetInFrontOfNext() const;

    std::unique_ptr<modBiorhythmCompatibility> m_roster;
    std::unique_ptr<HostedPrograms> m_host;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QPointer<frmBiorhythmCompatibilityMain> m_window;
};

void EntryWindowTest::init() {
    setTodayOverride(kToday);
    m_roster = std::make_unique<modBiorhythmCompatibility>();
    m_host = std::make_unique<HostedPrograms>(*m_roster);
    m_answerer = std::make_unique<ModalAnswerer>();
    m_window = openEntryWindow();
}

void EntryWindowTest::cleanup() {
    m_answerer.reset();
    m_host.reset();
    m_roster.reset();
    setTodayOverride(std::nullopt);
}

frmBiorhythmCompatibilityMain* EntryWindowTest::openEntryWindow() {
    auto* window = m_host->open<frmBiorhythmCompatibilityMain>(kelvra::Program::CompatibilityEntry);
    QTest::qWait(1);
    return window;
}

void EntryWindowTest::chooseColor(ColorValue color) {
    m_answerer->answerColorDialogsWith(toQColor(color));
    QTest::mouseClick(find<QLabel>("Picture1"), Qt::LeftButton);
    QCOMPARE(m_window->swatchColor(), color);
}

void EntryWindowTest::enterPerson(const QString& name, ColorValue color) {
    auto* nameBox = find<QLineEdit>("txtVisitorName");
    nameBox->clear();
    QTest::keyClicks(nameBox, name);
    QTest::mouseClick(find<QRadioButton>("optFemale"), Qt::LeftButton);
    if (m_window->swatchColor() != color) {
        chooseColor(color);
    }
}

void EntryWindowTest::pressNext() {
    waitUntilActive();
    pressAccessKey(Qt::Key_N, "cmdSubmit");
}

// The offscreen platform has no window manager to give the main window back its activation
// once a modal box has gone; a desktop does that at once.
void EntryWindowTest::waitUntilActive() {
    if (!m_host->main().isActiveWindow()) {
        m_host->main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_host->main()));
    }
}

// A button answers its access key with an animated click; wait until it has been clicked.
void EntryWindowTest::pressAccessKey(Qt::Key key, const QString& button) {
    waitUntilActive();
    QPointer<QPushButton> target = find<QPushButton>(button);
    QTest::keyClick(m_window, key, Qt::AltModifier);
    QVERIFY(!target.isNull() && target->isDown());
    QTRY_VERIFY(target.isNull() || !target->isDown());
}

QWidget* EntryWindowTest::focusAfterMessage() {
    waitUntilActive();
    return QApplication::focusWidget();
}

QWidget* EntryWindowTest::widgetInFrontOfNext() const {
    auto* next = find<QPushButton>("cmdSubmit");
    return next->parentWidget()->childAt(next->geometry().center());
}

void EntryWindowTest::anotherRunningCopyEndsTheProgramAtOpening() {
    m_host->otherCopyRuns = true;
    m_roster->intPersonsRemaining = 0;
    const int endsBefore = m_host->ends;
    openEntryWindow();
    QCOMPARE(m_host->ends, endsBefore + 1);
    QCOMPARE(m_roster->intPersonsRemaining, 0);
    QCOMPARE(m_roster->intColorsRecorded, 0);
}

void EntryWindowTest::opensReadyForTheFirstPerson() {
    QCOMPARE(m_host->ends, 0);
    QCOMPARE(QApplication::focusWidget(), find<QPushButton>("cmdSubmit"));
    QCOMPARE(m_window->windowTitle(), "Kelvra Biorhythm Compatibility");
    QCOMPARE(label("lblDisp1"), "You have chosen to enter details for a  COUPLE");
    QCOMPARE(label("lblDisp2"), "You have already entered the details for 0 Person(s)");
    QCOMPARE(label("lblDisp3"), "You are yet to enter the details for 2 Person(s)");
    QCOMPARE(widgetInFrontOfNext(), find<QPushButton>("cmdSubmit"));
    QVERIFY(!find<QPushButton>("cmdSave")->isEnabled());

    auto* birth = find<QDateEdit>("dtpDob");
    auto* report = find<QDateEdit>("dtpReportDate");
    QCOMPARE(birth->date(), QDate(2006, 12, 26));
    QCOMPARE(report->date(), kToday);
    for (QDateEdit* picker : {birth, report}) {
        QCOMPARE(picker->minimumDate(), QDate(1601, 1, 1));
        QCOMPARE(picker->maximumDate(), QDate(9999, 12, 31));
    }
    QVERIFY(!find<QRadioButton>("optMale")->isChecked());
    QVERIFY(!find<QRadioButton>("optFemale")->isChecked());
    QCOMPARE(m_window->swatchColor(), kStartingColor);

    QCOMPARE(m_roster->intTotalPersons, 2);
    QCOMPARE(m_roster->intPersonsRemaining, 2);
    QCOMPARE(m_roster->intColorsRecorded, 0);
    for (std::int32_t used : m_roster->lngUsedColor) {
        QCOMPARE(used, -1);
    }
    QVERIFY(!m_host->chooserVisible());
}

void EntryWindowTest::enterOrSpaceOnNextAsksForAName_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void EntryWindowTest::enterOrSpaceOnNextAsksForAName() {
    QFETCH(int, key);
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));

    QCOMPARE(m_answerer->seen().size(), 1u);
    QCOMPARE(critical(m_answerer->seen()[0]), "Name Cannot Be Blank");
    QCOMPARE(focusAfterMessage(), find<QLineEdit>("txtVisitorName"));
    QCOMPARE(m_roster->intPersonsRemaining, 2);
    QCOMPARE(m_roster->intColorsRecorded, 0);
}

void EntryWindowTest::sexMustBeChosen() {
    QTest::keyClicks(find<QLineEdit>("txtVisitorName"), "Ann");
    QTest::mouseClick(find<QPushButton>("cmdSubmit"), Qt::LeftButton);

    QCOMPARE(m_answerer->seen().size(), 1u);
    QCOMPARE(critical(m_answerer->seen()[0]), "Please Select Your Sex");
    QCOMPARE(focusAfterMessage(), find<QRadioButton>("optMale"));
    QCOMPARE(m_roster->intPersonsRemaining, 2);
    QCOMPARE(find<QLineEdit>("txtVisitorName")->text(), "Ann");
}

void EntryWindowTest::entryStates_data() {
    QTest::addColumn<int>("people");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("yetToEnter");
    QTest::addColumn<bool>("viewResultInFront");

    QTest::newRow("first person") << 0 << 2 << "0"
                                  << "2" << false;
    QTest::newRow("second person") << 1 << 1 << "1"
                                   << "1" << false;
    QTest::newRow("complete") << 2 << 0 << "2"
                              << "0" << true;
}

void EntryWindowTest::entryStates() {
    QFETCH(int, people);
    QFETCH(int, remaining);
    QFETCH(QString, entered);
    QFETCH(QString, yetToEnter);
    QFETCH(bool, viewResultInFront);

    const ColorValue colors[] = {kBlue, kGreen};
    for (int i = 0; i < people; ++i) {
        enterPerson(QStringLiteral("Person %1").arg(i), colors[i]);
        pressNext();
    }
    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster->intPersonsRemaining, remaining);
    QCOMPARE(m_roster->intColorsRecorded, people);
    QCOMPARE(label("lblDisp2"),
             QStringLiteral("You have already entered the details for %1 Person(s)").arg(entered));
    QCOMPARE(label("lblDisp3"),
             QStringLiteral("You are yet to enter the details for %1 Person(s)").arg(yetToEnter));
    auto* viewResult = find<QPushButton>("cmdSave");
    QCOMPARE(viewResult->isEnabled(), viewResultInFront);
    QCOMPARE(widgetInFrontOfNext() == viewResult, viewResultInFront);
    QVERIFY(find<QPushButton>("cmdSubmit")->isEnabled());
    for (int i = 0; i < people; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        QCOMPARE(m_roster->strPersonName[slot], QStringLiteral("Person %1").arg(i));
        QCOMPARE(m_roster->lngLineColor[slot], colors[i]);
        QCOMPARE(m_roster->lngUsedColor[slot], static_cast<std::int32_t>(colors[i]));
        QCOMPARE(m_roster->dtBirthDate[slot], QDate(2006, 12, 26));
        QCOMPARE(m_roster->dtReportDate[slot], kToday);
    }
    QVERIFY(find<QLineEdit>("txtVisitorName")->text().isEmpty());
}

void EntryWindowTest::startingColourIsRefusedForTheSecondPerson() {
    enterPerson("Ann", kStartingColor);
    pressNext();
    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster->lngLineColor[0], kStartingColor);

    // The sex and the dates carry over: a new name alone is not enough.
    QTest::keyClicks(find<QLineEdit>("txtVisitorName"), "Bob");
    QWidget* focusBefore = QApplication::focusWidget();
    pressNext();
    QCOMPARE(m_answerer->seen().size(), 1u);
    QCOMPARE(critical(m_answerer->seen()[0]), "Choose Another Color");
    QCOMPARE(focusAfterMessage(), focusBefore);
    QCOMPARE(m_roster->intPersonsRemaining, 1);
    QCOMPARE(m_roster->intColorsRecorded, 1);

    chooseColor(kBlue);
    pressNext();
    QCOMPARE(m_answerer->seen().size(), 1u);
    QCOMPARE(m_roster->intPersonsRemaining, 0);
    QCOMPARE(m_roster->strPersonName[1], "Bob");
    QCOMPARE(m_roster->lngLineColor[1], kBlue);
}

void EntryWindowTest::altNAfterTheCoupleGivesTheLimitThenRefusesTheColour() {
    enterPerson("Ann", kBlue);
    pressNext();
    enterPerson("Bob", kGreen);
    pressNext();
    const modBiorhythmCompatibility couple = *m_roster;

    enterPerson("Carl", rgbColor(200, 0, 200));
    pressNext();
    QCOMPARE(m_answerer->seen().size(), 1u);
    QCOMPARE(critical(m_answerer->seen()[0]),
             "You Reach The Limit Of Selecting Members\nYou Cannot Accept Further Member");
    QCOMPARE(m_roster->intColorsRecorded, 3);
    QCOMPARE(m_roster->lngUsedColor[2], static_cast<std::int32_t>(rgbColor(200, 0, 200)));
    QCOMPARE(m_roster->intPersonsRemaining, 0);
    QCOMPARE(m_roster->strPersonName, couple.strPersonName);
    QCOMPARE(find<QLineEdit>("txtVisitorName")->text(), "Carl");

    pressNext();
    QCOMPARE(m_answerer->seen().size(), 2u);
    QCOMPARE(critical(m_answerer->seen()[1]), "Choose Another Color");
    QCOMPARE(m_roster->intColorsRecorded, 3);
}

void EntryWindowTest::blankOnlyNameIsAcceptedAsTyped() {
    enterPerson("   ", kBlue);
    pressNext();
    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster->strPersonName[0], "   ");
    QCOMPARE(m_roster->intPersonsRemaining, 1);
}

void EntryWindowTest::longForeignNameIsKeptWhole() {
    const QString name =
        QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m \u65e5\u672c \U0001F600 <b>&amp;</b>")
            .repeated(2000);
    QVERIFY(name.size() > 32767);
    enterPerson({}, kBlue);
    find<QLineEdit>("txtVisitorName")->insert(name); // as pasted
    pressNext();
    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster->strPersonName[0], name);
}

void EntryWindowTest::eachPersonKeepsTheDatesShownAtAcceptance() {
    auto* birth = find<QDateEdit>("dtpDob");
    auto* report = find<QDateEdit>("dtpReportDate");
    birth->setDate(QDate(2024, 1, 1)); // after the report date: accepted
    enterPerson("Ann", kBlue);
    pressNext();
    report->setDate(QDate(1999, 7, 14));
    enterPerson("Bob", kGreen);
    pressNext();

    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster->dtBirthDate[0], QDate(2024, 1, 1));
    QCOMPARE(m_roster->dtReportDate[0], kToday);
    QCOMPARE(m_roster->dtBirthDate[1], QDate(2024, 1, 1));
    QCOMPARE(m_roster->dtReportDate[1], QDate(1999, 7, 14));
}

void EntryWindowTest::backAfterOnePersonThenAFreshStart() {
    enterPerson("Ann", kBlue);
    pressNext();
    pressAccessKey(Qt::Key_A, "cmdBackToBio");

    QVERIFY(m_window.isNull() || !m_window->isVisible());
    QCOMPARE(m_host->frameCount(), 0);
    QVERIFY(m_host->chooserVisible());
    QCOMPARE(m_roster->strPersonName[0], "Ann");

    m_window = openEntryWindow();
    QCOMPARE(m_roster->intPersonsRemaining, 2);
    QCOMPARE(m_roster->intColorsRecorded, 0);
    for (std::int32_t used : m_roster->lngUsedColor) {
        QCOMPARE(used, -1);
    }
    enterPerson("Ann", kBlue);
    pressNext();
    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster->intPersonsRemaining, 1);
}

void EntryWindowTest::exitMenuAndCloseBoxShowTheChooser() {
    m_window->findChild<QAction*>("mnuExit")->trigger();
    QCOMPARE(m_host->frameCount(), 0);
    QVERIFY(m_host->chooserVisible());

    m_window = openEntryWindow();
    m_host->main().setChooserVisible(false);
    m_window->parentWidget()->close();
    QCOMPARE(m_host->frameCount(), 0);
    QVERIFY(m_host->chooserVisible());
}

void EntryWindowTest::cancelledColourDialogKeepsTheSwatch() {
    chooseColor(kBlue);
    m_answerer->answerColorDialogsWith(Qt::black, false);
    QTest::mouseClick(find<QLabel>("Picture1"), Qt::LeftButton);

    QCOMPARE(toColorValue(m_answerer->lastOfferedColor()), kBlue);
    QCOMPARE(m_window->swatchColor(), kBlue);
    QCOMPARE(find<QLabel>("Picture1")->palette().color(QPalette::Window), toQColor(kBlue));
}

void EntryWindowTest::confirmedColourDialogSetsTheSwatch() {
    m_answerer->answerColorDialogsWith(QColor(10, 20, 30));
    QTest::mouseClick(find<QLabel>("Picture1"), Qt::LeftButton);

    QCOMPARE(toColorValue(m_answerer->lastOfferedColor()), kStartingColor);
    QCOMPARE(m_window->swatchColor(), rgbColor(10, 20, 30));
    QCOMPARE(find<QLabel>("Picture1")->palette().color(QPalette::Window), QColor(10, 20, 30));
}

void EntryWindowTest::viewResultHandsOverToTheDisplayWindow() {
    find<QDateEdit>("dtpDob")->setDate(QDate(1980, 1, 4));
    enterPerson("Ann", kBlue);
    pressNext();
    find<QDateEdit>("dtpDob")->setDate(QDate(1980, 1, 5));
    enterPerson("Bob", kGreen);
    pressNext();

    pressAccessKey(Qt::Key_V, "cmdSave");

    QVERIFY(!m_host->chooserVisible());
    QVERIFY(m_host->main().exitScreen() != nullptr && !m_host->main().exitScreen()->isVisible());
    QCOMPARE(m_host->frameCount(), 1);
    auto* display =
        m_host->window<frmBiorhythmCompatibilityDisplay>(kelvra::Program::CompatibilityDisplay);
    QVERIFY(display);
    QCOMPARE(m_roster->intColorsRecorded, 0);
    QCOMPARE(m_roster->intPhysicalCompat, -3);
    QCOMPARE(display->findChild<QLabel*>("lblPercentage_0")->text(), "Physical Compatibility -3 %");
    QCOMPARE(display->findChild<QLabel*>("lblPercentage_1")->text(),
             "Emotional Compatibility -7 %");
    QCOMPARE(display->findChild<QLabel*>("lblPercentage_2")->text(),
             "Intellectual Compatibility -10 %");
    QCOMPARE(display->CurrentView(), "Physical");
}

void EntryWindowTest::viewResultWithDistantBirthDatesShowsValues() {
    find<QDateEdit>("dtpDob")->setDate(QDate(1601, 1, 1));
    enterPerson("Ann", kBlue);
    pressNext();
    find<QDateEdit>("dtpDob")->setDate(QDate(1601, 1, 1).addDays(32768));
    enterPerson("Bob", kGreen);
    pressNext();
    QTest::mouseClick(find<QPushButton>("cmdSave"), Qt::LeftButton);

    auto* display =
        m_host->window<frmBiorhythmCompatibilityDisplay>(kelvra::Program::CompatibilityDisplay);
    QVERIFY(display);
    QCOMPARE(display->findChild<QLabel*>("lblPercentage_0")->text(),
             "Physical Compatibility 128 %");
    QCOMPARE(display->findChild<QLabel*>("lblPercentage_1")->text(),
             "Emotional Compatibility 43 %");
    QCOMPARE(display->findChild<QLabel*>("lblPercentage_2")->text(),
             "Intellectual Compatibility 177 %");
}

void EntryWindowTest::menusAndPromotionsOpenPages() {
    UrlRecorder recorder;
    for (const char* item : {"mnuOnline", "mnuVisit", "mnuUpdate"}) {
        m_window->findChild<QAction*>(item)->trigger();
    }
    auto* promotion = find<QLabel>("lblFullBrand");
    QCOMPARE(promotion->parentWidget()->childAt(promotion->geometry().center()), promotion);
    QTest::mouseClick(promotion, Qt::LeftButton);

    QCOMPARE(recorder.pageKeys(),
             (QStringList{"help-web-page", "home-page", "download-web-page", "fully-branded"}));
}

void EntryWindowTest::backPictureLightsWhileThePointerIsOver() {
    auto* picture = find<QLabel>("picBackToBio");
    const QImage resting = picture->pixmap().toImage();
    // The picture lies out of sight below the client area, so the moves go to it directly.
    QMouseEvent inside(QEvent::MouseMove, QPointF(5, 5), picture->mapToGlobal(QPointF(5, 5)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &inside);
    QCOMPARE(QWidget::mouseGrabber(), picture);
    const QImage lit = picture->pixmap().toImage();
    QVERIFY(lit != resting);

    QMouseEvent outside(QEvent::MouseMove, QPointF(-3, 4), picture->mapToGlobal(QPointF(-3, 4)),
                        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &outside);
    QVERIFY(QWidget::mouseGrabber() != picture);
    QCOMPARE(picture->pixmap().toImage(), resting);
}

void EntryWindowTest::controlsStandAsLaidOut_data() {
    addLayoutColumns();
    const QColor any;
    const QString anyText;
    const auto row = [](const char* name, QRect twips, const QString& text, bool bold,
                        const QColor& color) {
        QTest::newRow(name) << QString::fromLatin1(name) << twips << text << bold << 8.25 << color;
    };
    row("Label14", {1110, 0, 4950, 435}, anyText, false, Qt::white);
    row("Label6", {240, 600, 6735, 375},
        "Enter your personal details here. You can also choose to save your personal details by "
        "clicking on Save Information.",
        false, any);
    row("lblDisp1", {240, 1290, 0, 0}, anyText, true, any);
    row("lblDisp3", {240, 1575, 0, 0}, anyText, true, any);
    row("lblDisp2", {240, 1845, 0, 0}, anyText, true, any);
    row("lblVisitorName", {240, 2280, 0, 0}, "Person's Name", false, any);
    row("txtVisitorName", {1860, 2235, 4815, 285}, anyText, false, any);
    row("lblDoB", {240, 2715, 0, 0}, "Date of Birth", false, any);
    row("dtpDob", {1860, 2625, 1455, 375}, anyText, false, any);
    row("lblChooseColor", {4200, 2715, 0, 0}, "Choose Color", false, any);
    row("Picture1", {5700, 2685, 975, 285}, anyText, false, any);
    row("lblSex", {240, 3150, 0, 0}, "Sex", false, any);
    row("optMale", {1860, 3120, 735, 255}, "Male", false, any);
    row("optFemale", {2880, 3120, 975, 255}, "Female", false, any);
    row("lblReportDate", {240, 3570, 0, 0}, "Report Date", false, any);
    row("dtpReportDate", {1860, 3480, 1455, 375}, anyText, false, any);
    row("cmdSubmit", {1800, 3960, 5150, 495}, "&Next", true, any);
    row("cmdSave", {1800, 3960, 5150, 495}, "&View Result", true, any);
    row("fraFullBrand", {-45, 4560, 7185, 855}, anyText, false, any);
    row("lblCobrand", {120, 160, 6945, 615},
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
        "co-branding.",
        false, QColor(64, 0, 0));
    row("lblFullBrand", {120, 165, 6945, 615},
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.",
        false, QColor(64, 0, 0));
    row("cmdBackToBio", {4440, 6360, 1935, 495}, "B&ack", true, any);
    row("picBackToBio", {7080, 6960, 1065, 525}, anyText, false, any);
}

void EntryWindowTest::controlsStandAsLaidOut() {
    QCOMPARE(m_window->clientArea()->size(), twipsSize(7095, 5430));
    checkLayoutRow(m_window);
}

void EntryWindowTest::menuBarHoldsItsItems() {
    QCOMPARE(menuOutline(m_window->menuBar()),
             (QStringList{"&File > E&xit", "&Help > &Online Help", "&Help > &Visit Us Online",
                          "&Help > -", "&Help > Check for Software &Update", "&Help > -",
                          "&Help > &About Software"}));
}

KELVRA_TEST_MAIN(EntryWindowTest)
#include "test_entry_window.moc"
