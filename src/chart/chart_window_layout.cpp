// The chart window's controls, menus and links, at their places in twips.
#include "chart_window.h"

#include "box_leave_watcher.h"
#include "chart_date_lists.h"
#include "chart_surface.h"
#include "date_box.h"

#include "app/accessibility.h"
#include "app/clickable_label.h"
#include "app/color_conversion.h"
#include "app/help_menu.h"
#include "app/palette_colors.h"
#include "app/promotion_texts.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "engine/cycle.h"
#include "web/site_address.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace kelvra {

namespace {
constexpr ColorValue kLinkBlue = rgbColor(0, 0, 255);

template <typename Widget, typename... Args>
Widget* place(QWidget& container, const QString& name, const QRect& twips, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., &container);
    widget->setObjectName(name);
    widget->setGeometry(twips);
    return widget;
}

// Our face is wider than the one the panel was laid out for: a caption whose text would run
// under the date boxes right of it grows to the left instead, but stays clear of the frame.
void growToTheLeft(QLabel& label) {
    constexpr int kFrameClearance = 3;
    const int right = label.x() + label.width();
    const int needed = label.fontMetrics().horizontalAdvance(label.text().trimmed()) + 1;
    if (needed <= label.width()) {
        return;
    }
    const int left = std::max(kFrameClearance, right - needed);
    label.setGeometry(left, label.y(), right - left, label.height());
}

QComboBox* placeDateBox(QWidget& frame, const QString& name, const QRect& twips, bool editable) {
    auto* box = place<DateBox>(frame, name, twips);
    box->setEditable(editable);
    if (editable) {
        // Typed text stays as typed: no completion, and Enter adds nothing to the list.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    box->setMaxVisibleItems(8);
    return box;
}

// Each box is named for assistive technology after its row's caption, e.g. "Birthday: day".
void nameDateBoxes(const QLabel& caption, const std::array<QComboBox*, 3>& boxes) {
    const std::array<QString, 3> parts{QStringLiteral("month"), QStringLiteral("day"),
                                       QStringLiteral("year")};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        nameForAssistiveTechnology(boxes.at(i), caption.text() + parts.at(i));
    }
}

ClickableLabel* placeLink(QWidget& container, const QString& name, const QRect& twips,
                          const QString& text) {
    auto* link = place<ClickableLabel>(container, name, twips, text);
    link->setTextFormat(Qt::PlainText);
    link->setFont(uiFont(8.25, true, true));
    // Blue stays readable only on the light face it was chosen for.
    setTextOnBackground(link, toQColor(kLinkBlue), kFixedLightFace);
    link->makeLink();
    link->makeKeyboardLink();
    return link;
}

QAction* addItem(QMenu& menu, const QString& name, const QString& text) {
    QAction* action = menu.addAction(text);
    action->setObjectName(name);
    return action;
}

void addSeparator(QMenu& menu, const QString& name) {
    menu.addSeparator()->setObjectName(name);
}
} // namespace

void frmBiorhythmChart::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addItem(*file, QStringLiteral("mnuRun"), QStringLiteral("&Create Biorythm Chart")),
            &QAction::triggered, this, &frmBiorhythmChart::mnuRun_Click);
    addSeparator(*file, QStringLiteral("mnuhg"));
    connect(addItem(*file, QStringLiteral("mnuE"), QStringLiteral("Exit")), &QAction::triggered,
            this, &ProgramWindow::closeWindow);

    const HelpMenuItems help = addHelpMenu(
        *menuBar(), {{QStringLiteral("Help"), QStringLiteral("mnuHelp")},
                     {QStringLiteral("Online &Help"), QStringLiteral("mnuOnline")},
                     {QStringLiteral("Visit Us Online"), QStringLiteral("mnuV")},
                     QStringLiteral("sep2"),
                     {QStringLiteral("Check For Update"), QStringLiteral("mnuCheckUpdate")},
                     QStringLiteral("sep1"),
                     {QStringLiteral("About Us"), QStringLiteral("mnuS")}});
    connect(help.onlineHelp, &QAction::triggered, this, &frmBiorhythmChart::mnuOnline_Click);
    connect(help.visitUsOnline, &QAction::triggered, this, &frmBiorhythmChart::mnuV_Click);
    connect(help.checkForUpdate, &QAction::triggered, this,
            &frmBiorhythmChart::mnuCheckUpdate_Click);
    connect(help.about, &QAction::triggered, this, &frmBiorhythmChart::mnuS_Click);
}

