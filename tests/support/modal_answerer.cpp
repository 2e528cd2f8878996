#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>

ModalAnswerer::ModalAnswerer() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

void ModalAnswerer::answerWith(QMessageBox::StandardButton button) {
    m_answer = button;
}

void ModalAnswerer::handleOtherDialogsWith(std::function<void(QWidget*)> handler) {
    m_otherHandler = std::move(handler);
}

void ModalAnswerer::answerColorDialogsWith(const QColor& color, bool accept) {
    handleOtherDialogsWith([this, color, accept](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        if (dialog == nullptr) {
            return;
        }
        m_lastOfferedColor = dialog->currentColor();
        dialog->setCurrentColor(color);
        if (accept) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        if (m_otherHandler) {
            m_otherHandler(modal);
        }
        return;
    }
    if (!box->isVisible()) {
        return;
    }
    m_seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    QAbstractButton* button = box->button(m_answer);
    if (button == nullptr) {
        button = box->buttons().value(0);
    }
    if (button != nullptr) {
        button->click();
    }
}
