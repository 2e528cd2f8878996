#include "program_window.h"

#include "app_icons.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include <utility>

namespace kelvra {

ProgramWindow::ProgramWindow(const QString& objectName, const QString& caption, QSize clientSize,
                             QWidget* parent)
    : QWidget(parent)
    , m_menuBar(new QMenuBar(this))
    , m_client(new QWidget(this)) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowIcon(applicationIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    // The menus belong to the application's window, never to a desktop's global menu bar.
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->hide();
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setFixedSize(clientSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
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

void ProgramWindow::focusFirstControl() {
    (m_firstControl != nullptr ? m_firstControl : this)->setFocus(Qt::OtherFocusReason);
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
    // A box or dialog of this window's own still waits for its answer: the window stays
    // until then, since the code that opened it goes on with the window once it is answered.
    for (const QWidget* modal = QApplication::activeModalWidget(); modal != nullptr;
         modal = modal->parentWidget()) {
        if (modal == this) {
            event->ignore();
            return;
        }
    }
    event->accept();
    finishClosing();
}

void ProgramWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!std::exchange(m_textBoxesWatched, true)) {
        // Drop-down and spin boxes hand their keys to their text fields directly.
        for (QWidget* box : findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(box) != nullptr ||
                qobject_cast<QComboBox*>(box) != nullptr ||
                qobject_cast<QAbstractSpinBox*>(box) != nullptr) {
                box->installEventFilter(this);
            }
        }
    }
}

bool ProgramWindow::eventFilter(QObject* watched, QEvent* event) {
    // An access key the window does not have is no letter to type: the text stays as entered.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::AltModifier && !key->text().isEmpty()) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
