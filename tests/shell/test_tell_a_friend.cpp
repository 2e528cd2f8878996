#include "shell/tell_a_friend.h"
#include "test_main.h"
#include "url_recorder.h"
#include "web/site_address.h"

#include <QRandomGenerator>

using kelvra::modTellAFriend::ReferralRequest;
namespace taf = kelvra::modTellAFriend;

namespace {
ReferralRequest proper() {
    return {QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Hi"),
            QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
}

// Splits the query of a referral address back into its fields, decoding each value.
QList<std::pair<QString, QString>> decodedFields(const QUrl& address) {
    QList<std::pair<QString, QString>> fields;
    const QByteArray query = address.query(QUrl::FullyEncoded).toLatin1();
    for (const QByteArray& pair : query.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        fields.append({QString::fromLatin1(pair.left(equals)),
                       QUrl::fromPercentEncoding(pair.mid(equals + 1))});
    }
    return fields;
}
} // namespace

class TestTellAFriend : public QObject {
    Q_OBJECT
private slots:
    void trimsBlanksOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks") << "  Ann  "
                                << "Ann";
        QTest::newRow("inner blanks stay") << " Ann Lee "
                                           << "Ann Lee";
        QTest::newRow("tab stays") << "\tAnn "
                                   << "\tAnn";
        QTest::newRow("line break stays") << "Your Message\r\n"
                                          << "Your Message\r\n";
        QTest::newRow("only blanks") << "    "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void trimsBlanksOnly() {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(taf::trimBlanks(text), trimmed);
    }

    void addressChecks_data() {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("problem");
        QTest::newRow("untouched") << "Your Email Address"
                                   << "Friend's Email Address"
                                   << "Please Enter Proper Email Address";
        QTest::newRow("same without @") << "same"
                                        << "same"
                                        << "Please Enter Distinct Email Addresses";
        QTest::newRow("same proper") << "a@b.c"
                                     << "a@b.c"
                                     << "Please Enter Distinct Email Addresses";
        QTest::newRow("case differs") << "A@B.C"
                                      << "a@b.c"
                                      << "";
        QTest::newRow("@ without .") << "a@b"
                                     << "c@d.e"
                                     << "Please Enter Proper Email Address";
        QTest::newRow("friend without @") << "a@b.c"
                                          << "d.e"
                                          << "Please Enter Proper Email Address";
        QTest::newRow("friend without .") << "a@b.c"
                                          << "d@e"
                                          << "Please Enter Proper Email Address";
        QTest::newRow("proper") << "a@b.c"
                                << "d@e.f"
                                << "";
    }

    void addressChecks() {
        QFETCH(QString, email);
        QFETCH(QString, friendEmail);
        QFETCH(QString, problem);
        ReferralRequest request = proper();
        request.email = email;
        request.friendEmail = friendEmail;
        QCOMPARE(taf::addressProblem(request).value_or(QString()), problem);
    }

    void referralChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("problem");
        QTest::newRow("all there") << "Ann"
                                   << "Hi"
                                   << "Bob"
                                   << "";
        QTest::newRow("name placeholder") << "Your Name"
                                          << "Hi"
                                          << "Bob"
                                          << "Please Enter Your Name";
        QTest::newRow("name empty, message empty") << ""
                                                   << ""
                                                   << ""
                                                   << "Please Enter Your Name";
        QTest::newRow("name in other case") << "your name"
                                            << "Hi"
                                            << "Bob"
                                            << "";
        QTest::newRow("message placeholder") << "Ann"
                                             << "Your Message"
                                             << "Bob"
                                             << "Please Enter Your Message";
        QTest::newRow("message untouched") << "Ann"
                                           << "Your Message\r\n"
                                           << "Bob"
                                           << "";
        QTest::newRow("friend placeholder") << "Ann"
                                            << "Hi"
                                            << "Friend's Name"
                                            << "Please Enter Your Friend's Name";
        QTest::newRow("friend empty") << "Ann"
                                      << "Hi"
                                      << ""
                                      << "Please Enter Your Friend's Name";
    }

