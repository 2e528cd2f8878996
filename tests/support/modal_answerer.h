#pragma once

#include <QColor>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

// What a test saw of a modal message box before it answered it.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the modal message boxes a step under test opens, recording each one.
// Use: ModalAnswerer answerer; answerer.answerWith(QMessageBox::Ok); <step>; check seen().
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    ModalAnswerer();

    // Every message box from now on is answered with this button.
    void answerWith(QMessageBox::StandardButton button);

    // A modal widget that is no message box (a colour dialog) is handed to this function.
    void handleOtherDialogsWith(std::function<void(QWidget*)> handler);

    // Every colour dialog from now on is set to this colour and accepted, or rejected when
    // `accept` is false. Replaces the handler of other dialogs.
    void answerColorDialogsWith(const QColor& color, bool accept = true);

    // The colour the last answered colour dialog offered when it opened.
    QColor lastOfferedColor() const { return m_lastOfferedColor; }

    const std::vector<SeenMessage>& seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void poll();

    QTimer m_timer;
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
    std::function<void(QWidget*)> m_otherHandler;
    QColor m_lastOfferedColor;
    std::vector<SeenMessage> m_seen;
};
