#include "back_pictures.h"

#include "app/ui_font.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvra {

QPixmap backPicture(QSize size, bool lit) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body = QRectF(picture.rect()).adjusted(1, 1, -1, -1);
    const QColor face = lit ? QColor(255, 128, 0) : QColor(64, 0, 0);
    const QColor ink = lit ? QColor(64, 0, 0) : QColor(255, 199, 6);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(face);
    painter.drawRoundedRect(body, body.height() / 4, body.height() / 4);

    // A left-pointing arrow, then the word.
    const double middle = body.center().y();
    const double arrowLeft = body.left() + body.height() * 0.25;
    const double arrowRight = arrowLeft + body.height() * 0.45;
    QPainterPath arrow;
    arrow.moveTo(arrowLeft, middle);
    arrow.lineTo(arrowRight, middle - body.height() * 0.25);
    arrow.lineTo(arrowRight, middle + body.height() * 0.25);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(arrow);

    painter.setPen(ink);
    painter.setFont(uiFont(8.25, true));
    const QRectF textArea(arrowRight + 2, body.top(), body.right() - arrowRight - 4, body.height());
    painter.drawText(textArea, Qt::AlignCenter, QStringLiteral("Back"));
    return picture;
}

} // namespace kelvra
