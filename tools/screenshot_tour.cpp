// Renders the windows a user meets to PNG files, the same on every run: a fixed day and
// locale, settings of its own, and the real main window driven through its controls.
//   kelvra-screenshots FOLDER
#include "app/clock.h"
#include "compat/person_roster.h"
#include "shell/close_application.h"
#include "shell/exit_screen.h"
#include "shell/main_window.h"
#include "shell/program_windows.h"
#include "shell/single_instance_guard.h"
#include "shell/startup.h"

#include <QApplication>
#include <QColorDialog>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {
const QDate kToday(2026, 12, 9);

void settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

template <typename Widget> Widget* control(const QWidget& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) {
        std::fprintf(stderr, "kelvra-screenshots: no control %s\n", qPrintable(name));
        std::exit(1);
    }
    return widget;
}

void click(const QWidget& window, const QString& name) {
    QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
    settle();
}

bool save(QWidget& window, const QDir& folder, const QString& name) {
    settle();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "kelvra-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The colour dialog is modal: it is answered once it is up.
void answerColourDialogWith(const QColor& colour) {
    QTimer::singleShot(0, [colour] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            dialog->setCurrentColor(colour);
            dialog->accept();
        } else {
            answerColourDialogWith(colour);
        }
    });
}

void enterPerson(const QWidget& window, const QString& name, QDate birth, const char* sex) {
    control<QDateEdit>(window, QStringLiteral("dtpDob"))->setDate(birth);
    QTest::keyClicks(control<QLineEdit>(window, QStringLiteral("txtVisitorName")), name);
    click(window, QLatin1String(sex));
}

bool tour(kelvra::frmMDI& main, const QDir& folder) {
    bool saved = save(main, folder, QStringLiteral("main-window"));
    click(main, QStringLiteral("cmdSelectOption_0"));
    click(main, QStringLiteral("cmdBiorythm"));
    saved = save(main, folder, QStringLiteral("chart-window")) && saved;

    click(main, QStringLiteral("cmdSelectOption_1"));
    // The main window has a "Picture1" of its own: the entry window's controls are its children.
    const QWidget& entry = *control<QWidget>(main, QStringLiteral("frmBiorhythmCompatibilityMain"));
    enterPerson(entry, QStringLiteral("Ann"), QDate(1980, 1, 4), "optFemale");
    click(entry, QStringLiteral("cmdSubmit"));
    enterPerson(entry, QStringLiteral("Bob"), QDate(1978, 7, 21), "optMale");
    answerColourDialogWith(QColor(0, 0, 200));
    click(entry, QStringLiteral("Picture1"));
    saved = save(main, folder, QStringLiteral("entry-window")) && saved;
    click(entry, QStringLiteral("cmdSubmit"));
    click(entry, QStringLiteral("cmdSave"));
    saved = save(main, folder, QStringLiteral("display-window")) && saved;
    return saved;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: kelvra-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // A steady text cursor and one locale's dates make every run draw the same pixels.
    QApplication::setCursorFlashTime(0);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    kelvra::setTodayOverride(kToday);
    kelvra::setProcessEnder([] {});

    const QTemporaryDir home;
    QSettings settings(home.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    // A reminder given today: no update question comes up.
    settings.setValue(QStringLiteral("Settings/Duration"), kToday.toString(Qt::ISODate));
    kelvra::SingleInstanceGuard guard(home.filePath(QStringLiteral("lock")));
    kelvra::modBiorhythmCompatibility roster;
    const std::unique_ptr<kelvra::frmMDI> main =
        kelvra::RunStartup(guard, settings, kelvra::programWindows(settings, roster));
    if (!main || !QTest::qWaitForWindowExposed(main.get())) {
        std::fprintf(stderr, "kelvra-screenshots: the main window did not come up\n");
        return 1;
    }
    bool saved = tour(*main, folder);

    // The message drawn at random is fixed here to the first one.
    kelvra::frmNagScreen2 exitScreen(0);
    exitScreen.show();
    saved = QTest::qWaitForWindowExposed(&exitScreen) &&
            save(exitScreen, folder, QStringLiteral("exit-screen")) && saved;
    return saved ? 0 : 1;
}
