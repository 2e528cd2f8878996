#include "chart_keeper.h"

#include "chart_picture.h"
#include "chart_picture_file.h"
#include "chart_surface.h"

#include "app/message_box.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

namespace kelvra {

namespace {
const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString kSvgFilter = QStringLiteral("SVG image (*.svg)");

QString suffixOf(const QString& filter) {
    return filter == kPdfFilter   ? QStringLiteral("pdf")
           : filter == kSvgFilter ? QStringLiteral("svg")
                                  : QStringLiteral("png");
}
} // namespace

ChartKeeper::ChartKeeper(ChartSurface& surface, QWidget& window)
    : QObject(&surface)
    , m_surface(surface)
    , m_window(window)
    , m_menu(new QMenu(&surface))
    , m_folder(QDir::homePath()) {
    m_menu->setObjectName(QStringLiteral("chartMenu"));
    addAction(QStringLiteral("actCopyChart"), QStringLiteral("Copy Chart"), QKeySequence::Copy,
              &ChartKeeper::copyChart);
    addAction(QStringLiteral("actSaveChart"), QStringLiteral("Save Chart As\u2026"),
              QKeySequence::Save, &ChartKeeper::saveChartAs);
    addAction(QStringLiteral("actPrintChart"), QStringLiteral("Print Chart\u2026"),
              QKeySequence::Print, &ChartKeeper::printChart);
    m_surface.installEventFilter(this);
}

void ChartKeeper::addAction(const QString& name, const QString& text, QKeySequence::StandardKey key,
                            void (ChartKeeper::*slot)()) {
    // Owned by the window, so the keys work wherever the focus is inside it; a text box's
    // own Ctrl+C wins over this one.
    auto* action = new QAction(text, &m_window);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, slot);
    m_window.addAction(action);
    m_menu->addAction(action);
}

bool ChartKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_surface) {
        return QObject::eventFilter(watched, event);
    }
    // From the keyboard the menu opens at the chart's top left corner.
    const QPoint corner = m_surface.contentsRect().topLeft() + QPoint(8, 8);
    if (event->type() == QEvent::ContextMenu) {
        // Some window systems send the request besides the Menu key itself.
        const auto* request = static_cast<QContextMenuEvent*>(event);
        if (!m_menu->isVisible()) {
            showMenu(request->reason() == QContextMenuEvent::Mouse ? request->pos() : corner);
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier) ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            showMenu(corner);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ChartKeeper::showMenu(QPoint position) {
    m_menu->popup(m_surface.mapToGlobal(position));
}

void ChartKeeper::copyChart() {
    QGuiApplication::clipboard()->setImage(
        ChartPicture(m_surface).toImage(m_surface.devicePixelRatioF()));
}

void ChartKeeper::saveChartAs() {
    QFileDialog dialog(&m_window, QStringLiteral("Save Chart As"), m_folder,
                       QStringList{kPngFilter, kPdfFilter, kSvgFilter}.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("saveChartDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffixOf(kPngFilter));
    dialog.selectFile(QStringLiteral("chart.png"));
    // Choosing a type renames the file to match it.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(filter));
        const QStringList chosen = dialog.selectedFiles();
        if (!chosen.isEmpty()) {
            dialog.selectFile(QFileInfo(chosen.constFirst()).completeBaseName() + QLatin1Char('.') +
                              suffixOf(filter));
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString fileName = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(fileName).absolutePath();
    saveChart(fileName);
}

bool ChartKeeper::saveChart(const QString& fileName) {
    const QString failure =
        writeChartPicture(ChartPicture(m_surface), fileName, m_surface.devicePixelRatioF());
    if (!failure.isEmpty()) {
        showMessage(&m_window,
                    QStringLiteral("The chart could not be saved as \"%1\".\n%2")
                        .arg(QDir::toNativeSeparators(fileName), failure),
                    QMessageBox::Critical);
    }
    return failure.isEmpty();
}

void ChartKeeper::printChart() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setObjectName(QStringLiteral("printChartDialog"));
    if (dialog.exec() == QDialog::Accepted) {
        printChart(printer);
    }
}

bool ChartKeeper::printChart(QPrinter& printer) {
    const bool printed = printChartPicture(ChartPicture(m_surface), printer);
    if (!printed) {
        showMessage(&m_window, QStringLiteral("The chart could not be printed."),
                    QMessageBox::Critical);
    }
    return printed;
}

} // namespace kelvra
