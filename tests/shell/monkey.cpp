#include "monkey.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <tuple>

namespace {
// Keys a user presses outside of typing; the context-menu key is left out, as a context
// menu runs its own event loop that only a person would end.
const QList<Qt::Key> kKeys = {Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Return,    Qt::Key_Enter,
                              Qt::Key_Space,  Qt::Key_Escape,   Qt::Key_Up,        Qt::Key_Down,
                              Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Home,      Qt::Key_End,
                              Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete,
                              Qt::Key_F4};
const QString kAccessLetters = QStringLiteral("ABCEFHNOSUVX");
const QString kTypedAscii = QStringLiteral("0123456789 -+.,/@#&%=?abzAZ");
const QStringList kTypedOthers = {QStringLiteral("\u00e9"), QStringLiteral("\u4e2d"),
                                  QStringLiteral("\U0001F600")};
const QList<QColor> kColors = {QColor(255, 199, 6), QColor(255, 0, 0), QColor(0, 0, 255),
                               QColor(0, 0, 0), QColor(255, 255, 255)};
const QList<QMessageBox::StandardButton> kAnswers = {QMessageBox::Ok, QMessageBox::Yes,
                                                     QMessageBox::No};

// Qt 6.4 leaks the little date label its calendar shows for text typed into it, even a
// blank, so no text goes there (a stand-alone QDateEdit shows the same leak).
bool insideCalendar(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (qobject_cast<const QCalendarWidget*>(widget) != nullptr) {
            return true;
        }
    }
    return false;
}

bool invitesClick(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           widget->cursor().shape() == Qt::PointingHandCursor;
}

// What a user's click on a menu or a close box does first: an open pop-up closes.
void closePopups() {
    for (int depth = 0; depth < 8; ++depth) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr) {
            return;
        }
        popup->close();
    }
}

void collectActions(const QList<QAction*>& actions, QList<QAction*>& into) {
    for (QAction* action : actions) {
        if (!action->isEnabled() || !action->isVisible() || action->isSeparator()) {
            continue;
        }
        if (action->menu() != nullptr) {
            collectActions(action->menu()->actions(), into);
        } else {
            into << action;
        }
    }
}
} // namespace

QString describe(const QWidget* widget) {
    if (widget == nullptr) {
        return QStringLiteral("nothing");
    }
    const QWidget* window = widget->window();
    return QStringLiteral("%1 '%2' in '%3'")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(),
             window != nullptr ? window->objectName() : QString());
}

Monkey::Monkey(quint32 seed)
    : m_random(seed) {
    m_answerer.handleOtherDialogsWith([this](QWidget* modal) {
        if (auto* dialog = qobject_cast<QColorDialog*>(modal)) {
            dialog->setCurrentColor(m_colorAnswer);
            m_acceptColor ? dialog->accept() : dialog->reject();
        } else {
            modal->close();
        }
    });
    // Between actions a pop-up stays open for the next one to use.
    m_popupCloser.setInterval(5);
    QObject::connect(&m_popupCloser, &QTimer::timeout, [this] {
        if (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr && m_acting) {
            popup->close();
        }
    });
    m_popupCloser.start();
}

QString Monkey::act() {
    drawAnswers();
    m_acting = true;
    const QString what = randomAction();
    m_acting = false;
    return what;
}

QString Monkey::randomAction() {
    const quint32 roll = m_random.bounded(100U);
    if (roll < 50) {
        return click();
    }
    if (roll < 58) {
        return moveMouse();
    }
    if (roll < 72) {
        return pressKey();
    }
    if (roll < 93) {
        return typeText();
    }
    if (roll < 99) {
        return chooseMenuItem();
    }
    return requestClose();
}

void Monkey::drawAnswers() {
    m_answerer.answerWith(pick(kAnswers));
    m_answerer.clear();
    m_colorAnswer = pick(kColors);
    m_acceptColor = m_random.bounded(2U) == 0;
}

QList<QWidget*> Monkey::openWindows() const {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            windows << widget;
        }
    }
    // The application keeps its windows unordered; a fixed order lets a seed replay its run.
    const auto key = [](const QWidget* w) {
        const QRect g = w->geometry();
        return std::make_tuple(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                               g.x(), g.y(), g.width(), g.height());
    };
    std::sort(windows.begin(), windows.end(),
              [&key](const QWidget* a, const QWidget* b) { return key(a) < key(b); });
    return windows;
}

QList<QWidget*> Monkey::windowsAndFrames() const {
    QList<QWidget*> windows = openWindows();
    for (QWidget* window : openWindows()) {
        for (QMdiSubWindow* frame : window->findChildren<QMdiSubWindow*>()) {
            if (frame->isVisible()) {
                windows << frame;
            }
        }
    }
    return windows;
}

QWidget* Monkey::activeWindowOrFrame(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr) {
        return fallback;
    }
    for (QMdiArea* area : active->findChildren<QMdiArea*>()) {
        if (QMdiSubWindow* frame = area->activeSubWindow();
            frame != nullptr && frame->isVisible()) {
            return frame;
        }
    }
    return active;
}

