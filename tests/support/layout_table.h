#pragma once

#include "app/twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <optional>

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

// What a row of a table with places as {left, top, width, height} in twips states about one
// control. A negative place, an empty optional and an invalid colour are left unchecked.
struct ControlLooks {
    QList<double> twips;
    std::optional<double> points;
    std::optional<bool> bold;
    std::optional<bool> underline;
    QColor textColor;
    bool handCursor = false;
};

// Checks the window's control of that name against the row.
inline void checkControlLooks(const QWidget* window, const QString& name,
                              const ControlLooks& looks) {
    const auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    const QList<int> actual{control->x(), control->y(), control->width(), control->height()};
    for (int i = 0; i < 4; ++i) {
        if (looks.twips.at(i) >= 0) {
            QCOMPARE(actual.at(i), kelvra::twipsToPixels(looks.twips.at(i)));
        }
    }
    if (looks.points) {
        QCOMPARE(control->font().pointSizeF(), *looks.points);
    }
    if (looks.bold) {
        QCOMPARE(control->font().bold(), *looks.bold);
    }
    if (looks.underline) {
        QCOMPARE(control->font().underline(), *looks.underline);
    }
    if (looks.textColor.isValid()) {
        QCOMPARE(control->palette().color(QPalette::WindowText), looks.textColor);
    }
    QCOMPARE(control->cursor().shape() == Qt::PointingHandCursor, looks.handCursor);
}
