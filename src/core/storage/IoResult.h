#pragma once
// The outcome of reading or writing one of the program's data files. Success carries nothing; a
// failure carries the full sentence, in Portuguese and naming the file, that the user will read.
// The core never shows it: it hands it to the page that asked, which decides how to tell the user.
#include <QString>

#include <utility>

namespace belvane {

struct IoResult {
    QString error;  // empty on success; a full Portuguese sentence naming the file otherwise
    bool ok() const { return error.isEmpty(); }
    static IoResult success() { return {}; }
    static IoResult failure(QString message) { return {std::move(message)}; }
};

} // namespace belvane
