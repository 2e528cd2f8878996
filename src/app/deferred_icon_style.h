#pragma once

#include <QProxyStyle>

namespace kelvra {

// The application's own style, wrapped: every menu bar asks for its overflow button's
// icon when it is made, and the first icon read makes Qt scan all its image plugins. This
// style hands out that icon unread; it is read from the wrapped style when first drawn.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps `base` and takes it over.
    explicit DeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts the deferring style around the application's current style (the one the desktop
// or -style chose).
void installDeferredIconStyle();

} // namespace kelvra