void frmBiorhythmChart::buildChartArea(QWidget& client) {
    ClickableLabel* forum =
        placeLink(client, QStringLiteral("Label1"), twipsRect(450, 30, 9480, 195),
                  QStringLiteral("Share your biorhythm experiences in our online forum at %1")
                      .arg(modHelp::siteHost()));
    connect(forum, &ClickableLabel::clicked, this, &frmBiorhythmChart::Label1_Click);

    const QFont scaleFont = uiFont(9.75, true);
    m_lblLeast = place<QLabel>(client, QStringLiteral("lblLeast"), twipsRect(60, 540, 1290, 240));
    m_lblLeast->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lblDate = place<QLabel>(client, QStringLiteral("lblDate"), twipsRect(2970, 510, 645, 240));
    m_lblDate->setAlignment(Qt::AlignCenter);
    m_lblMost = place<QLabel>(client, QStringLiteral("lblMost"), twipsRect(5520, 540, 1005, 240));
    m_lblMost->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {m_lblLeast, m_lblDate, m_lblMost}) {
        label->setFont(scaleFont);
    }
    m_surface =
        place<ChartSurface>(client, QStringLiteral("picBiorhythm"), twipsRect(30, 780, 6465, 6465));
    reportRole(m_surface, QAccessible::Chart);
}

void frmBiorhythmChart::buildDetailsPanel(QWidget& client) {
    auto* frame =
        place<QGroupBox>(client, QStringLiteral("Frame2"), twipsRect(6570, 270, 3825, 1695),
                         QStringLiteral("Enter Your Details"));
    frame->setFont(uiFont(8.25, true));
    const QFont captionFont = uiFont(9.75);
    auto* birthday = place<QLabel>(*frame, QStringLiteral("lblBirthday"),
                                   twipsRect(360, 255, 825, 240), QStringLiteral("Birthday: "));
    auto* report = place<QLabel>(*frame, QStringLiteral("lblReport"), twipsRect(90, 810, 1125, 240),
                                 QStringLiteral("Report Day: "));
    for (QLabel* label : {birthday, report}) {
        label->setFont(captionFont);
        growToTheLeft(*label);
    }

    buildDateBoxes(*frame);
    birthday->setBuddy(m_cboBirthMonth);
    report->setBuddy(m_cboReportMonth);
    nameDateBoxes(*birthday, {m_cboBirthMonth, m_cboBirthDay, m_cboBirthYear});
    nameDateBoxes(*report, {m_cboReportMonth, m_cboReportDay, m_cboReportYear});

    m_cmdBiorythm =
        place<QPushButton>(*frame, QStringLiteral("cmdBiorythm"), twipsRect(690, 1230, 2445, 345),
                           QStringLiteral("Create Biorhythm Chart"));
    m_cmdBiorythm->setFont(uiFont(8.25, true));
    connect(m_cmdBiorythm, &QPushButton::clicked, this, &frmBiorhythmChart::cmdBiorythm_Click);
}

void frmBiorhythmChart::buildDateBoxes(QWidget& frame) {
    m_cboBirthMonth =
        placeDateBox(frame, QStringLiteral("cboBirthMonth"), twipsRect(1230, 210, 735, 315), false);
    m_cboBirthDay =
        placeDateBox(frame, QStringLiteral("cboBirthDay"), twipsRect(2070, 210, 615, 315), true);
    m_cboBirthYear =
        placeDateBox(frame, QStringLiteral("cboBirthYear"), twipsRect(2760, 210, 975, 315), false);
    m_cboReportMonth = placeDateBox(frame, QStringLiteral("cboReportMonth"),
                                    twipsRect(1230, 780, 735, 315), false);
    m_cboReportDay =
        placeDateBox(frame, QStringLiteral("cboReportDay"), twipsRect(2070, 780, 615, 315), true);
    m_cboReportYear =
        placeDateBox(frame, QStringLiteral("cboReportYear"), twipsRect(2760, 780, 975, 315), true);
    for (QComboBox* box : {m_cboBirthMonth, m_cboBirthDay, m_cboBirthYear, m_cboReportMonth,
                           m_cboReportDay, m_cboReportYear}) {
        box->setFont(uiFont(8.25));
    }
    for (QComboBox* box : {m_cboBirthMonth, m_cboReportMonth}) {
        box->addItems(chartMonthNames());
    }
    for (QComboBox* box : {m_cboBirthDay, m_cboReportDay}) {
        box->addItems(chartDayEntries());
    }
    m_cboBirthDay->setEditText(birthStartValues().dayText);

    connect(new BoxLeaveWatcher(*m_cboBirthDay), &BoxLeaveWatcher::left, this,
            &frmBiorhythmChart::cboBirthDay_LostFocus);
    connect(new BoxLeaveWatcher(*m_cboReportDay), &BoxLeaveWatcher::left, this,
            &frmBiorhythmChart::cboReportDay_LostFocus);
    connect(new BoxLeaveWatcher(*m_cboBirthYear), &BoxLeaveWatcher::left, this,
            &frmBiorhythmChart::cboBirthYear_LostFocus);
    connect(new BoxLeaveWatcher(*m_cboReportYear), &BoxLeaveWatcher::left, this,
            &frmBiorhythmChart::cboReportYear_LostFocus);
}

