#include "exit_messages.h"

#include <QRandomGenerator>

#include <array>

namespace kelvra {

namespace {
const std::array<const char*, kExitMessageCount> kMessages{
    "Software like this can only be made and kept up with your support. The best way to support "
    "us is to visit our forum regularly and take part in its discussions and other activities.",
    "Please visit our forum regularly and take part. Without your regular visits we cannot "
    "support and maintain this software.",
    "Our forum is a free online discussion forum on esoteric subjects. Visiting it regularly "
    "helps us develop and maintain this software.",
    "Our forum needs your help! Visit it regularly and take part, so that we can make more "
    "software like this one.",
};
} // namespace

QString exitMessage(int number) {
    return QString::fromUtf8(kMessages.at(static_cast<std::size_t>(number)));
}

int drawExitMessageNumber(QRandomGenerator& random) {
    return static_cast<int>(random.bounded(kExitMessageCount));
}

} // namespace kelvra
