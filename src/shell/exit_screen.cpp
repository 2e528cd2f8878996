#include "exit_screen.h"

#include "app/accessibility.h"
#include "app/app_icons.h"
#include "app/app_identity.h"
#include "app/clickable_label.h"
#include "app/message_box.h"
#include "app/palette_colors.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "close_application.h"
#include "exit_messages.h"
#include "focus_move_watcher.h"
#include "tell_a_friend.h"
#include "typed_character_filter.h"
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

const QString kNamePlaceholder = QStringLiteral("Your Name");
const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
const QString kMessagePlaceholder = QStringLiteral("Your Message");
const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// The message box is multi-line: its line breaks travel as carriage return and line feed.
QString messageText(const QPlainTextEdit* box) {
    return box->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString textOf(const QLineEdit* box) {
    return box->text();
}

QString textOf(const QPlainTextEdit* box) {
    return messageText(box);
}

void setTextOf(QLineEdit* box, const QString& text) {
    box->setText(text);
}

void setTextOf(QPlainTextEdit* box, const QString& text) {
    box->setPlainText(text);
}

// A box showing its placeholder stands for an empty field: it is emptied when entered.
template <typename Box> void emptyIfPlaceholder(Box* box, const QString& placeholder) {
    if (modTellAFriend::trimBlanks(textOf(box)) == placeholder) {
        setTextOf(box, QString());
    }
}

template <typename Box> void restorePlaceholder(Box* box, const QString& placeholder) {
    if (modTellAFriend::trimBlanks(textOf(box)).isEmpty()) {
        setTextOf(box, placeholder);
    }
}
} // namespace

frmNagScreen2::frmNagScreen2(int messageNumber, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    Form_Load(messageNumber);
}

