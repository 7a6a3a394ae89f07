#pragma once
// What reading a history file found. A file the program wrote itself reads without problems. A
// file from elsewhere may hold texts that do not convert, lines of more or fewer than 19 fields,
// no byte-order mark or an unfinished last line; each such finding is kept with its line number
// and a Portuguese sentence naming the file, while the rows themselves are all kept. A history
// read with problems must not be overwritten before a copy of the original is kept beside it
// (HistoryOriginalCopy.h), so that nothing the reader could not understand is lost.
#include <QList>
#include <QString>

namespace belvane {

struct HistoryFileProblem {
    int line = 0;     // 1 for the first line; 0 for the file as a whole
    QString message;  // full sentence naming the file (and the line)
};

struct HistoryReadResult {
    enum class State {
        Read,     // the file was read (perhaps with problems)
        Missing,  // no history yet: the normal first start
        Failed,   // the file exists but could not be read at all; `error` says why
    };
    State state = State::Read;
    QString path;
    QString error;
    QList<HistoryFileProblem> problems;

    bool ok() const { return state != State::Failed; }
    // The file departs from the format the program writes, or could not be read.
    bool damaged() const { return state == State::Failed || !problems.isEmpty(); }
    // The numbers of the lines that had problems, ascending, each once.
    QList<int> damagedLines() const;
    // One message for the user: the error of a failed read, or which lines were damaged and that
    // they were read as far as possible. Empty when there is nothing to tell.
    QString summary() const;
};

} // namespace belvane
