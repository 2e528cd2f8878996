#include "number_text.h"

#include <cstdint>
#include <limits>

namespace kelvra {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Only ASCII digits count: other scripts' digits are not read as numbers.
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

qsizetype skipBlanks(QStringView text, qsizetype at) {
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    return at;
}

// Reads an optional sign at `at`, moving past it; true for a minus.
bool readSign(QStringView text, qsizetype& at) {
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        return text[at++] == u'-';
    }
    return false;
}

// Adds one to a magnitude written in digits.
QString incremented(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return QChar(u'1') + digits;
}

} // namespace

QString flooredLeadingNumber(QStringView text) {
    qsizetype at = skipBlanks(text, 0);
    const bool negative = readSign(text, at);
    while (at < text.size() && text[at] == u'0') {
        ++at;
    }
    const qsizetype wholeStart = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    QString magnitude = text.sliced(wholeStart, at - wholeStart).toString();
    bool hasFraction = false;
    if (at < text.size() && text[at] == u'.') {
        for (++at; at < text.size() && isDigit(text[at]); ++at) {
            hasFraction = hasFraction || text[at] != u'0';
        }
    }
    // Rounding down moves a negative number with a fraction one further from zero.
    if (negative && hasFraction) {
        magnitude = incremented(magnitude);
    }
    if (magnitude.isEmpty()) {
        return QStringLiteral("0");
    }
    return negative ? QChar(u'-') + magnitude : magnitude;
}

std::optional<int> readWholeNumber(QStringView text) {
    qsizetype at = skipBlanks(text, 0);
    const bool negative = readSign(text, at);
    const qsizetype digitsStart = at;
    // Counting stops just beyond int's range, so the sum cannot overflow however long the text.
    constexpr std::int64_t beyondInt = std::int64_t{std::numeric_limits<int>::max()} + 2;
    std::int64_t magnitude = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        magnitude = std::min(beyondInt, magnitude * 10 + (text[at].unicode() - u'0'));
    }
    if (at == digitsStart || skipBlanks(text, at) != text.size()) {
        return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace kelvra
