#include "program_area.h"

#include "app/program_window.h"
#include "app/twips.h"
#include "program_frame.h"

#include <QApplication>
#include <QMenuBar>

#include <algorithm>

namespace kelvra {

namespace {
std::size_t slotOf(Program program) {
    return static_cast<std::size_t>(program);
}

ProgramWindowFactory::Make makerOf(const ProgramWindowFactory& programs, Program program) {
    switch (program) {
    case Program::Chart:
        return programs.chart;
    case Program::CompatibilityEntry:
        return programs.compatibilityEntry;
    case Program::CompatibilityDisplay:
        return programs.compatibilityDisplay;
    }
    return {};
}
} // namespace

ProgramArea::ProgramArea(ProgramWindowFactory programs, ProgramHost& host, QMenuBar& bar,
                         QWidget* parent)
    : QMdiArea(parent)
    , m_programs(std::move(programs))
    , m_host(host)
    , m_bar(bar)
    , m_ownMenus(bar.actions()) {
    setObjectName(QStringLiteral("mdiArea"));
    setBackground(Qt::black);
    // The area paints its black over every pixel of its viewport: no fill beneath it first.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // A modal box or another application takes the activation for a while; the menus stay
    // until a program window really goes.
    connect(this, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
        if (frame != nullptr) {
            showMenusOf(frame);
        }
    });
}

bool ProgramArea::open(Program program, int screenWidth) {
    const ProgramWindowFactory::Make make = makerOf(m_programs, program);
    ProgramWindow* window = make ? make(m_host) : nullptr;
    if (window == nullptr) {
        return false;
    }
    m_windows.at(slotOf(program)) = window;
    connect(window, &ProgramWindow::closed, this, [this, window] {
        showMenusOf(openFrame(window));
        emit programClosed();
    });
    auto* frame = new ProgramFrame(window);
    addSubWindow(frame);
    frame->setFixedSize(frame->sizeHint());
    frame->move((screenWidth - frame->width()) / 2, 0);
    frame->show();
    setActiveSubWindow(frame);
    showMenusOf(frame);
    window->focusFirstControl();
    return true;
}

bool ProgramArea::canOpen(Program program) const {
    return static_cast<bool>(makerOf(m_programs, program));
}

void ProgramArea::closeAll() {
    for (Program program :
         {Program::Chart, Program::CompatibilityDisplay, Program::CompatibilityEntry}) {
        if (ProgramWindow* open = window(program)) {
            open->closeWindow();
        }
    }
}

ProgramWindow* ProgramArea::window(Program program) const {
    ProgramWindow* open = m_windows.at(slotOf(program)).data();
    return open != nullptr && open->isVisible() ? open : nullptr;
}

bool ProgramArea::hasKeyboard() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && isAncestorOf(focus) && focus != viewport();
}

bool ProgramArea::focusProgramWindow() {
    QMdiSubWindow* frame = currentSubWindow() != nullptr ? currentSubWindow() : openFrame(nullptr);
    if (frame == nullptr || !frame->isVisible()) {
        return false;
    }
    setActiveSubWindow(frame);
    QWidget* widget = frame->widget();
    QWidget* last = widget != nullptr ? widget->focusWidget() : nullptr;
    if (last != nullptr) {
        last->setFocus(Qt::OtherFocusReason);
    } else if (auto* program = qobject_cast<ProgramWindow*>(widget)) {
        program->focusFirstControl();
    }
    return true;
}

QMdiSubWindow* ProgramArea::openFrame(const ProgramWindow* closing) const {
    const QList<QMdiSubWindow*> frames = subWindowList(QMdiArea::ActivationHistoryOrder);
    // The most recently active comes last.
    for (auto frame = frames.crbegin(); frame != frames.crend(); ++frame) {
        auto* program = qobject_cast<ProgramWindow*>((*frame)->widget());
        if (program != nullptr && program != closing && program->isVisible()) {
            return *frame;
        }
    }
    return nullptr;
}

void ProgramArea::showMenusOf(const QMdiSubWindow* frame) {
    const auto* program =
        frame != nullptr ? qobject_cast<ProgramWindow*>(frame->widget()) : nullptr;
    const QList<QAction*> wanted = program != nullptr ? program->menuBar()->actions() : m_ownMenus;
    // QList's own comparison hands an empty list's null data to memcmp.
    const QList<QAction*> shown = m_bar.actions();
    if (std::equal(shown.cbegin(), shown.cend(), wanted.cbegin(), wanted.cend())) {
        return;
    }
    for (QAction* action : m_bar.actions()) {
        m_bar.removeAction(action);
    }
    m_bar.addActions(wanted);
}

} // namespace kelvra
