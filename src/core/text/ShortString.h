#pragma once
// A length-prefixed single-byte string of fixed capacity N, laid out exactly as it lies in the
// data files: one length byte, then N Windows-1252 bytes of which only the first `length` count.
// The bytes after the length are kept untouched so that a record read and written back
// reproduces its file byte for byte.
#include "core/text/Windows1252.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace belvane {

template <int N>
struct ShortString {
    static_assert(N > 0 && N < 256);
    std::uint8_t length;
    char chars[N];

    // A length byte above the capacity (a damaged file) is read as the full capacity.
    int size() const { return std::min<int>(length, N); }
    bool isEmpty() const { return length == 0; }
    QString toQString() const { return fromWindows1252(chars, size()); }
    QByteArray bytes() const { return QByteArray(chars, size()); }

    // Stores text converted to Windows-1252 and cut to the capacity.
    void assign(QStringView text) { assignBytes(toWindows1252(text)); }
    void assignBytes(const QByteArray& bytes)
    {
        const int n = std::min<int>(static_cast<int>(bytes.size()), N);
        std::memcpy(chars, bytes.constData(), static_cast<std::size_t>(n));
        length = static_cast<std::uint8_t>(n);
    }
    // Empties the string the way the record defaults do: only the length byte changes.
    void clear() { length = 0; }
    bool equals(const char* latin) const
    {
        const auto n = std::strlen(latin);
        return n == static_cast<std::size_t>(size()) && std::memcmp(chars, latin, n) == 0;
    }
};

} // namespace belvane