void frmBiorhythmChart::buildExplanationPanel(QWidget& client) {
    auto* frame =
        place<QGroupBox>(client, QStringLiteral("Frame3"), twipsRect(6570, 2010, 3825, 3495),
                         QStringLiteral("Biorythm Explained"));
    frame->setFont(uiFont(8.25, true));
    // The explanation's black text needs the light face behind it, and so does the caption.
    setTextOnBackground(frame, kFixedDarkText, kFixedLightFace);
    auto* strip = place<ClickableLabel>(*frame, QStringLiteral("picExplain"),
                                        twipsRect(90, 210, 3675, 405), QString());
    setBackgroundColor(strip, Qt::black);
    connect(strip, &ClickableLabel::mouseMoved, this, &frmBiorhythmChart::picExplain_MouseMove);
    strip->makeFocusable();
    strip->setAccessibleName(QStringLiteral("Cycle legend"));
    connect(strip, &ClickableLabel::focused, this, &frmBiorhythmChart::picExplain_MouseMove);
    buildLegend(*strip);

    m_lblInfoHeading =
        place<QLabel>(*frame, QStringLiteral("lblInfo_0"), twipsRect(90, 660, 3675, 195));
    m_lblInfoHeading->setFont(uiFont(8.25, true));
    m_lblInfoText =
        place<QLabel>(*frame, QStringLiteral("lblInfo_1"), twipsRect(90, 945, 3675, 2475));
    m_lblInfoText->setFont(uiFont(8.25));
    m_lblInfoText->setWordWrap(true);
    m_lblInfoText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* label : {m_lblInfoHeading, m_lblInfoText}) {
        label->setTextFormat(Qt::PlainText);
        setTextColor(label, Qt::black);
    }
}

void frmBiorhythmChart::buildLegend(QWidget& strip) {
    const std::array<std::pair<QString, QRect>, 3> legend{{
        {QStringLiteral("lblRed"), twipsRect(120, 90, 585, 195)},
        {QStringLiteral("lblGreen"), twipsRect(1410, 90, 690, 195)},
        {QStringLiteral("lblViolet"), twipsRect(2790, 90, 765, 195)},
    }};
    const std::array<void (frmBiorhythmChart::*)(), 3> handlers{
        &frmBiorhythmChart::lblRed_MouseMove, &frmBiorhythmChart::lblGreen_MouseMove,
        &frmBiorhythmChart::lblViolet_MouseMove};
    for (std::size_t index = 0; index < legend.size(); ++index) {
        const Cycle& cycle = kCycles[index];
        auto* word = place<ClickableLabel>(strip, legend[index].first, legend[index].second,
                                           QString::fromLatin1(cycle.name));
        word->setFont(uiFont(8.25));
        setTextColor(word, toQColor(cycle.singleChartColor));
        // Our face is wider than the one the strip was laid out for: widen the word to its
        // text and keep it inside the strip.
        const int width = std::max(word->width(), word->sizeHint().width());
        word->setGeometry(std::min(word->x(), strip.width() - width - 2), word->y(), width,
                          word->height());
        connect(word, &ClickableLabel::mouseMoved, this, handlers[index]);
        word->makeFocusable();
        connect(word, &ClickableLabel::focused, this, handlers[index]);
    }
}

void frmBiorhythmChart::buildLinkPanel(QWidget& client) {
    auto* frame = place<QGroupBox>(client, QStringLiteral("Frame1"),
                                   twipsRect(6570, 5550, 3825, 1695), QString());
    // One light face around the links, as behind the explanation.
    setBackgroundColor(frame, kFixedLightFace);
    const QRect shared = twipsRect(120, 120, 3585, 1095);
    ClickableLabel* fullBrand =
        placeLink(*frame, QStringLiteral("lblFullBrand"), shared, kFullBrandPromotion);
    // Both links share one rectangle; the co-brand link lies on top and hides the other.
    ClickableLabel* coBrand =
        placeLink(*frame, QStringLiteral("lblCobrand"), shared, kCoBrandPromotion);
    for (ClickableLabel* link : {fullBrand, coBrand}) {
        link->setAlignment(Qt::AlignCenter);
        link->setWordWrap(true);
    }
    coBrand->raise();
    // The hidden link is no tab stop; assistive technology hears it is covered.
    fullBrand->setFocusPolicy(Qt::NoFocus);
    connect(fullBrand, &ClickableLabel::clicked, this, &frmBiorhythmChart::lblFullBrand_Click);
    connect(coBrand, &ClickableLabel::clicked, this, &frmBiorhythmChart::lblCobrand_Click);
}

void frmBiorhythmChart::arrangeTabOrder() {
    const std::array<QWidget*, 7> order{m_cboReportMonth, m_cboReportDay, m_cboBirthDay,
                                        m_cboBirthMonth,  m_cmdBiorythm,  m_cboBirthYear,
                                        m_cboReportYear};
    for (std::size_t index = 1; index < order.size(); ++index) {
        QWidget::setTabOrder(order[index - 1], order[index]);
    }
    setFirstControl(order.front());
    // The links, the legend and the chart follow the boxes and the button.
    QWidget* previous = order.back();
    for (const char* name : {"Label1", "picExplain", "lblRed", "lblGreen", "lblViolet",
                             "lblCobrand", "picBiorhythm"}) {
        QWidget* next = findChild<QWidget*>(QLatin1String(name));
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace kelvra
