#include "core/history/HistoryTextDecoding.h"

#include "core/text/Windows1252.h"

#include <QDir>
#include <QStringDecoder>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>

namespace belvane {

namespace {

constexpr qsizetype kSampleBytes = 8192;

QString quotedPath(const QString& path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

QString unitsFrom(const char* data, qsizetype byteCount, bool bigEndian)
{
    const qsizetype units = byteCount / 2;
    QString text(units, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    if (bigEndian)
        qFromBigEndian<quint16>(data, units, out);
    else
        qFromLittleEndian<quint16>(data, units, out);
    return text;
}

// Latin text in UTF-16 little-endian has a zero high byte (at odd offsets) in most characters.
bool looksLikeUtf16Le(const QByteArray& bytes)
{
    if (bytes.size() < 2)
        return false;
    const qsizetype sample = std::min(bytes.size(), kSampleBytes);
    qsizetype zeroHigh = 0;
    qsizetype zeroLow = 0;
    for (qsizetype i = 0; i + 1 < sample; i += 2) {
        zeroLow += bytes[i] == 0 ? 1 : 0;
        zeroHigh += bytes[i + 1] == 0 ? 1 : 0;
    }
    return zeroHigh * 4 >= sample && zeroHigh > zeroLow;
}

bool decodeUtf8(const QByteArray& bytes, QString* text)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

void noteOddByte(const QByteArray& bytes, qsizetype start, const QString& path, QStringList& notes)
{
    if ((bytes.size() - start) % 2 == 0)
        return;
    notes.append(QStringLiteral("O arquivo %1 termina com um byte avulso, que foi deixado de lado.")
                     .arg(quotedPath(path)));
}

QString decodeWithoutMark(const QByteArray& bytes, const QString& path, QStringList& notes)
{
    const QString file = quotedPath(path);
    QString text;
    if (looksLikeUtf16Le(bytes)) {
        notes.append(QStringLiteral("O arquivo %1 não começa com a marca FF FE do texto UTF-16; "
                                    "foi lido como UTF-16 assim mesmo.").arg(file));
        noteOddByte(bytes, 0, path, notes);
        return unitsFrom(bytes.constData(), bytes.size(), false);
    }
    if (bytes.startsWith("\xFE\xFF")) {
        notes.append(QStringLiteral("O arquivo %1 está em UTF-16 big-endian, não como o programa "
                                    "o grava; foi lido assim mesmo.").arg(file));
        noteOddByte(bytes, 2, path, notes);
        return unitsFrom(bytes.constData() + 2, bytes.size() - 2, true);
    }
    if (decodeUtf8(bytes, &text)) {
        notes.append(QStringLiteral("O arquivo %1 não está em UTF-16, como o programa o grava; "
                                    "foi lido como texto UTF-8.").arg(file));
        return text;
    }
    notes.append(QStringLiteral("O arquivo %1 não está em UTF-16, como o programa o grava; "
                                "foi lido como texto Windows-1252.").arg(file));
    return fromWindows1252(bytes.constData(), static_cast<int>(bytes.size()));
}

// Counts the zero characters at the end of the text.
qsizetype zeroPadding(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() == 0)
        --end;
    return text.size() - end;
}

// The units after the mark, in place when the machine stores them the way the file does.
QStringView markedUnits(const QByteArray& bytes, QString& decoded)
{
    const char* data = bytes.constData() + 2;
    const qsizetype units = (bytes.size() - 2) / 2;
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian
        && reinterpret_cast<quintptr>(data) % alignof(char16_t) == 0)
        return QStringView(reinterpret_cast<const char16_t*>(data), units);
    decoded = unitsFrom(data, units * 2, false);
    return decoded;
}

} // namespace

DecodedHistoryText decodeHistoryText(const QByteArray& bytes, const QString& path)
{
    DecodedHistoryText decoded;
    if (bytes.isEmpty()) {
        decoded.notes.append(QStringLiteral("O arquivo %1 está vazio (0 bytes), sem nem a marca "
                                            "FF FE que o programa sempre grava.")
                                 .arg(quotedPath(path)));
        return decoded;
    }
    if (bytes.startsWith("\xFF\xFE")) {
        decoded.text = markedUnits(bytes, decoded.decoded);
        noteOddByte(bytes, 2, path, decoded.notes);
    } else {
        decoded.decoded = decodeWithoutMark(bytes, path, decoded.notes);
        decoded.text = decoded.decoded;
    }
    if (const qsizetype zeros = zeroPadding(decoded.text); zeros > 0) {
        decoded.notes.append(QStringLiteral("O arquivo %1 termina com %2 caracteres nulos, que "
                                            "foram deixados de lado.")
                                 .arg(quotedPath(path))
                                 .arg(zeros));
        decoded.text.chop(zeros);
    }
    return decoded;
}

} // namespace belvane
