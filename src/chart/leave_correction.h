#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include <functional>

class QComboBox;

namespace kelvra {

// True for the focus changes by which a user really leaves a box (Tab, Backtab, a click
// elsewhere, a shortcut, a program moving the focus); false when a menu or pop-up opens or
// the window loses activation, after which the focus comes back to the box.
bool isLeavingFocus(Qt::FocusReason reason);

// Runs a correction on a drop-down box's text each time the user leaves the box.
class LeaveCorrection : public QObject {
    Q_OBJECT
public:
    using Rule = std::function<QString(QStringView)>;

    // Watches the box; the correction lives as long as the box.
    LeaveCorrection(QComboBox& box, Rule rule);
    Q_DISABLE_COPY_MOVE(LeaveCorrection)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void correct();

    QComboBox& m_box;
    Rule m_rule;
};

} // namespace kelvra
