#pragma once
// Turning the bytes of a history file into text. The program writes UTF-16 little-endian after
// the mark FF FE, and such a file is taken as it is, unit by unit, so that any text the program
// once wrote comes back unchanged. A file without the mark is still read: as UTF-16
// little-endian when its bytes look like it (the high byte of most characters zero), otherwise as
// UTF-8 when it is valid UTF-8 (with or without its own mark, as spreadsheets save it), as
// UTF-16 big-endian after FE FF, else as Windows-1252. Every such guess is reported, as are an odd
// last byte and zero bytes padding the end (what a crash during a write can leave).
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QStringList>

namespace belvane {

struct DecodedHistoryText {
    // The text. For a file as the program writes it, on a little-endian machine, this is a view
    // of the bytes themselves (a large history is not copied); otherwise it views `decoded`.
    QStringView text;
    QString decoded;
    QStringList notes;  // sentences about the file as a whole, naming it
};

// The result may view `bytes`, which must outlive it.
DecodedHistoryText decodeHistoryText(const QByteArray& bytes, const QString& path);

} // namespace belvane
