#include "deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>

namespace kelvra {

namespace {
// Reads the wrapped style's icon on first use, then answers as that icon would.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* source, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : m_source(source)
        , m_which(which)
        , m_direction(direction) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!m_loaded) {
            m_loaded = true;
            if (m_source) {
                // The arrows point the other way in a right-to-left menu bar.
                QStyleOption option;
                option.direction = m_direction;
                m_icon = m_source->standardIcon(m_which, &option);
            }
        }
        return m_icon;
    }

    QPointer<QStyle> m_source;
    QStyle::StandardPixmap m_which;
    Qt::LayoutDirection m_direction;
    bool m_loaded = false;
    QIcon m_icon;
};
} // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* base)
    : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton ||
        which == SP_ToolBarVerticalExtensionButton) {
        const Qt::LayoutDirection direction = option   ? option->direction
                                              : widget ? widget->layoutDirection()
                                                       : QGuiApplication::layoutDirection();
        return QIcon(new DeferredIconEngine(baseStyle(), which, direction));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void installDeferredIconStyle() {
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
}

} // namespace kelvra
