#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelvra {

namespace modTellAFriend {
struct ReferralRequest;
}

// The exit screen: a rotating support message, a link to the forum, the refer-a-friend
// form and the maker's other programs. Topmost; closing it in any way ends the application.
class frmNagScreen2 : public QWidget {
    Q_OBJECT
public:
    // `messageNumber` picks the support message; by default one is drawn at random.
    explicit frmNagScreen2(int messageNumber = -1, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(frmNagScreen2)

    // The referral the form holds now: the five boxes, blanks trimmed.
    modTellAFriend::ReferralRequest referralFromBoxes() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHeader(int messageNumber);
    void buildReferralFrame();
    void buildCatalogueFrame();
    void buildTabOrder();
    void centreOnScreen();
    QLineEdit* addTextBox(QGroupBox* frame, const char* name, const QString& placeholder,
                          QPoint topLeft);

    void watchFocus(QWidget* box, void (frmNagScreen2::*gotFocus)(),
                    void (frmNagScreen2::*lostFocus)());

    void Form_Load(int messageNumber);
    void Form_Unload();
    void Check1_Click(bool checked);
    void cmdSubmit_Click();
    void cmdClose_Click();
    void lblGoToHome_Click();
    void txtName_GotFocus();
    void txtName_LostFocus();
    void txtEmail_GotFocus();
    void txtEmail_LostFocus();
    void txtMessage_GotFocus();
    void txtMessage_LostFocus();
    void txtFriendName_GotFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_GotFocus();
    void txtFriendEmail_LostFocus();
    // True when the typed character is refused.
    bool txtEmail_KeyPress(const QString& typed);
    bool txtFriendEmail_KeyPress(const QString& typed);
    bool refuseBlank(QLineEdit* box, const QString& typed);

    QCheckBox* m_check1 = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QPushButton* m_cmdSubmit = nullptr;
    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtEmail = nullptr;
    QLineEdit* m_txtFriendName = nullptr;
    QLineEdit* m_txtFriendEmail = nullptr;
    QPlainTextEdit* m_txtMessage = nullptr;
    QWidget* m_lblGoToHome = nullptr;
};

} // namespace kelvra
