#pragma once

#include "modal_answerer.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QTimer>

class QWidget;

// Acts like a careless user on whatever windows are open: random clicks, keys, typed text,
// menu choices and close requests, found at run time. Modal message boxes and colour
// dialogs are answered as they come, at random; any other modal window is closed, and so is
// a pop-up that holds up an action with its own event loop.
class Monkey {
public:
    explicit Monkey(quint32 seed);

    // Sends one random action and says what it was.
    QString act();

private:
    QString randomAction();
    QString click();
    QString moveMouse();
    QString pressKey();
    QString typeText();
    QString chooseMenuItem();
    QString requestClose();
    void drawAnswers();

    QList<QWidget*> openWindows() const;
    QList<QWidget*> windowsAndFrames() const;
    QWidget* anyWidget();
    static QWidget* activeWindowOrFrame(QWidget* fallback);
    QWidget* keyboardTarget() const;
    template <typename T> T pick(const QList<T>& list) {
        return list.at(static_cast<qsizetype>(m_random.bounded(static_cast<quint32>(list.size()))));
    }

    QRandomGenerator m_random;
    ModalAnswerer m_answerer;
    QTimer m_popupCloser;
    bool m_acting = false;
    QColor m_colorAnswer;
    bool m_acceptColor = true;
};

// Names a widget for a failure report: its class, object name and window.
QString describe(const QWidget* widget);
