#include "hosted_programs.h"
#include "modal_answerer.h"
#include "test_main.h"
#include "url_recorder.h"

#include "app/about_window.h"
#include "app/color_conversion.h"
#include "compat/display_window.h"
#include "compat/entry_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace kelvra;

namespace {
const QDate kToday(2026, 12, 9);

QAccessibleInterface* accessOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

bool hasPressAction(QAccessibleInterface* access) {
    QAccessibleActionInterface* actions = access->actionInterface();
    return actions != nullptr &&
           actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// The role a control of this kind should report.
QAccessible::Role fittingRole(const QWidget* control) {
    const QString kind = QString::fromLatin1(control->metaObject()->className());
    if (kind == "QPushButton") {
        return QAccessible::Button;
    }
    if (kind == "QRadioButton") {
        return QAccessible::RadioButton;
    }
    if (kind == "QCheckBox") {
        return QAccessible::CheckBox;
    }
    if (kind == "QDateEdit") {
        return QAccessible::SpinBox;
    }
    if (qobject_cast<const QComboBox*>(control) != nullptr) {
        return QAccessible::ComboBox;
    }
    if (kind == "QLineEdit" || kind == "QPlainTextEdit") {
        return QAccessible::EditableText;
    }
    if (kind == "kelvra::ChartSurface") {
        return QAccessible::Chart;
    }
    return QAccessible::NoRole;
}
} // namespace

// Every window used with the keyboard alone and read by assistive technology, inside the
// real main window.
class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void tabWalksEachWindowInOrder_data();
    void tabWalksEachWindowInOrder();
    void everyFocusedControlHasANameAndAFittingRole_data();
    void everyFocusedControlHasANameAndAFittingRole();
    void controlsAreNamedAfterTheirCaptions_data();
    void controlsAreNamedAfterTheirCaptions();
    void linksActOnTheirKeysAndTheirPressAction_data();
    void linksActOnTheirKeysAndTheirPressAction();
    void hiddenAndDecorativeControlsAreReportedSo_data();
    void hiddenAndDecorativeControlsAreReportedSo();
    void legendExplainsWhereTheFocusIs();
    void keyboardAloneEntersACoupleAndShowsTheResult();

private:
    // Opens the window as a user meets it, with the focus where it starts.
    QWidget* open(const QString& which);
    QWidget* control(const QString& which, const QString& name);
    QStringList walk(int presses);

    modBiorhythmCompatibility m_roster;
    std::unique_ptr<HostedPrograms> m_host;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<UrlRecorder> m_urls;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmNagScreen2> m_exit;
};

void AccessibilityTest::init() {
    setTodayOverride(kToday);
    m_roster = modBiorhythmCompatibility();
    fillCouple(m_roster, kToday);
    m_host = std::make_unique<HostedPrograms>(m_roster);
    m_answerer = std::make_unique<ModalAnswerer>();
    m_urls = std::make_unique<UrlRecorder>();
}

void AccessibilityTest::cleanup() {
    m_exit.reset();
    m_about.reset();
    m_urls.reset();
    m_answerer.reset();
    m_host.reset();
    setTodayOverride(std::nullopt);
}

QWidget* AccessibilityTest::open(const QString& which) {
    QWidget* window = nullptr;
    if (which == "main") {
        window = &m_host->main();
    } else if (which == "chart") {
        window = m_host->open<ProgramWindow>(Program::Chart);
    } else if (which == "entry") {
        window = m_host->open<ProgramWindow>(Program::CompatibilityEntry);
    } else if (which == "display") {
        window = m_host->open<ProgramWindow>(Program::CompatibilityDisplay);
    } else if (which == "about") {
        m_about = std::make_unique<frmAbout>();
        window = m_about.get();
    } else if (which == "exit") {
        m_exit = std::make_unique<frmNagScreen2>(0);
        window = m_exit.get();
    }
    if (window != nullptr && window->isWindow()) {
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
    }
    // The main window lays out its area anew once the chooser panel is gone.
    QTest::qWait(20);
    return window;
}

QWidget* AccessibilityTest::control(const QString& which, const QString& name) {
    QWidget* window = open(which);
    return window != nullptr ? window->findChild<QWidget*>(name) : nullptr;
}

