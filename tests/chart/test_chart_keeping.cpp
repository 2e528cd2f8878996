#include "chart/chart_keeper.h"
#include "chart/chart_picture.h"
#include "chart/chart_surface.h"
#include "chart/chart_window.h"

#include "app/clock.h"
#include "chart_pixels.h"
#include "engine/cycle.h"
#include "modal_answerer.h"
#include "test_main.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

using namespace kelvra;

namespace {
const QDate kToday(2026, 12, 9);

// Pages of a PDF file: its page objects, not the page tree.
int pdfPages(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pdf = file.readAll();
    return pdf.startsWith("%PDF") ? static_cast<int>(pdf.count("/Type /Page\n")) : -1;
}
} // namespace

class ChartKeepingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        setTodayOverride(kToday);
        QVERIFY(m_folder.isValid());
        m_settings =
            std::make_unique<QSettings>(m_folder.filePath("settings.ini"), QSettings::IniFormat);
        m_settings->setValue("Settings/Duration", kToday.toString(Qt::ISODate));
        m_answerer = std::make_unique<ModalAnswerer>();
        m_window = new frmBiorhythmChart(*m_settings);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.data()));
        QTest::mouseClick(m_window->findChild<QPushButton*>("cmdBiorythm"), Qt::LeftButton);
    }

    void cleanup() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        delete m_window.data();
        m_answerer.reset();
        m_settings.reset();
        setTodayOverride(std::nullopt);
    }

    void savedPngHoldsTheChartAndTheLegend() {
        const QString fileName = m_folder.filePath("chart.png");
        QVERIFY(keeper().saveChart(fileName));
        const QImage saved = QImage(fileName).convertToFormat(QImage::Format_RGB32);
        const ChartPicture picture(surface());
        const qreal ratio = surface().devicePixelRatioF();
        QCOMPARE(saved.size(), picture.size() * ratio);
        const QRect chart(picture.chartRect().topLeft() * ratio,
                          picture.chartRect().size() * ratio);
        QCOMPARE(saved.copy(chart), surface().snapshot().convertToFormat(QImage::Format_RGB32));
        // A swatch and a name in each curve's colour.
        const QRect legend(picture.legendRect().topLeft() * ratio,
                           picture.legendRect().size() * ratio);
        for (const Cycle& cycle : kCycles) {
            QVERIFY2(countPixels(saved.copy(legend), rgbOf(cycle.singleChartColor)) > 20,
                     cycle.name.data());
        }
        QVERIFY(m_answerer->seen().empty());
    }

    void savedAndPrintedDocuments_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("print");
        QTest::newRow("PDF file") << "chart.pdf" << false;
        QTest::newRow("PDF printer") << "printed.pdf" << true;
        QTest::newRow("SVG file") << "chart.svg" << false;
    }

    void savedAndPrintedDocuments() {
        QFETCH(QString, fileName);
        QFETCH(bool, print);
        const QString path = m_folder.filePath(fileName);
        if (print) {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            QVERIFY(keeper().printChart(printer));
        } else {
            QVERIFY(keeper().saveChart(path));
        }
        if (path.endsWith(QStringLiteral(".pdf"))) {
            QCOMPARE(pdfPages(path), 1);
        } else {
            QFile svg(path);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            const QByteArray text = svg.readAll();
            for (const char* expected : {"<svg", "Physical", "Emotional", "Intellectual"}) {
                QVERIFY2(text.contains(expected), expected);
            }
        }
    }

    // A failed save says so, replaces nothing, and the chart stays.
    void failedSaveSaysSoAndLosesNothing() {
        const QString existing = m_folder.filePath("kept.png");
        QVERIFY(keeper().saveChart(existing));
        const QByteArray before = [&] {
            QFile file(existing);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        const QImage drawn = surface().drawing().copy();
        QVERIFY(!keeper().saveChart(m_folder.filePath("no such folder/chart.png")));
        QVERIFY(!keeper().saveChart(m_folder.filePath("kept.txt")));
        QCOMPARE(m_answerer->seen().size(), std::size_t{2});
        QCOMPARE(m_answerer->seen()[0].icon, QMessageBox::Critical);
        QVERIFY(
            m_answerer->seen()[0].text.startsWith(QStringLiteral("The chart could not be saved")));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(surface().drawing(), drawn);
    }

    void menuOpensFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }

    // The chart takes the focus by Tab, never by a click, and opens its menu from the keyboard.
    void menuOpensFromTheKeyboard() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QComboBox* day = m_window->findChild<QComboBox*>("cboBirthDay");
        day->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(&surface(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(QApplication::focusWidget(), day);
        for (int step = 0; step < 20 && QApplication::focusWidget() != &surface(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), &surface());

        QTest::keyClick(&surface(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QStringList items;
        for (const QAction* action : menu->actions()) {
            items << action->text() + QLatin1Char('\t') + action->shortcut().toString();
        }
        QCOMPARE(items, (QStringList{"Copy Chart\tCtrl+C", "Save Chart As\u2026\tCtrl+S",
                                     "Print Chart\u2026\tCtrl+P"}));
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }

    // Ctrl+C copies the chart, except where a box keeps it for its own text.
    void copyKeyCopiesTheChartOrTheBoxText_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("text");
        QTest::newRow("chart") << "picBiorhythm" << QString();
        QTest::newRow("button") << "cmdBiorythm" << QString();
        QTest::newRow("typed day") << "cboBirthDay"
                                   << "4";
        QTest::newRow("month list") << "cboBirthMonth"
                                    << "Jan";
    }

    void copyKeyCopiesTheChartOrTheBoxText() {
        QFETCH(QString, focus);
        QFETCH(QString, text);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        auto* target = m_window->findChild<QWidget*>(focus);
        target->setFocus(Qt::TabFocusReason);
        if (auto* box = qobject_cast<QComboBox*>(target); box && box->lineEdit()) {
            box->lineEdit()->selectAll();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        if (text.isEmpty()) {
            QCOMPARE(clipboard->image().size(),
                     ChartPicture(surface()).size() * surface().devicePixelRatioF());
        } else {
            QCOMPARE(clipboard->text(), text);
            QVERIFY(clipboard->image().isNull());
        }
    }

    // Ctrl+S and Ctrl+P open Qt's own dialogs, wherever the focus is in the window.
    void saveAndPrintKeysOpenTheirDialogs() {
        const QString fileName = m_folder.filePath("by key.pdf");
        QStringList dialogs;
        m_answerer->handleOtherDialogsWith([&](QWidget* modal) {
            dialogs << modal->objectName();
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                QVERIFY(files->testOption(QFileDialog::DontUseNativeDialog));
                files->selectFile(fileName);
                static_cast<QDialog*>(files)->accept();
            } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
                print->reject();
            }
        });
        QWidget* year = m_window->findChild<QWidget*>("cboReportYear");
        year->setFocus(Qt::TabFocusReason);
        QTest::keyClick(year, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(pdfPages(fileName), 1);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.data()));
        year->setFocus(Qt::TabFocusReason);
        QTest::keyClick(year, Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(dialogs, (QStringList{"saveChartDialog", "printChartDialog"}));
    }

private:
    ChartSurface& surface() const { return m_window->chartSurface(); }
    ChartKeeper& keeper() const { return *surface().findChild<ChartKeeper*>(); }

    QTemporaryDir m_folder;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QPointer<frmBiorhythmChart> m_window;
};

KELVRA_TEST_MAIN(ChartKeepingTest)
#include "test_chart_keeping.moc"
