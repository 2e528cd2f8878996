#include "text_contrast.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <cmath>
#include <functional>
#include <optional>

namespace {

double linearChannel(int value) {
    const double channel = value / 255.0;
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& color) {
    return 0.2126 * linearChannel(color.red()) + 0.7152 * linearChannel(color.green()) +
           0.0722 * linearChannel(color.blue());
}

// Makes the widget's text invisible and returns what shows it again; null for a widget that
// shows no text. Only what is drawn changes: no geometry, no signal anybody listens to.
std::function<void()> hideText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
        const QString text = label->text();
        label->setText(QString());
        return [label, text] {
            label->setText(text);
        };
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button != nullptr && !button->text().isEmpty()) {
        const QString text = button->text();
        button->setText(QString());
        return [button, text] {
            button->setText(text);
        };
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget); box != nullptr && !box->title().isEmpty()) {
        const QString title = box->title();
        box->setTitle(QString());
        return [box, title] {
            box->setTitle(title);
        };
    }
    // An editable box shows its text in its line edit, which is measured on its own.
    if (auto* box = qobject_cast<QComboBox*>(widget);
        box != nullptr && !box->isEditable() && !box->currentText().isEmpty()) {
        const int index = box->currentIndex();
        const QString text = box->itemText(index);
        box->setItemText(index, QString());
        return [box, index, text] {
            box->setItemText(index, text);
        };
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget);
        edit != nullptr && !edit->text().isEmpty() && edit->echoMode() == QLineEdit::Normal) {
        edit->setEchoMode(QLineEdit::NoEcho);
        return [edit] {
            edit->setEchoMode(QLineEdit::Normal);
        };
    }
    return {};
}

QRect rectIn(QWidget* widget, QWidget* window) {
    return {widget->mapTo(window, QPoint()), widget->size()};
}

// The part of the widget its window shows: inside every ancestor, and not under a sibling
// that lies above the widget or above one of its ancestors.
QRegion shownRegion(QWidget* widget) {
    QWidget* window = widget->window();
    QRegion shown(rectIn(widget, window));
    for (QWidget* current = widget; current != window; current = current->parentWidget()) {
        QWidget* parent = current->parentWidget();
        shown &= rectIn(parent, window);
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(current) + 1; i < siblings.size(); ++i) {
            auto* sibling = qobject_cast<QWidget*>(siblings.at(i));
            if (sibling != nullptr && sibling->isVisible() && !sibling->isWindow()) {
                shown -= rectIn(sibling, window);
            }
        }
    }
    return shown;
}

double shownArea(const QRegion& region) {
    double area = 0;
    for (const QRect& rect : region) {
        area += static_cast<double>(rect.width()) * rect.height();
    }
    return area;
}

QString describe(const QWidget* widget) {
    const QWidget* named = widget;
    while (named != nullptr && (named->objectName().isEmpty() ||
                                named->objectName().startsWith(QLatin1String("qt_")))) {
        named = named->parentWidget();
    }
    const QString name = named != nullptr ? named->objectName() : QStringLiteral("?");
    return named == widget
               ? name
               : QStringLiteral("%1 in %2").arg(widget->metaObject()->className(), name);
}

QRgb commonestColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb commonest = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    }
    return commonest;
}

std::optional<double> measure(QWidget* widget) {
    const QRegion shown = shownRegion(widget);
    if (shownArea(shown) * 2 < static_cast<double>(widget->width()) * widget->height()) {
        return std::nullopt;
    }
    QWidget* window = widget->window();
    const QRect bounds = shown.boundingRect();
    const std::function<void()> showText = hideText(widget);
    if (!showText) {
        return std::nullopt;
    }
    const QImage withoutText = window->grab(bounds).toImage();
    showText();
    const QImage withText = window->grab(bounds).toImage();

    const double scale = withText.devicePixelRatio();
    QList<QPoint> textPixels;
    QRect around;
    for (int y = 0; y < withText.height(); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            const QPoint logical =
                bounds.topLeft() + QPoint(static_cast<int>(x / scale), static_cast<int>(y / scale));
            if (withText.pixel(x, y) != withoutText.pixel(x, y) && shown.contains(logical)) {
                textPixels << QPoint(x, y);
                around |= QRect(x, y, 1, 1);
            }
        }
    }
    // A text drawn in its background's colour changes nothing: it cannot be read at all.
    if (textPixels.isEmpty()) {
        return 1.0;
    }
    const QColor background(
        commonestColour(withoutText, around.adjusted(-3, -3, 3, 3) & withoutText.rect()));
    double ratio = 1.0;
    for (const QPoint& pixel : textPixels) {
        ratio = std::max(ratio, contrastRatio(QColor(withText.pixel(pixel)), background));
    }
    return ratio;
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QList<TextContrast> measureTextContrast(QWidget& scope) {
    QList<QWidget*> widgets = scope.findChildren<QWidget*>();
    widgets.prepend(&scope);
    QList<TextContrast> measured;
    for (QWidget* widget : widgets) {
        // Greyed controls are exempt, as they are from the contrast rule.
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != scope.window()) {
            continue;
        }
        if (const std::optional<double> ratio = measure(widget)) {
            measured << TextContrast{describe(widget), *ratio};
        }
    }
    return measured;
}

QPalette darkColourScheme() {
    const QColor text(0xe0, 0xe0, 0xe0);
    QPalette palette(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::AlternateBase, QColor(0x26, 0x26, 0x26));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x6f, 0xb4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    palette.setColor(QPalette::Link, QColor(0x7f, 0xb4, 0xff));
    const QColor greyed(0x80, 0x80, 0x80);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, greyed);
    }
    return palette;
}
