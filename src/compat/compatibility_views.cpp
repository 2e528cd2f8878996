#include "compatibility_views.h"

namespace kelvra {

const std::array<CompatibilityView, 3>& compatibilityViews() {
    static const std::array<CompatibilityView, 3> views{{
        {0, QStringLiteral("Physical"), QStringLiteral("Physical:"),
         QStringLiteral(
             "The Physical cycle is a good indicator of your body vitality, strength and generally "
             "tells you how healthy you really are. If this cycle crosses the midline, it means "
             "you are going through a critical phase in this area, and may become easily tired. "
             "You may face sudden accidents and so must be extra cautious during this period. "
             "However, if the physical cycle is low, you have high chances of suffering from "
             "depression and feelings of complete exhaustion, where you feel all your physical "
             "strength has been completely drained out."),
         QStringLiteral("Physical Compatibility")},
        {1, QStringLiteral("Emotional"), QStringLiteral("Emotional:"),
         QStringLiteral(
             "Your Emotional cycle is basically an indicator of your mental stability and positive "
             "outlook on life. This cycle tracks your inner sentimentality and emotions, and "
             "denotes how well you can relate to people and situations. At a higher level, it "
             "makes you friendlier and open to new relationships. On a critical level, this cycle "
             "indicates that you are mentally unstable, and may even be prone to suicidal "
             "tendencies. At a lower level, this cycle shows that you are relaxed, and not prone "
             "to display of emotions."),
         QStringLiteral("Emotional Compatibility")},
        {2, QStringLiteral("Intellectual"), QStringLiteral("Intellectual:"),
         QStringLiteral(
             "The Intellectual cycle represents your analytic, verbal, symbolic as well as "
             "creative abilities in general. It relates to your ability to analyze situations "
             "around you in a logical and methodical manner. In a high phase,it means that at "
             "present, you are mentally very sharp, and have a high level of concentration. At a "
             "low level, this cycle denotes an illogical mind and lack of concentration on your "
             "part. However, when this cycle passes through a critical phase, it denotes that you "
             "are mentally indecisive."),
         QStringLiteral("Intellectual Compatibility")},
    }};
    return views;
}

const CompatibilityView* findCompatibilityView(const QString& name) {
    for (const CompatibilityView& view : compatibilityViews()) {
        if (view.name == name) {
            return &view;
        }
    }
    return nullptr;
}

} // namespace kelvra