QWidget* Monkey::anyWidget() {
    const QList<QWidget*> windows = windowsAndFrames();
    if (windows.isEmpty()) {
        return nullptr;
    }
    // A window first, so the few controls of a program window are not lost among the many
    // of the main window around it; mostly the one in use, as a user's attention is.
    QWidget* window = pick(windows);
    if (m_random.bounded(4U) != 0) {
        window = activeWindowOrFrame(window);
    }
    // Half the time only what invites a click, as a user aims at controls, not at frames.
    const bool controlsOnly = m_random.bounded(2U) == 0;
    QList<QWidget*> widgets{window};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisible() && child->isEnabled() && !child->rect().isEmpty() &&
            (!controlsOnly || invitesClick(child))) {
            widgets << child;
        }
    }
    return pick(widgets);
}

QWidget* Monkey::keyboardTarget() const {
    // An open pop-up takes every key, as it does a user's.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    }
    if (QWidget* focus = QApplication::focusWidget()) {
        return focus;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    const QList<QWidget*> windows = openWindows();
    return windows.isEmpty() ? nullptr : windows.first();
}

QString Monkey::click() {
    QPointer<QWidget> target = anyWidget();
    if (target.isNull()) {
        return QStringLiteral("click on nothing");
    }
    const QPoint at(static_cast<int>(m_random.bounded(static_cast<quint32>(target->width()))),
                    static_cast<int>(m_random.bounded(static_cast<quint32>(target->height()))));
    const bool twice = m_random.bounded(10U) == 0;
    const QString what = QStringLiteral("%1 on %2 at %3,%4")
                             .arg(twice ? "double click" : "click", describe(target))
                             .arg(at.x())
                             .arg(at.y());
    // A press may close the window, so the release goes only to a widget still there.
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    if (!target.isNull()) {
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    }
    if (twice && !target.isNull()) {
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    }
    return what;
}

QString Monkey::moveMouse() {
    QWidget* target = anyWidget();
    if (target == nullptr) {
        return QStringLiteral("move over nothing");
    }
    const QPoint at(static_cast<int>(m_random.bounded(static_cast<quint32>(target->width()))),
                    static_cast<int>(m_random.bounded(static_cast<quint32>(target->height()))));
    QTest::mouseMove(target, at);
    return QStringLiteral("move over %1").arg(describe(target));
}

QString Monkey::pressKey() {
    QPointer<QWidget> target = keyboardTarget();
    if (target.isNull()) {
        return QStringLiteral("key to nothing");
    }
    const bool accessKey = m_random.bounded(4U) == 0;
    Qt::Key key = pick(kKeys);
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (accessKey && !insideCalendar(target)) {
        // Qt's letter keys are the letters' own codes.
        key = Qt::Key(pick(QList<QChar>(kAccessLetters.begin(), kAccessLetters.end())).unicode());
        modifiers = Qt::AltModifier;
    } else if (m_random.bounded(5U) == 0) {
        modifiers = Qt::ShiftModifier;
    }
    if (key == Qt::Key_Space && insideCalendar(target)) {
        return QStringLiteral("no blank typed into %1").arg(describe(target));
    }
    const QString what = QStringLiteral("key %1%2 to %3")
                             .arg(modifiers == Qt::AltModifier     ? "Alt+"
                                  : modifiers == Qt::ShiftModifier ? "Shift+"
                                                                   : "",
                                  QKeySequence(key).toString(), describe(target));
    QTest::keyPress(target, key, modifiers);
    if (!target.isNull()) {
        QTest::keyRelease(target, key, modifiers);
    }
    return what;
}

QString Monkey::typeText() {
    QPointer<QWidget> target = keyboardTarget();
    if (target.isNull() || insideCalendar(target)) {
        return QStringLiteral("no typing into %1").arg(describe(target));
    }
    QStringList pieces;
    const quint32 length = 1 + m_random.bounded(12U);
    for (quint32 i = 0; i < length; ++i) {
        const bool ascii = m_random.bounded(8U) != 0;
        pieces << (ascii ? QString(pick(QList<QChar>(kTypedAscii.begin(), kTypedAscii.end())))
                         : pick(kTypedOthers));
    }
    const QString what =
        QStringLiteral("type '%1' into %2").arg(pieces.join(QString()), describe(target));
    for (const QString& piece : std::as_const(pieces)) {
        if (target.isNull()) {
            break;
        }
        // Qt's test keys know only ASCII; other characters come as text of an unknown key.
        if (piece.size() == 1 && piece.at(0).unicode() < 128) {
            QTest::keyClick(target, piece.at(0).toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, piece, Qt::NoModifier);
        }
    }
    return what;
}

QString Monkey::chooseMenuItem() {
    closePopups();
    QList<QAction*> actions;
    for (QWidget* window : openWindows()) {
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            if (bar->isVisible()) {
                collectActions(bar->actions(), actions);
            }
        }
    }
    if (actions.isEmpty()) {
        return QStringLiteral("no menu item");
    }
    QAction* action = pick(actions);
    const QString what = QStringLiteral("menu item '%1'").arg(action->text());
    action->trigger();
    return what;
}

QString Monkey::requestClose() {
    closePopups();
    const QList<QWidget*> windows = windowsAndFrames();
    if (windows.isEmpty()) {
        return QStringLiteral("close nothing");
    }
    QWidget* window = pick(windows);
    const QString what = QStringLiteral("close %1").arg(describe(window));
    window->close();
    return what;
}
