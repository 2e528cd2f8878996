#pragma once

#include "app/clock.h"
#include "app/program_window.h"
#include "compat/person_roster.h"
#include "shell/close_application.h"
#include "shell/exit_screen.h"
#include "shell/main_window.h"
#include "shell/program_area.h"
#include "shell/program_windows.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A couple whose display window can open at once, both on the given report day.
inline void fillCouple(kelvra::modBiorhythmCompatibility& roster, const QDate& reportDay) {
    roster.intTotalPersons = 2;
    roster.strPersonName = {"Ann", "Bob", ""};
    roster.dtBirthDate = {QDate(1980, 1, 4), QDate(1982, 7, 9), QDate()};
    roster.dtReportDate = {reportDay, reportDay, QDate()};
    roster.lngLineColor = {0x0000FF, 0xC00000, 0};
}

// Moves the pointer over the widget as a desktop does, through its top-level window.
inline void hoverOver(QWidget* widget, QPoint position) {
    QWidget* window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, position));
}

// The real main window with the real program windows, where users meet them: shown and
// active, on a settings store of its own in which today's reminder is already recorded,
// with a process end that only counts.
class HostedPrograms {
public:
    explicit HostedPrograms(kelvra::modBiorhythmCompatibility& roster)
        : m_settings(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat) {
        kelvra::setProcessEnder([this] { ++ends; });
        m_settings.setValue(QStringLiteral("Settings/Duration"),
                            kelvra::today().toString(Qt::ISODate));
        kelvra::ProgramWindowFactory programs = kelvra::programWindows(m_settings, roster);
        programs.anotherCopyRuns = [this] {
            return otherCopyRuns;
        };
        m_main = std::make_unique<kelvra::frmMDI>(std::move(programs));
        m_main->showMaximized();
        m_main->activateWindow();
        (void)QTest::qWaitForWindowActive(m_main.get());
    }

    kelvra::frmMDI& main() const { return *m_main; }
    QSettings& settings() { return m_settings; }

    // Opens the program as the chooser does, and returns its window.
    template <typename Window> Window* open(kelvra::Program program) {
        m_main->setChooserVisible(false);
        m_main->openProgram(program);
        return window<Window>(program);
    }

    // The program's open window, once pending closes have run; null when there is none.
    template <typename Window> Window* window(kelvra::Program program) const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return qobject_cast<Window*>(m_main->programArea().window(program));
    }

    // Frames left in the area, with or without a window inside.
    int frameCount() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return static_cast<int>(m_main->programArea().subWindowList().size());
    }

    bool chooserVisible() const {
        return m_main->findChild<QWidget*>(QStringLiteral("picMain"))->isVisible();
    }

    int ends = 0;
    // What the single-instance guard answers the program windows.
    bool otherCopyRuns = false;

private:
    QTemporaryDir m_dir;
    QSettings m_settings;
    std::unique_ptr<kelvra::frmMDI> m_main;
};
