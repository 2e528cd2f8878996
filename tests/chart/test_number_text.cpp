#include "chart/number_text.h"
#include "test_main.h"

#include <QObject>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

using kelvra::flooredLeadingNumber;
using kelvra::readWholeNumber;

namespace {

const QString kFourHundredDigits = QString(u'7') + QString(399, u'3');

// Texts of every kind: random bytes read as UTF-8 or Latin-1, random UTF-16 units (lone
// surrogates included), and mixes of the characters numbers are made of.
QString randomText(std::mt19937& random) {
    static const QString numberish = QStringLiteral("0123456789+-. \t.e,x\u0663\uff13\u00e9");
    std::uniform_int_distribution<int> lengths(0, 40);
    std::uniform_int_distribution<int> bytes(0, 255);
    std::uniform_int_distribution<int> units(0, 0xffff);
    std::uniform_int_distribution<int> kinds(0, 3);
    std::uniform_int_distribution<int> picks(0, static_cast<int>(numberish.size()) - 1);
    const int length = lengths(random);
    QByteArray raw;
    QString text;
    switch (kinds(random)) {
    case 0:
        for (int i = 0; i < length; ++i) {
            raw.append(static_cast<char>(bytes(random)));
        }
        return QString::fromUtf8(raw);
    case 1:
        for (int i = 0; i < length; ++i) {
            raw.append(static_cast<char>(bytes(random)));
        }
        return QString::fromLatin1(raw);
    case 2:
        for (int i = 0; i < length; ++i) {
            text.append(QChar(static_cast<char16_t>(units(random))));
        }
        return text;
    default:
        for (int i = 0; i < length; ++i) {
            text.append(numberish[picks(random)]);
        }
        return text;
    }
}

bool isWholeNumberText(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("\\A(0|-?[1-9][0-9]*)\\z"));
    return pattern.match(text).hasMatch();
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void leadingNumberIsFloored_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("floored");
        QTest::newRow("fraction dropped") << "7.9"
                                          << "7";
        QTest::newRow("trailing letters") << "12abc"
                                          << "12";
        QTest::newRow("negative rounds down") << "-2.5"
                                              << "-3";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("letters") << "abc"
                                 << "0";
        QTest::newRow("leading blanks") << " \t 42"
                                        << "42";
        QTest::newRow("plus sign") << "+8"
                                   << "8";
        QTest::newRow("minus zero") << "-0"
                                    << "0";
        QTest::newRow("minus zero fraction") << "-0.000"
                                             << "0";
        QTest::newRow("small negative fraction") << "-0.01"
                                                 << "-1";
        QTest::newRow("only a fraction") << ".5"
                                         << "0";
        QTest::newRow("negative fraction alone") << "-.5"
                                                 << "-1";
        QTest::newRow("point without fraction") << "5."
                                                << "5";
        QTest::newRow("leading zeros") << "007"
                                       << "7";
        QTest::newRow("negative with leading zeros") << "-007.5"
                                                     << "-8";
        QTest::newRow("negative carry") << "-999.9"
                                        << "-1000";
        QTest::newRow("blank inside") << "1 2"
                                      << "1";
        QTest::newRow("second point") << "12.5.6"
                                      << "12";
        QTest::newRow("comma") << "1,5"
                               << "1";
        QTest::newRow("no exponent") << "1e5"
                                     << "1";
        QTest::newRow("hex prefix") << "0x1F"
                                    << "0";
        QTest::newRow("two signs") << "+-3"
                                   << "0";
        QTest::newRow("blank after sign") << "- 3"
                                          << "0";
        QTest::newRow("other script digit") << "\u0663"
                                            << "0";
        QTest::newRow("full-width digit") << "\uff13"
                                          << "0";
        QTest::newRow("accent after digits") << "4\u00e9"
                                             << "4";
        QTest::newRow("no-break space first") << "\u00a05"
                                              << "0";
        QTest::newRow("twenty digits") << "99999999999999999999"
                                       << "99999999999999999999";
        QTest::newRow("twenty digits negative") << "-99999999999999999999.5"
                                                << "-100000000000000000000";
        QTest::newRow("four hundred digits") << kFourHundredDigits + ".25" << kFourHundredDigits;
    }

    void leadingNumberIsFloored() {
        QFETCH(QString, text);
        QFETCH(QString, floored);
        QCOMPARE(flooredLeadingNumber(text), floored);
    }

    void wholeNumbersAreRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12" << true << 12;
        QTest::newRow("blanks around") << " \t12 \t" << true << 12;
        QTest::newRow("plus sign") << "+7" << true << 7;
        QTest::newRow("minus sign") << "-3" << true << -3;
        QTest::newRow("leading zeros") << "0000000000000000000000012" << true << 12;
        QTest::newRow("largest int") << "2147483647" << true << std::numeric_limits<int>::max();
        QTest::newRow("smallest int") << "-2147483648" << true << std::numeric_limits<int>::min();
        QTest::newRow("beyond int") << "2147483648" << false << 0;
        QTest::newRow("below int") << "-2147483649" << false << 0;
        QTest::newRow("four hundred digits") << kFourHundredDigits << false << 0;
        QTest::newRow("fraction") << "7.9" << false << 0;
        QTest::newRow("point only") << "7." << false << 0;
        QTest::newRow("trailing letters") << "12abc" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blanks only") << "   " << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("sign only") << "+" << false << 0;
        QTest::newRow("blank after sign") << "- 3" << false << 0;
        QTest::newRow("blank inside") << "1 2" << false << 0;
        QTest::newRow("other script digit") << "\u0663" << false << 0;
        QTest::newRow("newline after") << "5\n" << false << 0;
    }

    void wholeNumbersAreRead() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(int, value);
        const std::optional<int> read = readWholeNumber(text);
        QCOMPARE(read.has_value(), isNumber);
        if (isNumber) {
            QCOMPARE(*read, value);
        }
    }

    void flooredMatchesArithmeticFloor() {
        // Short decimals, which a double holds closely enough to floor them exactly.
        std::mt19937 random(1984);
        std::uniform_int_distribution<int> digitCounts(0, 9);
        std::uniform_int_distribution<int> fractionCounts(0, 4);
        std::uniform_int_distribution<int> digits(0, 9);
        std::uniform_int_distribution<int> blankCounts(0, 2);
        std::uniform_int_distribution<int> signs(0, 1);
        for (int i = 0; i < 20000; ++i) {
            std::string text = std::string(blankCounts(random), ' ') + "+-"[signs(random)];
            for (int n = digitCounts(random); n > 0; --n) {
                text += static_cast<char>('0' + digits(random));
            }
            text += '.';
            for (int n = fractionCounts(random); n > 0; --n) {
                text += static_cast<char>('0' + digits(random));
            }
            const std::string number = text.substr(text.find_first_of("+-"));
            const bool hasDigits = number.find_first_of("0123456789") != std::string::npos;
            const double expected = hasDigits ? std::floor(std::stod(number)) : 0.0;
            QCOMPARE(flooredLeadingNumber(QString::fromStdString(text)),
                     expected == 0.0 ? QStringLiteral("0") : QString::number(expected, 'f', 0));
        }
    }

    void arbitraryTextGivesWholeNumbers() {
        std::mt19937 random(20261208);
        for (int i = 0; i < 50000; ++i) {
            const QString text = randomText(random);
            const QString floored = flooredLeadingNumber(text);
            QVERIFY2(isWholeNumberText(floored), qPrintable(text.toHtmlEscaped()));
            QCOMPARE(flooredLeadingNumber(floored), floored);
            const std::optional<int> read = readWholeNumber(floored);
            if (floored.size() <= 9) {
                QVERIFY(read.has_value());
                QCOMPARE(QString::number(*read), floored);
            }
            if (const std::optional<int> whole = readWholeNumber(text)) {
                QCOMPARE(floored, QString::number(*whole));
            }
        }
    }

    void longTextsAreReadInFull() {
        const QString nines(200000, u'9');
        const QString blanks(100000, u' ');
        QCOMPARE(flooredLeadingNumber(QStringLiteral("-") + nines + QStringLiteral(".1")),
                 QStringLiteral("-1") + QString(200000, u'0'));
        QVERIFY(!readWholeNumber(nines).has_value());
        QCOMPARE(flooredLeadingNumber(blanks + QStringLiteral("12")), QStringLiteral("12"));
        QCOMPARE(readWholeNumber(blanks + QStringLiteral("12") + blanks), std::optional<int>{12});
        QCOMPARE(flooredLeadingNumber(QString(100000, u'x')), QStringLiteral("0"));
    }
};

KELVRA_TEST_MAIN(TestNumberText)
#include "test_number_text.moc"
