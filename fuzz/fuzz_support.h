#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Stops the run on a broken property, so libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Takes a fuzzer's input apart: fixed-size numbers first, then texts split at zero bytes.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size) {}

    // The next sizeof(T) bytes as a T; missing bytes read as zero.
    template <typename T> T number() {
        T value{};
        const std::size_t count = std::min(sizeof(T), m_size - m_at);
        std::memcpy(&value, m_data + m_at, count);
        m_at += count;
        return value;
    }

    // The bytes up to the next zero byte (or the end), decoded as UTF-8.
    QString text() {
        const std::size_t start = m_at;
        while (m_at < m_size && m_data[m_at] != 0) {
            ++m_at;
        }
        const auto* begin = reinterpret_cast<const char*>(m_data + start);
        const QString decoded = QString::fromUtf8(begin, static_cast<qsizetype>(m_at - start));
        m_at += m_at < m_size ? 1 : 0;
        return decoded;
    }

    // Everything not taken yet, as raw UTF-16 code units (lone surrogates included).
    QString rawRest() {
        const std::size_t units = (m_size - m_at) / 2;
        QString raw(static_cast<qsizetype>(units), Qt::Uninitialized);
        std::memcpy(raw.data(), m_data + m_at, units * 2);
        m_at = m_size;
        return raw;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};