void frmNagScreen2::Form_Load(int messageNumber) {
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
    markDecorative(icon);

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
    connect(m_cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
}

QLineEdit* frmNagScreen2::addTextBox(QGroupBox* frame, const char* name, const QString& placeholder,
                                     QPoint topLeft) {
    auto* box = new QLineEdit(placeholder, frame);
    box->setObjectName(QLatin1String(name));
    box->setFont(uiFont(8.25));
    box->setGeometry(QRect(topLeft, twipsSize(3375, 285)));
    // What the user types or pastes is sent whole, not cut at the box's usual limit.
    box->setMaxLength(std::numeric_limits<int>::max());
    // The box has no caption: what it asks for is its name.
    box->setAccessibleName(placeholder);
    return box;
}

void frmNagScreen2::watchFocus(QWidget* box, void (frmNagScreen2::*gotFocus)(),
                               void (frmNagScreen2::*lostFocus)()) {
    auto* watcher = new FocusMoveWatcher(box);
    connect(watcher, &FocusMoveWatcher::gotFocus, this, gotFocus);
    connect(watcher, &FocusMoveWatcher::lostFocus, this, lostFocus);
}

void frmNagScreen2::buildReferralFrame() {
    QGroupBox* frame = addFrame(this, "Frame2", QStringLiteral("Refer A Friend"),
                                twipsRect(120, 3240, 7065, 1455));
    m_txtName = addTextBox(frame, "txtName", kNamePlaceholder, twipsPoint(85, 360));
    m_txtEmail = addTextBox(frame, "txtEmail", kEmailPlaceholder, twipsPoint(3600, 360));
    m_txtFriendName =
        addTextBox(frame, "txtFriendName", kFriendNamePlaceholder, twipsPoint(85, 720));
    m_txtFriendEmail =
        addTextBox(frame, "txtFriendEmail", kFriendEmailPlaceholder, twipsPoint(3600, 720));
    new TypedCharacterFilter(m_txtEmail,
                             [this](const QString& typed) { return txtEmail_KeyPress(typed); });
    new TypedCharacterFilter(
        m_txtFriendEmail, [this](const QString& typed) { return txtFriendEmail_KeyPress(typed); });

    m_cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), frame);
    m_cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    m_cmdSubmit->setFont(uiFont(8.25, true));
    m_cmdSubmit->setGeometry(twipsRect(1920, 1080, 3375, 285));
    connect(m_cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);

    // It lies below the frame's visible height, as designed, yet keeps its tab stop.
    m_txtMessage = new QPlainTextEdit(kMessagePlaceholder + QStringLiteral("\r\n"), frame);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setFont(uiFont(8.25));
    m_txtMessage->setGeometry(twipsRect(4800, 3600, 1815, 495));
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setTabChangesFocus(true);
    m_txtMessage->setAccessibleName(kMessagePlaceholder);
    reportWhenOutOfView(m_txtMessage);

    watchFocus(m_txtName, &frmNagScreen2::txtName_GotFocus, &frmNagScreen2::txtName_LostFocus);
    watchFocus(m_txtEmail, &frmNagScreen2::txtEmail_GotFocus, &frmNagScreen2::txtEmail_LostFocus);
    watchFocus(m_txtMessage, &frmNagScreen2::txtMessage_GotFocus,
               &frmNagScreen2::txtMessage_LostFocus);
    watchFocus(m_txtFriendName, &frmNagScreen2::txtFriendName_GotFocus,
               &frmNagScreen2::txtFriendName_LostFocus);
    watchFocus(m_txtFriendEmail, &frmNagScreen2::txtFriendEmail_GotFocus,
               &frmNagScreen2::txtFriendEmail_LostFocus);
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
    m_lblGoToHome = link;
    link->setObjectName(QStringLiteral("lblGoToHome"));
    link->setFont(uiFont(9, true, true));
    link->move(twipsPoint(75, 4250));
    link->adjustSize();
    shrinkToWidth(link, frame->contentsRect().right() - link->x());
    link->makeLink();
    link->makeKeyboardLink();
    setTextColor(link, QColor(255, 255, 0));
    connect(link, &ClickableLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

void frmNagScreen2::buildTabOrder() {
    const std::array<QWidget*, 8> order{m_cmdClose,      m_check1,    m_txtName,
                                        m_cmdSubmit,     m_txtEmail,  m_txtFriendEmail,
                                        m_txtFriendName, m_txtMessage};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
    setTabOrder(m_txtMessage, m_lblGoToHome);
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
    Form_Unload();
}

void frmNagScreen2::Form_Unload() {
    CloseApplication();
}

void frmNagScreen2::cmdClose_Click() {
    CloseApplication();
}

void frmNagScreen2::lblGoToHome_Click() {
    modHelp::OpenSoftwareCatalogPage();
}

void frmNagScreen2::txtName_GotFocus() {
    emptyIfPlaceholder(m_txtName, kNamePlaceholder);
}

void frmNagScreen2::txtName_LostFocus() {
    restorePlaceholder(m_txtName, kNamePlaceholder);
}

void frmNagScreen2::txtEmail_GotFocus() {
    emptyIfPlaceholder(m_txtEmail, kEmailPlaceholder);
}

void frmNagScreen2::txtEmail_LostFocus() {
    restorePlaceholder(m_txtEmail, kEmailPlaceholder);
}

void frmNagScreen2::txtMessage_GotFocus() {
    emptyIfPlaceholder(m_txtMessage, kMessagePlaceholder);
}

void frmNagScreen2::txtMessage_LostFocus() {
    restorePlaceholder(m_txtMessage, kMessagePlaceholder);
}

void frmNagScreen2::txtFriendName_GotFocus() {
    emptyIfPlaceholder(m_txtFriendName, kFriendNamePlaceholder);
}

void frmNagScreen2::txtFriendName_LostFocus() {
    restorePlaceholder(m_txtFriendName, kFriendNamePlaceholder);
}

void frmNagScreen2::txtFriendEmail_GotFocus() {
    emptyIfPlaceholder(m_txtFriendEmail, kFriendEmailPlaceholder);
}

void frmNagScreen2::txtFriendEmail_LostFocus() {
    restorePlaceholder(m_txtFriendEmail, kFriendEmailPlaceholder);
}

bool frmNagScreen2::txtEmail_KeyPress(const QString& typed) {
    return refuseBlank(m_txtEmail, typed);
}

bool frmNagScreen2::txtFriendEmail_KeyPress(const QString& typed) {
    return refuseBlank(m_txtFriendEmail, typed);
}

bool frmNagScreen2::refuseBlank(QLineEdit* box, const QString& typed) {
    if (typed != QLatin1String(" ")) {
        return false;
    }
    showMessage(box, QStringLiteral("Email Address Cannot Contain Space"), QMessageBox::Critical);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace kelvra
