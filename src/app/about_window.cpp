#include "about_window.h"

#include "accessibility.h"
#include "app_icons.h"
#include "app_identity.h"
#include "clickable_label.h"
#include "palette_colors.h"
#include "twips.h"
#include "ui_font.h"
#include "web/page_openers.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace kelvra {

namespace {
const QColor kCyan(0, 255, 255);
const QColor kButtonFace(192, 192, 192);
const QColor kLineColour(224, 224, 224);

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    setTextColor(label, Qt::white);
    return label;
}

ClickableLabel* addLink(QWidget* parent, const char* name, const QString& text, QPoint topLeft) {
    auto* link = new ClickableLabel(text, parent);
    link->setObjectName(QLatin1String(name));
    link->setFont(uiFont(8.25, false, true));
    setTextColor(link, kCyan);
    link->makeLink();
    link->makeKeyboardLink();
    link->move(topLeft);
    link->adjustSize();
    return link;
}
} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(kVersionCaption);
    setWindowIcon(applicationIcon());
    setFixedSize(twipsSize(6810, 3870));
    setBackgroundColor(this, Qt::black);

    buildTexts();
    buildLinks();
    buildButtonArea();
    centreOnScreen();
}

void frmAbout::showModal(QWidget* owner) {
    // On the heap: should its owner go while it is open, it goes with it.
    const QPointer<frmAbout> about = new frmAbout(owner);
    about->exec();
    delete about.data();
}

void frmAbout::buildTexts() {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Picture1"));
    icon->setGeometry(twipsRect(120, 120, 480, 480));
    icon->setPixmap(applicationPixmap());
    markDecorative(icon);

    QLabel* title = addLabel(this, "Label2", kVersionCaption, uiFont(9.75, true));
    title->move(twipsPoint(840, 240));
    title->adjustSize();

    QLabel* about = addLabel(
        this, "Label1",
        QStringLiteral("Kelvra Biorhythms helps find your own biorhythms and the biorhythm "
                       "compatibility between two people. Each person's biorhythm consists of the "
                       "physical, emotional and intellectual cycles. Knowing the cycles for "
                       "yourself and your partner can help you understand your partner better and "
                       "lead a better life."),
        uiFont(8.25));
    about->setGeometry(twipsRect(240, 720, 6465, 1095));
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* business = addLabel(
        this, "Label3",
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website. "),
        uiFont(8.25, true));
    business->setGeometry(twipsRect(240, 2280, 6105, 675));
    business->setWordWrap(true);
    business->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmAbout::buildLinks() {
    ClickableLabel* homePage =
        addLink(this, "lblHomePage", QStringLiteral("Visit the Kelvra Biorhythms web site online."),
                twipsPoint(2640, 1920));
    connect(homePage, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);

    ClickableLabel* coBrand = addLink(
        this, "lblCoBrand", QStringLiteral("Click here for more details."), twipsPoint(4320, 2880));
    connect(coBrand, &ClickableLabel::clicked, this, &frmAbout::lblCobrand_Click);
}

void frmAbout::buildButtonArea() {
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(QRect(twipsPoint(0, 3240), QSize(twipsToPixels(6900), 1)));
    setBackgroundColor(line, kLineColour);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(5400, 3360, 1260, 345));
    ok->setFont(uiFont(8.25, true));
    setButtonColors(ok, kButtonFace, Qt::black);
    ok->setDefault(true);
    ok->setFocus();
    // Esc reaches QDialog::reject(), which closes the window like the button does.
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::centreOnScreen() {
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    modHelp::OpenHomePage();
}

void frmAbout::lblCobrand_Click() {
    // The "more details" link leads to the fully-branded offer.
    modHelp::OpenFullyBrandedPage();
}

} // namespace kelvra
