#pragma once

#include "app/twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// Rows of a window's layout table, checked against the controls a window really holds.

// Columns: the control's objectName, its place in twips (a width or height of 0 is left
// unchecked, for controls that fit themselves to their text), its text (a null text is left
// unchecked), bold and point size (a size of 0 leaves the font unchecked, for controls
// without text) and text colour (an invalid colour is left unchecked).
inline void addLayoutColumns() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("color");
}

inline QString controlText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    return {};
}

// Checks the current row of the table against the window's control of that name.
inline void checkLayoutRow(const QWidget* window) {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(bool, bold);
    QFETCH(double, points);
    QFETCH(QColor, color);

    const auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->pos(), kelvra::twipsPoint(twips.x(), twips.y()));
    if (twips.width() > 0) {
        QCOMPARE(control->width(), kelvra::twipsToPixels(twips.width()));
    }
    if (twips.height() > 0) {
        QCOMPARE(control->height(), kelvra::twipsToPixels(twips.height()));
    }
    if (!text.isNull()) {
        QCOMPARE(controlText(control), text);
    }
    if (points > 0) {
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->font().pointSizeF(), points);
    }
    if (color.isValid()) {
        QCOMPARE(control->palette().color(QPalette::WindowText), color);
    }
}

// The menu bar as "Menu > Item" lines, "-" for a separator, submenus one level deeper.
inline QStringList menuOutline(const QMenuBar* bar) {
    QStringList lines;
    const auto addItems = [&lines](const auto& self, const QMenu* menu,
                                   const QString& path) -> void {
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                lines << path + QStringLiteral(" > -");
            } else if (action->menu() != nullptr) {
                self(self, action->menu(), path + QStringLiteral(" > ") + action->text());
            } else {
                lines << path + QStringLiteral(" > ") + action->text();
            }
        }
    };
    for (const QAction* top : bar->actions()) {
        if (top->menu() != nullptr && top->isVisible()) {
            addItems(addItems, top->menu(), top->text());
        }
    }
    return lines;
}
