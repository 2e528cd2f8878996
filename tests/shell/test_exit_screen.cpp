#include "app/app_identity.h"
#include "layout_table.h"
#include "modal_answerer.h"
#include "shell/close_application.h"
#include "shell/exit_messages.h"
#include "shell/exit_screen.h"
#include "test_main.h"
#include "url_recorder.h"
#include "web/site_address.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <memory>

using kelvra::frmNagScreen2;

class TestExitScreen : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_ends = 0;
        kelvra::setProcessEnder([this] { ++m_ends; });
        m_screen = std::make_unique<frmNagScreen2>(2);
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
        m_screen->activateWindow();
        QTRY_VERIFY(m_screen->isActiveWindow());
    }

    void cleanup() { m_screen.reset(); }

    void showsItsControls() {
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("Kelvra Biorhythms v1.15"));
        QCOMPARE(m_screen->size(), QSize(741, 315));
        QVERIFY(m_screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!m_screen->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(label("lblNagScreen2Caption")->text(), kelvra::kVersionCaption);
        QCOMPARE(label("Label2")->text(), kelvra::exitMessage(2));
        QCOMPARE(box("txtEmail")->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(message()->toPlainText(), QStringLiteral("Your Message\n"));
        QCOMPARE(label("lblGoToHome")->text(),
                 QStringLiteral("Click Here To Visit Tarnwick Softwares"));
        QCOMPARE(QApplication::focusWidget(), button("cmdClose"));
    }

    void controlsFollowTheLayoutTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("twips"); // left, top, width, height; -1: sized to text
        QTest::addColumn<double>("points");       // -1: not stated
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("hand");
        using L = QList<double>;
        const QColor any;
        QTest::newRow("icon") << "picNagscreen2Icon" << L{360, 120, 540, 540} << -1.0 << false
                              << any << false;
        QTest::newRow("caption") << "lblNagScreen2Caption" << L{1080, 240, -1, -1} << 18.0 << false
                                 << any << false;
        QTest::newRow("message") << "Label2" << L{120, 840, 6975, 1095} << 9.75 << true << any
                                 << false;
        QTest::newRow("forum box")
            << "Check1" << L{30, 2040, 7185, 555} << 14.25 << false << QColor(0, 0, 192) << true;
        QTest::newRow("exit") << "cmdClose" << L{6000, 2760, 1245, 375} << -1.0 << false << any
                              << false;
        QTest::newRow("referral frame")
            << "Frame2" << L{120, 3240, 7065, 1455} << 9.75 << true << QColor(Qt::white) << false;
        QTest::newRow("name") << "txtName" << L{85, 360, 3375, 285} << -1.0 << false << any
                              << false;
        QTest::newRow("email") << "txtEmail" << L{3600, 360, 3375, 285} << -1.0 << false << any
                               << false;
        QTest::newRow("friend's name")
            << "txtFriendName" << L{85, 720, 3375, 285} << -1.0 << false << any << false;
        QTest::newRow("friend's email")
            << "txtFriendEmail" << L{3600, 720, 3375, 285} << -1.0 << false << any << false;
        QTest::newRow("submit") << "cmdSubmit" << L{1920, 1080, 3375, 285} << 8.25 << true << any
                                << false;
        QTest::newRow("message box")
            << "txtMessage" << L{4800, 3600, 1815, 495} << -1.0 << false << any << false;
        QTest::newRow("catalogue frame")
            << "Frame6" << L{7320, 120, 3735, 4575} << 9.75 << true << QColor(Qt::white) << false;
        QTest::newRow("promotion")
            << "Label3" << L{120, 360, 3495, 3855} << 9.0 << false << QColor(Qt::white) << false;
        QTest::newRow("catalogue link")
            << "lblGoToHome" << L{75, 4250, -1, -1} << -1.0 << true << QColor(255, 255, 0) << true;
    }

    void controlsFollowTheLayoutTable() {
        QFETCH(QString, name);
        QFETCH(QList<double>, twips);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QColor, text);
        QFETCH(bool, hand);
        const std::optional<double> statedPoints =
            points > 0 ? std::optional(points) : std::nullopt;
        checkControlLooks(m_screen.get(), name,
                          {twips, statedPoints, bold, std::nullopt, text, hand});
    }

    void framesAreNavyOnAWhiteWindow() {
        QCOMPARE(m_screen->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
        for (const char* name : {"Frame2", "Frame6"}) {
            auto* frame = m_screen->findChild<QWidget*>(QLatin1String(name));
            QCOMPARE(frame->grab().toImage().pixelColor(frame->width() - 4, 3), QColor(0, 0, 128));
        }
        QVERIFY(label("lblGoToHome")->font().underline());
    }

    void tabOrderFollowsTheForm() {
        QStringList visited;
        for (int step = 0; step < 8; ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail",
                                       "txtFriendEmail", "txtFriendName", "txtMessage"}));
    }

    void placeholderGoesOnFocusAndComesBackWhenEmpty() {
        button("cmdClose")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button("cmdClose"), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box("txtName"));
        QCOMPARE(box("txtName")->text(), QString());
        QTest::keyClick(box("txtName"), Qt::Key_Tab);
        QCOMPARE(box("txtName")->text(), QStringLiteral("Your Name"));

        box("txtFriendName")->setText(QStringLiteral("  Friend's Name  "));
        box("txtFriendName")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(box("txtFriendName")->text(), QString());
        QTest::keyClicks(box("txtFriendName"), QStringLiteral("   "));
        button("cmdSubmit")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(box("txtFriendName")->text(), QStringLiteral("Friend's Name"));
    }

    void clickIntoABoxOfTheInactiveScreenStillTakesThePlaceholderAway() {
        box("txtName")->setFocus(Qt::MouseFocusReason);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        // The click lands before the window is active again: the focus arrives with it.
        box("txtFriendName")->setFocus(Qt::MouseFocusReason);
        m_screen->activateWindow();
        QTRY_VERIFY(m_screen->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), box("txtFriendName"));
        QCOMPARE(box("txtFriendName")->text(), QString());
        QCOMPARE(box("txtName")->text(), QStringLiteral("Your Name"));
    }

    void untouchedMessageKeepsItsText() {
        message()->setFocus(Qt::TabFocusReason);
        QCOMPARE(message()->toPlainText(), QStringLiteral("Your Message\n"));
    }

    void blankRefusedInEmailBoxesOnly_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<bool>("refused");
        QTest::newRow("email") << "txtEmail" << true;
        QTest::newRow("friend's email") << "txtFriendEmail" << true;
        QTest::newRow("name") << "txtName" << false;
        QTest::newRow("friend's name") << "txtFriendName" << false;
    }

    void blankRefusedInEmailBoxesOnly() {
        QFETCH(QString, boxName);
        QFETCH(bool, refused);
        QLineEdit* edit = box(boxName.toLatin1().constData());
        edit->setFocus(Qt::MouseFocusReason);
        ModalAnswerer answerer;
        QTest::keyClicks(edit, QStringLiteral("a b"));
        QCOMPARE(edit->text(), refused ? QStringLiteral("ab") : QStringLiteral("a b"));
        QCOMPARE(answerer.seen().size(), size_t(refused ? 1 : 0));
        if (refused) {
            QCOMPARE(answerer.seen().front().text,
                     QStringLiteral("Email Address Cannot Contain Space"));
            QCOMPARE(answerer.seen().front().icon, QMessageBox::Critical);
            QCOMPARE(answerer.seen().front().title, kelvra::kApplicationTitle);
            QCOMPARE(m_screen->focusWidget(), edit);
        }
    }

    void submitChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("problem");
        const QString keep;
        QTest::newRow("untouched form")
            << keep << keep << keep << keep << "Please Enter Proper Email Address";
        QTest::newRow("equal addresses without @") << "Ann"
                                                   << "same"
                                                   << "Bob"
                                                   << "same"
                                                   << "Please Enter Distinct Email Addresses";
        QTest::newRow("equal after trimming") << "Ann"
                                              << " a@b.c"
                                              << "Bob"
                                              << "a@b.c  "
                                              << "Please Enter Distinct Email Addresses";
        QTest::newRow("@ without .") << "Ann"
                                     << "ann@home"
                                     << "Bob"
                                     << "bob@x.org"
                                     << "Please Enter Proper Email Address";
        QTest::newRow("name untouched") << keep << "ann@x.org"
                                        << "Bob"
                                        << "bob@x.org"
                                        << "Please Enter Your Name";
        QTest::newRow("friend untouched") << "Ann"
                                          << "ann@x.org" << keep << "bob@x.org"
                                          << "Please Enter Your Friend's Name";
        QTest::newRow("case differs, sent") << "Ann"
                                            << "ANN@X.ORG"
                                            << "Bob"
                                            << "ann@x.org"
                                            << "";
    }

    void submitChecks() {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(QString, problem);
        fill("txtName", name);
        fill("txtEmail", email);
        fill("txtFriendName", friendName);
        fill("txtFriendEmail", friendEmail);
        const QString before = box("txtEmail")->text();
        ModalAnswerer answerer;
        UrlRecorder recorder;
        QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
        if (problem.isEmpty()) {
            QVERIFY(answerer.seen().empty());
            QCOMPARE(recorder.urls().size(), size_t(1));
        } else {
            QCOMPARE(answerer.seen().size(), size_t(1));
            QCOMPARE(answerer.seen().front().text, problem);
            QCOMPARE(answerer.seen().front().icon, QMessageBox::Critical);
            QVERIFY(recorder.urls().empty());
        }
        QCOMPARE(box("txtEmail")->text(), before);
    }

    void sendsTrimmedValuesAndTheUntouchedMessage() {
        fill("txtName", QStringLiteral("  Ann Lee  "));
        fill("txtEmail", QStringLiteral("ann@x.org"));
        fill("txtFriendName", QStringLiteral(" Bob+Co & Sons "));
        fill("txtFriendEmail", QStringLiteral("bob@x.org"));
        UrlRecorder recorder;
        ModalAnswerer answerer;
        QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
        QVERIFY(answerer.seen().empty());
        QCOMPARE(recorder.urls().size(), size_t(1));
        const QString sent = QString::fromLatin1(recorder.urls().front().toEncoded());
        QVERIFY(sent.contains(
            QStringLiteral("?page=vosket-refer-a-friend&taf1=Ann%20Lee&taf2=ann%40x.org"
                           "&taf3=Your%20Message%0D%0A&taf4=Bob%2BCo%20%26%20Sons"
                           "&taf5=bob%40x.org&taf6=http%3A%2F%2F")));
        QVERIFY(m_screen->isVisible());
        QCOMPARE(box("txtName")->text(), QStringLiteral("  Ann Lee  "));
    }

    void aPastedNameLongerThanTheUsualLimitIsSentWhole() {
        const QString longName(40000, QLatin1Char('n'));
        fill("txtName", longName);
        fill("txtEmail", QStringLiteral("ann@x.org"));
        fill("txtFriendName", QStringLiteral("Bob"));
        fill("txtFriendEmail", QStringLiteral("bob@x.org"));
        UrlRecorder recorder;
        QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
        QCOMPARE(recorder.urls().size(), size_t(1));
        QVERIFY(QString::fromLatin1(recorder.urls().front().toEncoded())
                    .contains(QStringLiteral("&taf1=") + longName + QStringLiteral("&taf2=")));
    }

    void typedMessageLinesTravelAsCarriageReturnAndLineFeed() {
        fill("txtName", QStringLiteral("Ann"));
        fill("txtEmail", QStringLiteral("ann@x.org"));
        fill("txtFriendName", QStringLiteral("Bob"));
        fill("txtFriendEmail", QStringLiteral("bob@x.org"));
        message()->setFocus(Qt::TabFocusReason);
        message()->clear();
        QTest::keyClicks(message(), QStringLiteral("Line one"));
        QTest::keyClick(message(), Qt::Key_Return);
        QTest::keyClicks(message(), QStringLiteral("two"));
        UrlRecorder recorder;
        QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
        QCOMPARE(recorder.urls().size(), size_t(1));
        QVERIFY(recorder.urls().front().toEncoded().contains("&taf3=Line%20one%0D%0Atwo&"));
    }

    void tickingTheBoxOpensTheHomePageAndUnticks() {
        UrlRecorder recorder;
        auto* check = m_screen->findChild<QCheckBox*>(QStringLiteral("Check1"));
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(recorder.urls().size(), size_t(1));
        QCOMPARE(recorder.urls().front(),
                 kelvra::modHelp::pageAddress(QStringLiteral("home-page")));
        QVERIFY(!check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(recorder.urls().size(), size_t(2));
    }

    void catalogueLinkOpensTheCataloguePage() {
        UrlRecorder recorder;
        QTest::mouseClick(label("lblGoToHome"), Qt::LeftButton);
        QCOMPARE(recorder.urls().size(), size_t(1));
        QCOMPARE(recorder.urls().front(),
                 kelvra::modHelp::pageAddress(QStringLiteral("tarnwicksoftwares")));
    }

    void exitButtonAndCloseBoxEndTheApplication() {
        QTest::mouseClick(button("cmdClose"), Qt::LeftButton);
        QCOMPARE(m_ends, 1);
        QVERIFY(!m_screen->isVisible());

        m_screen = std::make_unique<frmNagScreen2>();
        m_screen->show();
        m_screen->close();
        QCOMPARE(m_ends, 2);
    }

    void messagesAreDrawnEvenly() {
        QRandomGenerator random(1234);
        std::array<int, kelvra::kExitMessageCount> counts{};
        const int draws = 40000;
        for (int i = 0; i < draws; ++i) {
            ++counts.at(static_cast<std::size_t>(kelvra::drawExitMessageNumber(random)));
        }
        for (int count : counts) {
            QVERIFY2(std::abs(count - draws / 4) < draws / 40, qPrintable(QString::number(count)));
        }
        QStringList texts;
        for (int number = 0; number < kelvra::kExitMessageCount; ++number) {
            texts << kelvra::exitMessage(number);
        }
        texts.removeDuplicates();
        QCOMPARE(texts.size(), kelvra::kExitMessageCount);
    }

private:
    QLineEdit* box(const char* name) const {
        return m_screen->findChild<QLineEdit*>(QLatin1String(name));
    }
    QLabel* label(const char* name) const {
        return m_screen->findChild<QLabel*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const {
        return m_screen->findChild<QPushButton*>(QLatin1String(name));
    }
    QPlainTextEdit* message() const {
        return m_screen->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"));
    }

    // Types a value the way a user does: click in, type, leave. A null value leaves the box.
    void fill(const char* name, const QString& value) {
        if (value.isNull()) {
            return;
        }
        QLineEdit* edit = box(name);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        edit->insert(value);
        button("cmdClose")->setFocus(Qt::MouseFocusReason);
    }

    std::unique_ptr<frmNagScreen2> m_screen;
    int m_ends = 0;
};

KELVRA_TEST_MAIN(TestExitScreen)
#include "test_exit_screen.moc"
