#include "exit_screen.h"

#include "app/app_icons.h"
#include "app/app_identity.h"
#include "app/clickable_label.h"
#include "app/message_box.h"
#include "app/palette_colors.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "blank_refusal.h"
#include "close_application.h"
#include "exit_messages.h"
#include "tell_a_friend.h"
#include "text_box_placeholder.h"
#include "web/page_openers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>

#include <limits>

namespace kelvra {

namespace {
const QColor kNavy(0, 0, 128);

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& title, const QRect& place) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(uiFont(9.75, true));
    frame->setGeometry(place);
    setTextOnBackground(frame, Qt::white, kNavy);
    return frame;
}

// Where the installed font runs wider than the one the layout was made for, a text sized
// to itself would be cut off at its frame's edge; it gets a little smaller instead.
void shrinkToWidth(QLabel* label, int width) {
    QFont font = label->font();
    while (label->width() > width && font.pointSizeF() > 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
        label->adjustSize();
    }
}

// The message box is multi-line: its line breaks travel as carriage return and line feed.
QString messageText(const QPlainTextEdit* box) {
    return box->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}
} // namespace

frmNagScreen2::frmNagScreen2(int messageNumber, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(kVersionCaption);
    setWindowIcon(applicationIcon());
    setFixedSize(twipsSize(11115, 4725));
    setFont(uiFont(8.25));
    setTextOnBackground(this, kFixedDarkText, Qt::white);

    if (messageNumber < 0 || messageNumber >= kExitMessageCount) {
        messageNumber = drawExitMessageNumber(*QRandomGenerator::global());
    }
    buildHeader(messageNumber);
    buildReferralFrame();
    buildCatalogueFrame();
    buildTabOrder();
    centreOnScreen();
}

void frmNagScreen2::buildHeader(int messageNumber) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    icon->setGeometry(twipsRect(360, 120, 540, 540));
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(applicationPixmap());

    auto* caption = new QLabel(kVersionCaption, this);
    caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    QFont captionFont = uiFont(18);
    captionFont.setFamilies({QStringLiteral("MS Sans Serif"), uiFontFamily()});
    caption->setFont(captionFont);
    caption->move(twipsPoint(1080, 240));
    caption->adjustSize();

    auto* message = new QLabel(exitMessage(messageNumber), this);
    message->setObjectName(QStringLiteral("Label2"));
    message->setFont(uiFont(9.75, true));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setGeometry(twipsRect(120, 840, 6975, 1095));

    m_check1 = new QCheckBox(QStringLiteral("Yes, take me to the forum right now!"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setFont(uiFont(14.25));
    m_check1->setGeometry(twipsRect(30, 2040, 7185, 555));
    m_check1->setCursor(Qt::PointingHandCursor);
    setTextColor(m_check1, QColor(0, 0, 192));
    connect(m_check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);

    m_cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_cmdClose->setGeometry(twipsRect(6000, 2760, 1245, 375));
    connect(m_cmdClose, &QPushButton::clicked, this, [] { CloseApplication(); });
}

QLineEdit* frmNagScreen2::addTextBox(QGroupBox* frame, const char* name, const QString& placeholder,
                                     QPoint topLeft) {
    auto* box = new QLineEdit(placeholder, frame);
    box->setObjectName(QLatin1String(name));
    box->setFont(uiFont(8.25));
    box->setGeometry(QRect(topLeft, twipsSize(3375, 285)));
    // What the user types or pastes is sent whole, not cut at the box's usual limit.
    box->setMaxLength(std::numeric_limits<int>::max());
    new TextBoxPlaceholder(
        box, placeholder, [box] { return box->text(); },
        [box](const QString& text) { box->setText(text); });
    return box;
}

void frmNagScreen2::buildReferralFrame() {
    QGroupBox* frame = addFrame(this, "Frame2", QStringLiteral("Refer A Friend"),
                                twipsRect(120, 3240, 7065, 1455));
    m_txtName = addTextBox(frame, "txtName", QStringLiteral("Your Name"), twipsPoint(85, 360));
    m_txtEmail =
        addTextBox(frame, "txtEmail", QStringLiteral("Your Email Address"), twipsPoint(3600, 360));
    m_txtFriendName =
        addTextBox(frame, "txtFriendName", QStringLiteral("Friend's Name"), twipsPoint(85, 720));
    m_txtFriendEmail = addTextBox(frame, "txtFriendEmail", QStringLiteral("Friend's Email Address"),
                                  twipsPoint(3600, 720));
    new BlankRefusal(m_txtEmail);
    new BlankRefusal(m_txtFriendEmail);

    m_cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), frame);
    m_cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    m_cmdSubmit->setFont(uiFont(8.25, true));
    m_cmdSubmit->setGeometry(twipsRect(1920, 1080, 3375, 285));
    connect(m_cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);

    // It lies below the frame's visible height, as designed, yet keeps its tab stop.
    m_txtMessage = new QPlainTextEdit(QStringLiteral("Your Message\r\n"), frame);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setFont(uiFont(8.25));
    m_txtMessage->setGeometry(twipsRect(4800, 3600, 1815, 495));
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setTabChangesFocus(true);
    QPlainTextEdit* message = m_txtMessage;
    new TextBoxPlaceholder(
        message, QStringLiteral("Your Message"), [message] { return messageText(message); },
        [message](const QString& text) { message->setPlainText(text); });
}

