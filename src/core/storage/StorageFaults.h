#pragma once
// A switchboard for tests to make the storage layer fail on purpose: the next write, replace or
// deletion of a chosen data file reports a failure as a real disk would. With it a test proves
// that no save path of the program damages the file it was about to replace, and that every
// failure reaches the user as a message. Nothing is armed unless a test arms it.
#include <QString>

namespace belvane {

class StorageFaults {
public:
    enum class Kind {
        FailWrite,   // the write stops midway, after part of the data reached the temporary file
        FailCommit,  // all data is written, but replacing the previous file fails
        FailRemove,  // deleting the file fails
    };

    // Arms `count` failures of `kind` for the file named `fileName` (letter case ignored, folder
    // not considered), or for any file when the name is empty.
    static void inject(Kind kind, const QString& fileName = {}, int count = 1);
    static void clear();
    // Called by the storage layer just before the operation: true when an armed failure matches
    // the file at `path`, using up one of its count.
    static bool consume(Kind kind, const QString& path);
};

} // namespace belvane
