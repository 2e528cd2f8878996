#pragma once

#include <QString>

class QRandomGenerator;

namespace kelvra {

// How many support messages the exit screen rotates through.
inline constexpr int kExitMessageCount = 4;

// The support message with this number (0 to kExitMessageCount - 1).
QString exitMessage(int number);

// Draws a message number, each equally likely.
int drawExitMessageNumber(QRandomGenerator& random);

} // namespace kelvra
