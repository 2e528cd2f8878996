#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace kelvra::modTellAFriend {

// The five values of a refer-a-friend submission, blanks trimmed from both ends.
struct ReferralRequest {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Removes blanks (character 32 only) from both ends; tabs and line breaks stay.
QString trimBlanks(const QString& text);

// The e-mail checks of the submit button: distinct addresses, then "@", then ".".
std::optional<QString> addressProblem(const ReferralRequest& request);

// The checks before sending: the name, the message, the friend's name.
std::optional<QString> referralProblem(const ReferralRequest& request);

// The request address: the refer-a-friend page with the six fields, each value
// percent-encoded, so no value can spill into another field.
QUrl referralAddress(const ReferralRequest& request);

// Sends the request through the browser unless a check fails; then `reportProblem`
// gets the message and nothing is sent. True when sent.
bool SubmitReferral(const ReferralRequest& request,
                    const std::function<void(const QString&)>& reportProblem);

} // namespace kelvra::modTellAFriend