QStringList AccessibilityTest::walk(int presses) {
    QStringList names{QApplication::focusWidget()->objectName()};
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

void AccessibilityTest::tabWalksEachWindowInOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("main")
        << "main"
        << QStringList{"cmdSelectOption_0", "cmdSelectOption_1", "cmdMdiExit", "lblPyrwellBanner",
                       "lblCaption_3",      "lblCaption_4",      "Label7"};
    QTest::newRow("chart") << "chart"
                           << QStringList{"cboReportMonth", "cboReportDay", "cboBirthDay",
                                          "cboBirthMonth",  "cmdBiorythm",  "cboBirthYear",
                                          "cboReportYear",  "Label1",       "picExplain",
                                          "lblRed",         "lblGreen",     "lblViolet",
                                          "lblCobrand",     "picBiorhythm"};
    QTest::newRow("entry") << "entry"
                           // Tab walks through the day, month and year of a date picker;
                           // the two sex options are one stop, whose arrows choose.
                           << QStringList{"cmdSubmit",     "txtVisitorName", "dtpDob",
                                          "dtpDob",        "dtpDob",         "optMale",
                                          "dtpReportDate", "dtpReportDate",  "dtpReportDate",
                                          "Picture1",      "lblFullBrand"};
    QTest::newRow("display") << "display"
                             << QStringList{"cmdToday",        "cmdPrevDay",  "cmdNextDay",
                                            "picBiorhythm",    "cmdPhysical", "cmdEmotional",
                                            "cmdIntellectual", "cmdBack"};
    QTest::newRow("about") << "about" << QStringList{"cmdOK", "lblHomePage", "lblCoBrand"};
    QTest::newRow("exit") << "exit" << QStringList{"cmdClose",      "Check1",     "txtName",
                                                   "cmdSubmit",     "txtEmail",   "txtFriendEmail",
                                                   "txtFriendName", "txtMessage", "lblGoToHome"};
}

void AccessibilityTest::tabWalksEachWindowInOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QVERIFY(open(window));
    // Once round, and back to the start.
    QCOMPARE(walk(static_cast<int>(order.size())), order + QStringList{order.front()});
}

void AccessibilityTest::everyFocusedControlHasANameAndAFittingRole_data() {
    tabWalksEachWindowInOrder_data();
}

void AccessibilityTest::everyFocusedControlHasANameAndAFittingRole() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QVERIFY(open(window));
    for (int press = 0; press < order.size(); ++press) {
        QWidget* focused = QApplication::focusWidget();
        QAccessibleInterface* access = accessOf(focused);
        QVERIFY2(access != nullptr, qPrintable(focused->objectName()));
        QVERIFY2(!access->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(focused->objectName()));
        QVERIFY(access->state().focused);
        const QAccessible::Role expected = fittingRole(focused);
        if (expected != QAccessible::NoRole) {
            QCOMPARE(access->role(), expected);
        } else {
            // Our clickable labels: links and buttons that press, or legend words.
            QVERIFY2(access->role() == QAccessible::Link || access->role() == QAccessible::Button ||
                         access->role() == QAccessible::StaticText,
                     qPrintable(focused->objectName()));
            QCOMPARE(hasPressAction(access), access->role() != QAccessible::StaticText);
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

void AccessibilityTest::controlsAreNamedAfterTheirCaptions_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("birth month") << "chart"
                                 << "cboBirthMonth"
                                 << "Birthday: month";
    QTest::newRow("birth day field") << "chart"
                                     << "cboBirthDay/edit"
                                     << "Birthday: day";
    QTest::newRow("report year") << "chart"
                                 << "cboReportYear"
                                 << "Report Day: year";
    QTest::newRow("report year field") << "chart"
                                       << "cboReportYear/edit"
                                       << "Report Day: year";
    QTest::newRow("person's name") << "entry"
                                   << "txtVisitorName"
                                   << "Person's Name";
    QTest::newRow("date of birth") << "entry"
                                   << "dtpDob"
                                   << "Date of Birth";
    QTest::newRow("report date") << "entry"
                                 << "dtpReportDate"
                                 << "Report Date";
    QTest::newRow("swatch") << "entry"
                            << "Picture1"
                            << "Choose Color";
    QTest::newRow("next") << "entry"
                          << "cmdSubmit"
                          << "Next";
    QTest::newRow("back picture") << "entry"
                                  << "picBackToBio"
                                  << "Back";
    QTest::newRow("previous day") << "display"
                                  << "cmdPrevDay"
                                  << "Previous day";
    QTest::newRow("first swatch") << "display"
                                  << "Picture1_0"
                                  << "Ann";
    QTest::newRow("second swatch") << "display"
                                   << "Picture1_1"
                                   << "Bob";
    QTest::newRow("banner strip") << "main"
                                  << "Picture6"
                                  << "Visit our free online forum on esoteric subjects and join "
                                     "the discussions!";
    QTest::newRow("friend's email") << "exit"
                                    << "txtFriendEmail"
                                    << "Friend's Email Address";
    QTest::newRow("message") << "exit"
                             << "txtMessage"
                             << "Your Message";
}

void AccessibilityTest::controlsAreNamedAfterTheirCaptions() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    const QStringList path = control.split('/');
    QWidget* widget = this->control(window, path.front());
    QVERIFY(widget);
    if (path.size() > 1) {
        widget = qobject_cast<QComboBox*>(widget)->lineEdit();
    }
    QCOMPARE(accessOf(widget)->text(QAccessible::Name), name);
}

