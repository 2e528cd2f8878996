#include "accessibility.h"

#include "clickable_label.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

namespace kelvra {

namespace {
constexpr char kDecorative[] = "kelvraDecorative";
constexpr char kMayLeaveView[] = "kelvraMayLeaveView";
constexpr char kOwnName[] = "kelvraOwnName";
constexpr char kRole[] = "kelvraRole";

QString withoutAccessKey(QString text) {
    // "&&" stands for one ampersand; a single one marks the access key.
    constexpr QChar kKept(0x1);
    return text.replace(QStringLiteral("&&"), kKept).remove(QLatin1Char('&')).replace(kKept, u'&');
}

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64{rect.width()} * rect.height();
}

QAccessible::Role roleOf(const QWidget* widget) {
    if (const QVariant given = widget->property(kRole); given.isValid()) {
        return static_cast<QAccessible::Role>(given.toInt());
    }
    if (const auto* label = qobject_cast<const ClickableLabel*>(widget)) {
        return label->accessibleRole();
    }
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr) {
        return QAccessible::Button;
    }
    if (qobject_cast<const QPlainTextEdit*>(widget) != nullptr) {
        return QAccessible::EditableText;
    }
    if (qobject_cast<const QComboBox*>(widget) != nullptr) {
        return QAccessible::ComboBox;
    }
    return QAccessible::StaticText;
}

// A control of ours as assistive technology sees it.
class ControlAccess : public QAccessibleWidget {
public:
    ControlAccess(QWidget* widget, QAccessible::Role role, bool decorative = false)
        : QAccessibleWidget(widget, role)
        , m_decorative(decorative) {}

    QAccessible::Role role() const override {
        return m_decorative ? QAccessible::NoRole : roleOf(widget());
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || m_decorative;
        state.offscreen = state.offscreen || isOutOfView(widget());
        if (qobject_cast<const QPlainTextEdit*>(widget()) != nullptr) {
            state.editable = true;
            state.multiLine = true;
        }
        if (const auto* box = qobject_cast<const QComboBox*>(widget())) {
            state.editable = box->isEditable();
            state.hasPopup = true;
        }
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (m_decorative) {
            return {};
        }
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            const QString own = ownText();
            if (!own.isEmpty()) {
                return own;
            }
        }
        if (kind == QAccessible::Value) {
            if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget())) {
                return box->toPlainText();
            }
            if (const auto* box = qobject_cast<const QComboBox*>(widget())) {
                return box->currentText();
            }
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (isPressable()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& name) override {
        if (name != pressAction() || !isPressable()) {
            QAccessibleWidget::doAction(name);
        } else if (auto* label = qobject_cast<ClickableLabel*>(widget())) {
            label->press();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget())) {
            button->click();
        } else if (auto* box = qobject_cast<QComboBox*>(widget())) {
            box->showPopup();
        }
    }

private:
    bool isPressable() const {
        if (!widget()->isEnabled()) {
            return false;
        }
        if (const auto* label = qobject_cast<const ClickableLabel*>(widget())) {
            return label->isPressable();
        }
        return qobject_cast<const QAbstractButton*>(widget()) != nullptr ||
               qobject_cast<const QComboBox*>(widget()) != nullptr;
    }

    QString ownText() const {
        if (const auto* label = qobject_cast<const QLabel*>(widget())) {
            return label->text().simplified();
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
            return withoutAccessKey(button->text());
        }
        return {};
    }

    bool m_decorative = false;
};

QAccessibleInterface* accessFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(kDecorative).toBool()) {
        return new ControlAccess(widget, QAccessible::NoRole, true);
    }
    // Only the most derived class answers, so Qt's own interfaces serve every other widget.
    const bool ours = className == QLatin1String(ClickableLabel::staticMetaObject.className());
    if (ours || widget->property(kMayLeaveView).toBool() || widget->property(kOwnName).toBool() ||
        widget->property(kRole).isValid()) {
        return new ControlAccess(widget, roleOf(widget));
    }
    return nullptr;
}
} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessFactory);
        return true;
    }();
    (void)installed;
}

void adoptAccessibility(QWidget* widget) {
    installAccessibility();
    // Qt makes an interface as soon as a widget under construction reports a change; the
    // next question then reaches our factory.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void nameForAssistiveTechnology(QWidget* control, const QString& name) {
    control->setAccessibleName(name);
    if (auto* box = qobject_cast<QComboBox*>(control)) {
        box->setProperty(kOwnName, true);
        adoptAccessibility(box);
        if (QLineEdit* field = box->lineEdit()) {
            field->setAccessibleName(name);
        }
    }
}

void reportRole(QWidget* control, QAccessible::Role role) {
    control->setProperty(kRole, static_cast<int>(role));
    adoptAccessibility(control);
}

void markDecorative(QWidget* picture) {
    picture->setProperty(kDecorative, true);
    adoptAccessibility(picture);
}

void reportWhenOutOfView(QWidget* control) {
    control->setProperty(kMayLeaveView, true);
    adoptAccessibility(control);
}

void announceViewChange(QWidget* control) {
    QAccessible::State changed;
    changed.offscreen = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

bool isOutOfView(const QWidget* control) {
    if (!control->isVisible()) {
        return false;
    }
    if (control->visibleRegion().isEmpty()) {
        return true;
    }
    const QWidget* parent = control->parentWidget();
    if (parent == nullptr) {
        return false;
    }
    // Siblings later in the list are drawn above the control.
    const QRect own = control->geometry();
    bool above = false;
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (above && sibling != nullptr && sibling->isVisible() &&
            area(own.intersected(sibling->geometry())) * 10 >= area(own) * 9) {
            return true;
        }
        above = above || child == control;
    }
    return false;
}

} // namespace kelvra
