#pragma once

#include "app/program_host.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Stands in for the main window: an MDI area that takes the program windows, and a record
// of every request in the order made.
class FakeProgramHost : public kelvra::ProgramHost {
public:
    FakeProgramHost() {
        m_area.resize(1000, 800);
        m_area.show();
    }

    void showProgramWindow(QWidget* window) override {
        calls << QStringLiteral("show %1").arg(window->objectName());
        QMdiSubWindow* frame = m_area.addSubWindow(window);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->show();
        // As the main window does.
        window->setFocus();
    }

    void setChooserVisible(bool visible) override {
        calls << (visible ? QStringLiteral("chooser shown") : QStringLiteral("chooser hidden"));
        chooserVisible = visible;
    }

    void hideExitScreen() override { calls << QStringLiteral("exit screen hidden"); }

    void closeApplication() override { calls << QStringLiteral("close application"); }

    bool anotherCopyRuns() override { return otherCopyRuns; }

    // The program windows still open, after pending deletions have run.
    QList<QWidget*> openWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QWidget*> windows;
        for (QMdiSubWindow* frame : m_area.subWindowList()) {
            if (frame->widget() != nullptr) {
                windows << frame->widget();
            }
        }
        return windows;
    }

    // Frames left in the area, with or without a window inside.
    int frameCount() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return static_cast<int>(m_area.subWindowList().size());
    }

    template <typename Window> Window* openWindow() {
        for (QWidget* window : openWindows()) {
            if (auto* typed = qobject_cast<Window*>(window)) {
                return typed;
            }
        }
        return nullptr;
    }

    QMdiArea& area() { return m_area; }

    QStringList calls;
    bool chooserVisible = true;
    bool otherCopyRuns = false;

private:
    QMdiArea m_area;
};
