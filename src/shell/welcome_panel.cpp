#include "welcome_panel.h"

#include "app/clickable_label.h"
#include "app/palette_colors.h"
#include "app/twips.h"
#include "app/ui_font.h"

#include <QMouseEvent>

namespace kelvra {

namespace {
struct CaptionLook {
    const char* text;
    QColor colour;
    double top;
    double fixedWidth; // 0: sized to its text
    double pointSize;
};

const std::array<CaptionLook, WelcomePanel::kCaptionCount> kCaptions{{
    {"Welcome to Kelvra Biorhythms", QColor(0, 255, 255), 240, 0, 12},
    {"Kelvra Biorhythms consists of two wonderful biorhythm softwares. Kelvra Biorhythm Chart "
     "Software can be used to find your physical, emotional and intellectual cycles. The Kelvra "
     "Biorhythm Compatibility software can be used to find the biorhythm compatibility between two "
     "people. Learn to use the biorhythms for your benefit and for a better life today!",
     QColor(255, 0, 0), 720, 8055, 8.25},
    {"Kelvra Biorhythms includes the following  programs", QColor(0, 255, 255), 1920, 0, 12},
    {"Biorhythm Chart Software", QColor(255, 255, 0), 2760, 0, 12},
    {"Biorhythm Compatibility", QColor(255, 0, 255), 3525, 0, 12},
}};

constexpr double kDescriptionHeight = 1065;

bool choosesProgram(int index) {
    return index == 3 || index == 4;
}
} // namespace

WelcomePanel::WelcomePanel(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picMain"));
    setMouseTracking(true);
    setBackgroundColor(this, Qt::black);

    for (int index = 0; index < kCaptionCount; ++index) {
        const CaptionLook& look = kCaptions.at(index);
        auto* label = new ClickableLabel(QString::fromUtf8(look.text), this);
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(index));
        label->setFont(uiFont(look.pointSize, true));
        setTextColor(label, look.colour);
        if (look.fixedWidth > 0) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->resize(twipsSize(look.fixedWidth, kDescriptionHeight));
        } else {
            label->adjustSize();
        }
        if (choosesProgram(index)) {
            label->makeLink();
            label->makeKeyboardLink(QAccessible::Button);
        }
        connect(label, &ClickableLabel::clicked, this,
                [this, index] { emit captionClicked(index); });
        connect(label, &ClickableLabel::mouseMoved, this,
                [this, index] { lblCaption_MouseMove(index); });
        m_captions.at(index) = label;
    }
}

void WelcomePanel::centreOnScreenWidth(double screenTwips) {
    for (int index = 0; index < kCaptionCount; ++index) {
        ClickableLabel* label = m_captions.at(index);
        const float width = static_cast<float>(pixelsToTwips(label->width()));
        const float left = (static_cast<float>(screenTwips) - width) / 2.0F;
        label->move(twipsPoint(left, kCaptions.at(index).top));
    }
}

void WelcomePanel::mouseMoveEvent(QMouseEvent* event) {
    picMain_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void WelcomePanel::lblCaption_MouseMove(int index) {
    if (!choosesProgram(index)) {
        return;
    }
    QFont font = m_captions.at(index)->font();
    font.setUnderline(true);
    m_captions.at(index)->setFont(font);
}

void WelcomePanel::picMain_MouseMove() {
    for (ClickableLabel* label : m_captions) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

} // namespace kelvra
