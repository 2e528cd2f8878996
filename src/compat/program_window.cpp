#include "program_window.h"

#include "app/child_menu_access_keys.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace kelvra {

ProgramWindow::ProgramWindow(const QString& objectName, const QString& caption, QSize clientSize,
                             QWidget* parent)
    : QWidget(parent)
    , m_menuBar(new QMenuBar(this))
    , m_client(new QWidget(this)) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    m_menuBar->setNativeMenuBar(false);
    new ChildMenuAccessKeys(*this, *m_menuBar);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setFixedSize(clientSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ProgramWindow::~ProgramWindow() {
    // A pop-up still open (a date picker's calendar) would hand the focus, as it goes, to a
    // control already destroyed.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->isWindow() && child->isVisible()) {
            child->hide();
        }
    }
}

void ProgramWindow::closeWindow() {
    // Inside the main window the frame must go too, or an empty frame would stay behind;
    // closing the frame closes this window first.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->close();
    }
    if (!m_closing) {
        close();
    }
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    finishClosing();
}

void ProgramWindow::finishClosing() {
    if (m_closing) {
        return;
    }
    m_closing = true;
    Form_Unload();
    emit closed();
}

} // namespace kelvra
