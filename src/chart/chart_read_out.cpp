#include "chart_read_out.h"

#include "chart_surface.h"
#include "cycle_reading.h"
#include "legend_colors.h"

#include "app/color_conversion.h"
#include "app/short_date.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace kelvra {

namespace {
QString cell(const QString& text, const QColor& color) {
    return QStringLiteral("<td style=\"color:%1\">%2</td>").arg(color.name(), text.toHtmlEscaped());
}

QString readOutHtml(const std::vector<CurveReading>& readings, const QColor& background) {
    const bool oneDay = std::all_of(readings.begin(), readings.end(), [&](const CurveReading& r) {
        return r.day == readings.front().day;
    });
    const QColor text = textColorOn(background);
    QString html;
    if (oneDay) {
        html += QStringLiteral("<b>%1</b>").arg(formatShortDate(readings.front().day));
    }
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const CurveReading& reading : readings) {
        html += QStringLiteral("<tr>") + cell(QStringLiteral("\u25A0"), toQColor(reading.color)) +
                cell(reading.name, nameColorOn(reading.color, background));
        if (!oneDay) {
            html += cell(formatShortDate(reading.day), text);
        }
        html += cell(percentText(reading.percent), text) +
                cell(reading.phase == CyclePhase::Critical ? phaseText(reading.phase) : QString(),
                     text) +
                QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}
} // namespace

ChartReadOut::ChartReadOut(ChartSurface& surface)
    : QObject(&surface)
    , m_surface(surface)
    , m_popup(new QLabel(&surface, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)) {
    m_popup->setObjectName(QStringLiteral("chartReadOut"));
    m_popup->setTextFormat(Qt::RichText);
    m_popup->setMargin(2);
    m_popup->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_popup->setAutoFillBackground(true);
    m_popup->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_surface.setMouseTracking(true);
    m_surface.installEventFilter(this);
    connect(&m_surface, &ChartSurface::contentsChanged, this, [this] {
        if (m_popup->isVisible()) {
            showAt(m_position);
        }
    });
}

bool ChartReadOut::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_surface) {
        if (event->type() == QEvent::MouseMove) {
            showAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        } else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide ||
                   event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
            // Out of the way of a menu or whatever the press or key opens.
            m_popup->hide();
        }
    }
    return QObject::eventFilter(watched, event);
}

void ChartReadOut::showAt(QPoint position) {
    m_position = position;
    const QRect inner = m_surface.contentsRect();
    const std::vector<CurveReading> readings =
        ReadCurves(m_surface.contents(), m_surface.xFromPixels(position.x() - inner.left() + 0.5),
                   m_surface.horizontalExtent());
    if (readings.empty() || !inner.contains(position)) {
        m_popup->hide();
        return;
    }
    const QColor background = toQColor(m_surface.backgroundColor());
    QPalette colors = m_popup->palette();
    colors.setColor(QPalette::Window, background);
    colors.setColor(QPalette::WindowText, textColorOn(background));
    m_popup->setPalette(colors);
    m_popup->setText(readOutHtml(readings, background));
    m_popup->adjustSize();
    // Beside the pointer, kept on the screen.
    QRect place(m_surface.mapToGlobal(position) + QPoint(16, 16), m_popup->size());
    if (const QScreen* screen = m_surface.screen()) {
        const QRect room = screen->availableGeometry();
        if (place.right() > room.right()) {
            place.moveRight(m_surface.mapToGlobal(position).x() - 8);
        }
        if (place.bottom() > room.bottom()) {
            place.moveBottom(m_surface.mapToGlobal(position).y() - 8);
        }
    }
    m_popup->move(place.topLeft());
    m_popup->show();
}

} // namespace kelvra