void frmNagScreen2::buildCatalogueFrame() {
    QGroupBox* frame = addFrame(this, "Frame6", QStringLiteral("Download Tarnwick Softwares"),
                                twipsRect(7320, 120, 3735, 4575));
    auto* promotion = new QLabel(
        QStringLiteral(
            "Tarnwick Softwares makes many more programs for you: astrology software to read "
            "your stars and your horoscope, psychic software, tarot card readings, numerology "
            "software that works with the numbers of your name and birth date, and other occult "
            "and esoteric programs.\n\nAll of them are simple to use and informative. Download "
            "them and try them for yourself, and share them with your friends and family!"),
        frame);
    promotion->setObjectName(QStringLiteral("Label3"));
    promotion->setFont(uiFont(9));
    promotion->setWordWrap(true);
    promotion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    promotion->setGeometry(twipsRect(120, 360, 3495, 3855));
    setTextColor(promotion, Qt::white);

    auto* link =
        new ClickableLabel(QStringLiteral("Click Here To Visit Tarnwick Softwares"), frame);
    link->setObjectName(QStringLiteral("lblGoToHome"));
    link->setFont(uiFont(9, true, true));
    link->move(twipsPoint(75, 4250));
    link->adjustSize();
    shrinkToWidth(link, frame->contentsRect().right() - link->x());
    link->makeLink();
    setTextColor(link, QColor(255, 255, 0));
    connect(link, &ClickableLabel::clicked, this, [] { modHelp::OpenSoftwareCatalogPage(); });
}

void frmNagScreen2::buildTabOrder() {
    const std::array<QWidget*, 8> order{m_cmdClose,      m_check1,    m_txtName,
                                        m_cmdSubmit,     m_txtEmail,  m_txtFriendEmail,
                                        m_txtFriendName, m_txtMessage};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
    m_cmdClose->setFocus();
}

void frmNagScreen2::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

modTellAFriend::ReferralRequest frmNagScreen2::referralFromBoxes() const {
    using modTellAFriend::trimBlanks;
    return {trimBlanks(m_txtName->text()), trimBlanks(m_txtEmail->text()),
            trimBlanks(messageText(m_txtMessage)), trimBlanks(m_txtFriendName->text()),
            trimBlanks(m_txtFriendEmail->text())};
}

void frmNagScreen2::Check1_Click(bool checked) {
    if (!checked) {
        return;
    }
    m_check1->setChecked(false);
    modHelp::OpenHomePage();
}

void frmNagScreen2::cmdSubmit_Click() {
    const modTellAFriend::ReferralRequest request = referralFromBoxes();
    const auto report = [this](const QString& problem) {
        showMessage(this, problem, QMessageBox::Critical);
    };
    if (const std::optional<QString> problem = modTellAFriend::addressProblem(request)) {
        report(*problem);
        return;
    }
    modTellAFriend::SubmitReferral(request, report);
}

void frmNagScreen2::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    CloseApplication();
}

} // namespace kelvra