    void referralChecks() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, friendName);
        QFETCH(QString, problem);
        const ReferralRequest request{name, QStringLiteral("a@b.c"), message, friendName,
                                      QStringLiteral("d@e.f")};
        QCOMPARE(taf::referralProblem(request).value_or(QString()), problem);
    }

    void addressKeepsFieldsOrderAndPage() {
        const QUrl address = taf::referralAddress(proper());
        const QString expected =
            QStringLiteral("http://") + kelvra::modHelp::siteHost() +
            QStringLiteral("/kelvra-free-biorhythms/ssd.php?page=vosket-refer-a-friend"
                           "&taf1=Ann&taf2=ann%40example.org&taf3=Hi&taf4=Bob"
                           "&taf5=bob%40example.org&taf6=http%3A%2F%2F") +
            kelvra::modHelp::siteHost() + QStringLiteral("%2Fkelvra-free-biorhythms%2F");
        QCOMPARE(QString::fromLatin1(address.toEncoded()), expected);
    }

    void valuesTravelEncodedAndComeBackExactly_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("ampersand and equals") << "Tom & Jerry=friends"
                                              << "Tom%20%26%20Jerry%3Dfriends";
        QTest::newRow("hash") << "room #5"
                              << "room%20%235";
        QTest::newRow("plus") << "a+b"
                              << "a%2Bb";
        QTest::newRow("percent") << "100% sure %41"
                                 << "100%25%20sure%20%2541";
        QTest::newRow("line breaks") << "Your Message\r\n"
                                     << "Your%20Message%0D%0A";
        QTest::newRow("non-ASCII")
            << QStringLiteral("Zoë Ærø 名") << "Zo%C3%AB%20%C3%86r%C3%B8%20%E5%90%8D";
        QTest::newRow("field lookalike") << "x&taf5=evil@x.y"
                                         << "x%26taf5%3Devil%40x.y";
    }

    void valuesTravelEncodedAndComeBackExactly() {
        QFETCH(QString, value);
        QFETCH(QString, encoded);
        ReferralRequest request = proper();
        request.message = value;
        const QUrl address = taf::referralAddress(request);
        QVERIFY(address.isValid());
        QVERIFY(QString::fromLatin1(address.toEncoded())
                    .contains(QStringLiteral("&taf3=") + encoded + QStringLiteral("&taf4=")));
        const auto fields = decodedFields(address);
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields.at(3).second, value);
        QCOMPARE(fields.at(5).second, QStringLiteral("bob@example.org"));
    }

    void randomValuesComeBackExactly() {
        QRandomGenerator random(4711);
        const QStringList alphabet =
            QStringLiteral(" |&|=|#|+|%|?|/|@|.|\r|\n|\t|a|Z|0|ä|ß|€|😀").split(QLatin1Char('|'));
        for (int run = 0; run < 300; ++run) {
            ReferralRequest request;
            QString* fields[] = {&request.name, &request.email, &request.message,
                                 &request.friendName, &request.friendEmail};
            for (QString* field : fields) {
                const int length = random.bounded(12);
                for (int i = 0; i < length; ++i) {
                    *field += alphabet.at(random.bounded(alphabet.size()));
                }
            }
            const auto decoded = decodedFields(taf::referralAddress(request));
            QCOMPARE(decoded.size(), 7);
            const QStringList names{"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
            for (int i = 0; i < 7; ++i) {
                QCOMPARE(decoded.at(i).first, names.at(i));
            }
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(decoded.at(i + 1).second, *fields[i]);
            }
        }
    }

    void submitSendsOnlyWhenChecksPass() {
        UrlRecorder recorder;
        QStringList problems;
        const auto report = [&problems](const QString& problem) {
            problems << problem;
        };
        ReferralRequest request = proper();
        request.friendName = QStringLiteral("Friend's Name");
        QVERIFY(!taf::SubmitReferral(request, report));
        QCOMPARE(problems, QStringList{"Please Enter Your Friend's Name"});
        QVERIFY(recorder.urls().empty());

        QVERIFY(taf::SubmitReferral(proper(), report));
        QCOMPARE(recorder.urls().size(), size_t(1));
        QCOMPARE(recorder.urls().front(), taf::referralAddress(proper()));
    }
};

KELVRA_TEST_MAIN(TestTellAFriend)
#include "test_tell_a_friend.moc"