void AccessibilityTest::linksActOnTheirKeysAndTheirPressAction_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key"); // 0: the press action of assistive technology
    QTest::addColumn<QString>("effect");
    const int enter = Qt::Key_Return;
    const int space = Qt::Key_Space;
    QTest::newRow("main banner") << "main"
                                 << "lblPyrwellBanner" << enter << "page home-page";
    QTest::newRow("main strip") << "main"
                                << "Picture6" << 0 << "page home-page";
    QTest::newRow("main offer") << "main"
                                << "Label7" << space << "page fully-branded";
    QTest::newRow("main chart label") << "main"
                                      << "lblCaption_3" << enter << "opens chart";
    QTest::newRow("main entry label") << "main"
                                      << "lblCaption_4" << 0 << "opens entry";
    QTest::newRow("chart forum") << "chart"
                                 << "Label1" << space << "page ";
    QTest::newRow("chart co-brand") << "chart"
                                    << "lblCobrand" << enter << "page co-brand";
    QTest::newRow("chart covered") << "chart"
                                   << "lblFullBrand" << 0 << "page fully-branded";
    QTest::newRow("entry offer") << "entry"
                                 << "lblFullBrand" << space << "page fully-branded";
    QTest::newRow("entry covered") << "entry"
                                   << "lblCobrand" << 0 << "page co-brand";
    QTest::newRow("entry back picture") << "entry"
                                        << "picBackToBio" << 0 << "closes entry";
    QTest::newRow("about home") << "about"
                                << "lblHomePage" << enter << "page home-page";
    QTest::newRow("about details") << "about"
                                   << "lblCoBrand" << 0 << "page fully-branded";
    QTest::newRow("exit catalogue") << "exit"
                                    << "lblGoToHome" << space << "page tarnwicksoftwares";
}

void AccessibilityTest::linksActOnTheirKeysAndTheirPressAction() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, effect);
    QWidget* link = this->control(window, control);
    QVERIFY(link);
    QAccessibleInterface* access = accessOf(link);
    QVERIFY(access->role() == QAccessible::Link || access->role() == QAccessible::Button);
    QVERIFY(hasPressAction(access));
    if (key == 0) {
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    } else {
        link->setFocus(Qt::TabFocusReason);
        QVERIFY(link->hasFocus());
        QTest::keyClick(link, static_cast<Qt::Key>(key));
    }
    const QStringList what = effect.split(' ');
    if (what.front() == "page") {
        QCOMPARE(m_urls->pageKeys(), QStringList{what.back()});
    } else {
        QVERIFY(m_urls->urls().empty());
        const Program program =
            what.back() == "chart" ? Program::Chart : Program::CompatibilityEntry;
        const bool opened = m_host->window<ProgramWindow>(program) != nullptr;
        QCOMPARE(opened, what.front() == "opens");
    }
}

void AccessibilityTest::hiddenAndDecorativeControlsAreReportedSo_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("seen");
    QTest::newRow("first icon") << "main"
                                << "Picture2"
                                << "decorative";
    QTest::newRow("second icon") << "main"
                                 << "Picture3"
                                 << "decorative";
    QTest::newRow("about picture") << "about"
                                   << "Picture1"
                                   << "decorative";
    QTest::newRow("exit icon") << "exit"
                               << "picNagscreen2Icon"
                               << "decorative";
    QTest::newRow("back button") << "entry"
                                 << "cmdBackToBio"
                                 << "off-screen";
    QTest::newRow("back picture") << "entry"
                                  << "picBackToBio"
                                  << "off-screen";
    QTest::newRow("covered entry offer") << "entry"
                                         << "lblCobrand"
                                         << "off-screen";
    QTest::newRow("visible entry offer") << "entry"
                                         << "lblFullBrand"
                                         << "shown";
    QTest::newRow("next before the last person") << "entry"
                                                 << "cmdSubmit"
                                                 << "shown";
    QTest::newRow("view result under next") << "entry"
                                            << "cmdSave"
                                            << "off-screen";
    QTest::newRow("banner without action") << "entry"
                                           << "Label14"
                                           << "plain";
    QTest::newRow("covered chart link") << "chart"
                                        << "lblFullBrand"
                                        << "off-screen";
    QTest::newRow("chart link on top") << "chart"
                                       << "lblCobrand"
                                       << "shown";
    QTest::newRow("message box") << "exit"
                                 << "txtMessage"
                                 << "off-screen";
    QTest::newRow("display swatch") << "display"
                                    << "Picture1_0"
                                    << "shown";
}

