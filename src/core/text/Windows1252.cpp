#include "core/text/Windows1252.h"

#include <array>

namespace belvane {
namespace {

// Bytes 0x80..0x9F differ from Latin-1; the five undefined positions map to themselves so that
// any byte read from a file survives a read and a write unchanged.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeUnit(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString fromWindows1252(const char* bytes, int length)
{
    QString text(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const char16_t unit = (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : byte;
        text[i] = QChar(unit);
    }
    return text;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A character outside the Basic Multilingual Plane is one '?', not two.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(ch.isSurrogate() ? '?' : encodeUnit(ch.unicode()));
    }
    return bytes;
}

} // namespace belvane
