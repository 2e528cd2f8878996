#include "app/about_window.h"
#include "app/app_identity.h"
#include "app/twips.h"
#include "layout_table.h"
#include "modal_answerer.h"
#include "test_main.h"
#include "url_recorder.h"
#include "web/site_address.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>

using kelvra::frmAbout;

namespace {
QLabel* label(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name));
}

// Runs `step` on the dialog opened by showModal(); true if the step closed it.
bool stepClosesModal(const std::function<void(QDialog&)>& step) {
    bool closedByStep = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        step(*dialog);
        closedByStep = !dialog->isVisible();
        dialog->reject();
    });
    frmAbout::showModal(nullptr);
    return closedByStep;
}
} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT
private slots:
    void showsItsTextsAtTheirPlaces() {
        frmAbout about;
        QCOMPARE(about.windowTitle(), kelvra::kVersionCaption);
        QCOMPARE(about.size(), QSize(454, 258));
        QCOMPARE(label(about, "Label2")->text(), QStringLiteral("Kelvra Biorhythms v1.15"));
        QVERIFY(label(about, "Label1")->wordWrap());
        QVERIFY(label(about, "Label3")->text().endsWith(QStringLiteral("website. ")));
        QCOMPARE(label(about, "lblCoBrand")->text(),
                 QStringLiteral("Click here for more details."));
        QCOMPARE(label(about, "lblHomePage")->pos(), QPoint(176, 128));
        QCOMPARE(label(about, "lblHomePage")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label(about, "lblHomePage")->font().underline());
        QVERIFY(!label(about, "Picture1")->pixmap().isNull());
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QCOMPARE(ok->geometry(), QRect(360, 224, 84, 23));
        QVERIFY(ok->isDefault());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void controlsFollowTheLayoutTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("twips"); // left, top, width, height; -1: sized to text
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("hand");
        using L = QList<double>;
        const QColor white(Qt::white);
        const QColor cyan(0, 255, 255);
        QTest::newRow("title") << "Label2" << L{840, 240, -1, -1} << 9.75 << true << false << white
                               << false;
        QTest::newRow("about") << "Label1" << L{240, 720, 6465, 1095} << 8.25 << false << false
                               << white << false;
        QTest::newRow("home page")
            << "lblHomePage" << L{2640, 1920, -1, -1} << 8.25 << false << true << cyan << true;
        QTest::newRow("offer") << "Label3" << L{240, 2280, 6105, 675} << 8.25 << true << false
                               << white << false;
        QTest::newRow("more details")
            << "lblCoBrand" << L{4320, 2880, -1, -1} << 8.25 << false << true << cyan << true;
        QTest::newRow("OK") << "cmdOK" << L{5400, 3360, 1260, 345} << 8.25 << true << false
                            << QColor() << false;
    }

    void controlsFollowTheLayoutTable() {
        QFETCH(QString, name);
        QFETCH(QList<double>, twips);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(QColor, text);
        QFETCH(bool, hand);
        frmAbout about;
        checkControlLooks(&about, name, {twips, points, bold, underline, text, hand});
    }

    void blackWithItsSeparatorLine() {
        frmAbout about;
        const QImage image = about.grab().toImage();
        QCOMPARE(image.pixelColor(4, 4), QColor(Qt::black));
        QCOMPARE(image.pixelColor(4, kelvra::twipsToPixels(3240)), QColor(224, 224, 224));
    }

    void linksOpenTheirPagesAndLeaveTheWindowOpen_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("key");
        QTest::newRow("home page") << "lblHomePage"
                                   << "home-page";
        QTest::newRow("more details") << "lblCoBrand"
                                      << "fully-branded";
    }

    void linksOpenTheirPagesAndLeaveTheWindowOpen() {
        QFETCH(QString, link);
        QFETCH(QString, key);
        UrlRecorder recorder;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(label(about, link.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(recorder.urls().size(), size_t(1));
        QCOMPARE(recorder.urls().front(), kelvra::modHelp::pageAddress(key));
        QVERIFY(about.isVisible());
    }

    void keysAndButtonsClose_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Enter") << 0;
        QTest::newRow("Return") << 1;
        QTest::newRow("Esc") << 2;
        QTest::newRow("OK clicked") << 3;
        QTest::newRow("close box") << 4;
    }

    void keysAndButtonsClose() {
        QFETCH(int, way);
        const bool closed = stepClosesModal([way](QDialog& dialog) {
            switch (way) {
            case 0:
                QTest::keyClick(&dialog, Qt::Key_Enter);
                break;
            case 1:
                QTest::keyClick(&dialog, Qt::Key_Return);
                break;
            case 2:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            case 3:
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
                break;
            default:
                dialog.close();
            }
        });
        QVERIFY(closed);
    }

    void isModal() {
        bool wasModal = false;
        stepClosesModal([&wasModal](QDialog& dialog) {
            wasModal = dialog.isModal() && dialog.objectName() == QStringLiteral("frmAbout");
        });
        QVERIFY(wasModal);
    }
};

KELVRA_TEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
