#include "chart_picture_file.h"

#include "chart_picture.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace kelvra {

namespace {
constexpr int kScreenDpi = 96;

bool writePdf(const ChartPicture& picture, QIODevice& file) {
    QPdfWriter writer(&file);
    writer.setResolution(kScreenDpi);
    writer.setPageMargins(QMarginsF());
    writer.setPageSize(QPageSize(QSizeF(picture.size()) * 72.0 / kScreenDpi, QPageSize::Point,
                                 QString(), QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    picture.paint(painter);
    return painter.end();
}

bool writeSvg(const ChartPicture& picture, QIODevice& file) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setResolution(kScreenDpi);
    generator.setSize(picture.size());
    generator.setViewBox(QRect(QPoint(0, 0), picture.size()));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return false;
    }
    picture.paint(painter);
    return painter.end();
}
} // namespace

QString writeChartPicture(const ChartPicture& picture, const QString& fileName, qreal ratio) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf") &&
        suffix != QLatin1String("svg")) {
        return QStringLiteral("Name the file with .png, .pdf or .svg at its end.");
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    bool written = false;
    if (suffix == QLatin1String("pdf")) {
        written = writePdf(picture, file);
    } else if (suffix == QLatin1String("svg")) {
        written = writeSvg(picture, file);
    } else {
        QImageWriter writer(&file, "png");
        written = writer.write(picture.toImage(ratio));
        if (!written) {
            return writer.errorString();
        }
    }
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        return reason.isEmpty() ? QStringLiteral("The file could not be written.") : reason;
    }
    return {};
}

bool printChartPicture(const ChartPicture& picture, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The whole picture on the page, as large as fits, centred.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF size = picture.size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * scale) / 2,
                      (page.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    picture.paint(painter);
    return painter.end();
}

} // namespace kelvra
