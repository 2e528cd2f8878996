#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kelvra {

// The leading numeric value of a text (leading blanks, an optional sign, digits and an optional
// decimal fraction; a text without one reads as 0) rounded down to a whole number, written in
// digits with "-" before a negative one: "7.9" gives "7", "12abc" "12", "-2.5" "-3", "" "0".
// Numbers of any length are written in full.
QString flooredLeadingNumber(QStringView text);

// The value of a text that is a whole number and nothing else: optional blanks around an
// optional sign and digits. Nothing for any other text, or for a number beyond int.
std::optional<int> readWholeNumber(QStringView text);

} // namespace kelvra
