#pragma once
// The file Colors.bin in the office folder: one TStatusColors record, 28 bytes. It is read once
// at start and written at the close and when the user confirms the colour panel. A missing file
// is the normal first start; a damaged one must not stop the program, so it gives the defaults
// and a message, and the next save writes a sound file in its place.
#include "core/settings/StatusColors.h"
#include "core/storage/IoResult.h"

#include <QString>

namespace belvane {

inline constexpr char16_t kStatusColorsFileName[] = u"Colors.bin";

// The colours file of the office folder: an existing "Colors.bin" in any letter case, else the
// folder + "Colors.bin".
QString statusColorsPath(const QString& officeDir);

struct StatusColorsLoad {
    enum class State {
        Read,       // the file's record is in use
        Missing,    // no file: the defaults are in use
        Defaulted,  // the file could not be used: the defaults are in use, `message` says why
    };
    State state = State::Missing;
    QString message;
};

// Fills `colors` from the file, or with the defaults (over an all-zero record) when the file is
// missing, shorter than 28 bytes or unreadable. A file longer than 28 bytes is read for its first
// 28. A palette number beyond the last palette is taken as the last one.
StatusColorsLoad LoadStatusColors(TStatusColors& colors, const QString& path);

// Replaces the file crash-safely with the 28 bytes of the record.
IoResult SaveStatusColors(const TStatusColors& colors, const QString& path);

} // namespace belvane
