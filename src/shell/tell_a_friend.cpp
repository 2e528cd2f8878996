#include "tell_a_friend.h"

#include "web/page_openers.h"
#include "web/site_address.h"

namespace kelvra::modTellAFriend {

namespace {
const QString kProperAddress = QStringLiteral("Please Enter Proper Email Address");

QByteArray queryPair(const char* field, const QString& value) {
    return QByteArray("&") + field + '=' + QUrl::toPercentEncoding(value);
}

bool isEmptyOr(const QString& value, const char* placeholder) {
    return value.isEmpty() || value == QLatin1String(placeholder);
}
} // namespace

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (end > first && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(first, end - first);
}

std::optional<QString> addressProblem(const ReferralRequest& request) {
    if (request.email == request.friendEmail) {
        return QStringLiteral("Please Enter Distinct Email Addresses");
    }
    for (const QChar mark : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!request.email.contains(mark) || !request.friendEmail.contains(mark)) {
            return kProperAddress;
        }
    }
    return std::nullopt;
}

std::optional<QString> referralProblem(const ReferralRequest& request) {
    if (isEmptyOr(request.name, "Your Name")) {
        return QStringLiteral("Please Enter Your Name");
    }
    if (isEmptyOr(request.message, "Your Message")) {
        return QStringLiteral("Please Enter Your Message");
    }
    if (isEmptyOr(request.friendName, "Friend's Name")) {
        return QStringLiteral("Please Enter Your Friend's Name");
    }
    return std::nullopt;
}

QUrl referralAddress(const ReferralRequest& request) {
    QByteArray address = modHelp::pageAddress(QStringLiteral("vosket-refer-a-friend")).toEncoded();
    address += queryPair("taf1", request.name);
    address += queryPair("taf2", request.email);
    address += queryPair("taf3", request.message);
    address += queryPair("taf4", request.friendName);
    address += queryPair("taf5", request.friendEmail);
    address += queryPair("taf6", modHelp::productFolderAddress().toString());
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

bool SubmitReferral(const ReferralRequest& request,
                    const std::function<void(const QString&)>& reportProblem) {
    if (const std::optional<QString> problem = referralProblem(request)) {
        if (reportProblem) {
            reportProblem(*problem);
        }
        return false;
    }
    modHelp::OpenSitePage(referralAddress(request));
    return true;
}

} // namespace kelvra::modTellAFriend