void AccessibilityTest::hiddenAndDecorativeControlsAreReportedSo() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, seen);
    QWidget* widget = this->control(window, control);
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QAccessibleInterface* access = accessOf(widget);
    QCOMPARE(access->state().invisible, seen == "decorative");
    QCOMPARE(access->state().offscreen, seen == "off-screen");
    if (seen == "decorative") {
        QVERIFY(access->text(QAccessible::Name).isEmpty());
    }
    if (seen == "off-screen" && widget->focusPolicy() == Qt::NoFocus) {
        // Out of sight and no tab stop, yet still there to be read.
        QVERIFY(!access->text(QAccessible::Name).isEmpty());
    }
    if (seen == "plain") {
        QCOMPARE(access->role(), QAccessible::StaticText);
        QVERIFY(!hasPressAction(access));
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }
}

void AccessibilityTest::legendExplainsWhereTheFocusIs() {
    QWidget* chart = open("chart");
    QVERIFY(chart);
    auto* heading = chart->findChild<QLabel*>("lblInfo_0");
    for (const auto& [name, shown] : {std::pair{"lblRed", "Physical:"},
                                      {"lblViolet", "Intellectual:"},
                                      {"picExplain", "General:"},
                                      {"lblGreen", "Emotional:"}}) {
        chart->findChild<QWidget*>(name)->setFocus(Qt::TabFocusReason);
        QCOMPARE(heading->text(), QString::fromLatin1(shown));
    }
}

void AccessibilityTest::keyboardAloneEntersACoupleAndShowsTheResult() {
    m_roster = modBiorhythmCompatibility();
    QVERIFY(open("entry"));
    auto* entry = m_host->window<frmBiorhythmCompatibilityMain>(Program::CompatibilityEntry);
    // Keys go where the focus is, or to the window if the focus were lost.
    const auto press = [entry](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : entry, key, modifiers);
    };
    const auto focusName = [] {
        const QWidget* focused = QApplication::focusWidget();
        return focused != nullptr ? focused->objectName() : QString();
    };
    const auto tabTo = [&](const char* name) {
        for (int presses = 0; presses < 16 && focusName() != QLatin1String(name); ++presses) {
            press(Qt::Key_Tab);
        }
        return focusName() == QLatin1String(name);
    };
    const auto next = [&press] {
        press(Qt::Key_N, Qt::AltModifier);
        QTest::qWait(250); // the access key presses the button after a visible moment
    };

    QVERIFY(tabTo("txtVisitorName"));
    QTest::keyClicks(QApplication::focusWidget(), "Ann");
    QVERIFY(tabTo("optMale"));
    press(Qt::Key_Space);
    next();
    QCOMPARE(m_roster.strPersonName[0], QStringLiteral("Ann"));

    QVERIFY(tabTo("txtVisitorName"));
    QTest::keyClicks(QApplication::focusWidget(), "Bob");
    QVERIFY(tabTo("Picture1"));
    m_answerer->answerColorDialogsWith(QColor(0, 128, 255));
    press(Qt::Key_Space);
    QCOMPARE(entry->swatchColor(), toColorValue(QColor(0, 128, 255)));
    // A desktop hands the activation back when the dialog closes; this platform does not.
    m_host->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_host->main()));
    QCOMPARE(focusName(), QStringLiteral("Picture1"));
    next();
    QVERIFY(m_answerer->seen().empty());
    QCOMPARE(m_roster.strPersonName[1], QStringLiteral("Bob"));
    QVERIFY(m_roster.lngLineColor[0] != m_roster.lngLineColor[1]);
    // "&View Result" now lies over "&Next".
    QVERIFY(accessOf(entry->findChild<QWidget*>("cmdSubmit"))->state().offscreen);
    QVERIFY(!accessOf(entry->findChild<QWidget*>("cmdSave"))->state().offscreen);

    press(Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(m_host->window<frmBiorhythmCompatibilityDisplay>(Program::CompatibilityDisplay));
    auto* display = m_host->window<frmBiorhythmCompatibilityDisplay>(Program::CompatibilityDisplay);
    QCOMPARE(display->CurrentView(), QStringLiteral("Physical"));
    QCOMPARE(display->findChild<QLabel*>("lblName_1")->text(), QStringLiteral("Bob"));
}

KELVRA_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
