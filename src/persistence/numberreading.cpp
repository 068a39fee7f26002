// SPDX-License-Identifier: MIT
#include "numberreading.h"

#include <QString>

namespace Velloquin {

bool isProfileBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimProfileBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isProfileBlank(text[begin]))
        ++begin;
    while (end > begin && isProfileBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A number found at the start of a text: its rounded magnitude (saturated far beyond any
// 64-bit range we check against), its sign, and how many characters it took.
struct Scanned
{
    qsizetype used = 0; // 0: no number at the start
    bool negative = false;
    bool overflow = false;
    qint64 magnitude = 0;
};

Scanned scanNumber(QStringView text)
{
    constexpr qint64 kLimit = qint64(1) << 62;
    Scanned s;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        s.negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qsizetype intDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        const int d = text[i].unicode() - '0';
        if (s.magnitude > (kLimit - d) / 10)
            s.overflow = true;
        else
            s.magnitude = s.magnitude * 10 + d;
        ++i;
        ++intDigits;
    }
    qsizetype fracDigits = 0;
    int firstFrac = 0;
    bool restNonZero = false;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        qsizetype j = i + 1;
        while (j < text.size() && isDigit(text[j])) {
            const int d = text[j].unicode() - '0';
            if (fracDigits == 0)
                firstFrac = d;
            else if (d != 0)
                restNonZero = true;
            ++fracDigits;
            ++j;
        }
        // "5." counts as 5; a lone "." is no number.
        if (intDigits > 0 || fracDigits > 0)
            i = j;
    }
    if (intDigits == 0 && fracDigits == 0)
        return Scanned{};
    s.used = i;
    // Round half to even.
    const bool up = firstFrac > 5 || (firstFrac == 5 && (restNonZero || (s.magnitude & 1)));
    if (up && !s.overflow)
        ++s.magnitude;
    return s;
}

std::optional<qint64> inRange(const Scanned &s, qint64 min, qint64 max)
{
    if (s.overflow)
        return std::nullopt;
    const qint64 value = s.negative ? -s.magnitude : s.magnitude;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<qint64> readStrictNumber(QStringView text, qint64 min, qint64 max)
{
    const QStringView t = trimProfileBlanks(text);
    const Scanned s = scanNumber(t);
    if (s.used == 0 || s.used != t.size())
        return std::nullopt;
    return inRange(s, min, max);
}

std::optional<qint64> readLenientNumber(QStringView text, qint64 min, qint64 max)
{
    const Scanned s = scanNumber(trimProfileBlanks(text));
    if (s.used == 0)
        return (0 < min || 0 > max) ? std::nullopt : std::optional<qint64>(0);
    return inRange(s, min, max);
}

qint64 readLenientNumberClamped(QStringView text, qint64 min, qint64 max)
{
    const Scanned s = scanNumber(trimProfileBlanks(text));
    if (s.used == 0)
        return qBound(min, qint64(0), max);
    if (s.overflow)
        return s.negative ? min : max;
    return qBound(min, s.negative ? -s.magnitude : s.magnitude, max);
}

} // namespace Velloquin
