// The refer-a-friend address: every value comes back whole, nothing else ever moves.
#include "fuzz_support.h"
#include "shell/tell_a_friend.h"
#include "web/site_address.h"

#include <QByteArrayList>

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    modTellAFriend::ReferralRequest request;
    QStringList values;
    for (QString* field : {&request.name, &request.email, &request.message, &request.friendName,
                           &request.friendEmail}) {
        *field = modTellAFriend::trimBlanks(input.text());
        values << *field;
    }
    values << modHelp::productFolderAddress().toString();

    const QUrl address = modTellAFriend::referralAddress(request);
    FUZZ_CHECK(address.isValid());
    FUZZ_CHECK(address.scheme() == QLatin1String("http"));
    FUZZ_CHECK(address.host() == modHelp::siteHost());
    FUZZ_CHECK(address.path() == QLatin1String("/kelvra-free-biorhythms/ssd.php"));
    FUZZ_CHECK(!address.hasFragment());

    const QByteArrayList pairs = address.query(QUrl::FullyEncoded).toLatin1().split('&');
    FUZZ_CHECK(pairs.size() == 7);
    FUZZ_CHECK(pairs[0] == "page=vosket-refer-a-friend");
    for (int field = 1; field < 7; ++field) {
        const QByteArray key = "taf" + QByteArray::number(field) + '=';
        FUZZ_CHECK(pairs[field].startsWith(key));
        const QByteArray encoded = pairs[field].mid(key.size());
        FUZZ_CHECK(QString::fromUtf8(QByteArray::fromPercentEncoding(encoded)) ==
                   values[field - 1]);
    }
    return 0;
}
