#pragma once
// History file bytes spelt by hand and read back, and a scratch projects folder for the history
// tests with the clock pinned to a known moment, so the names of the kept copies are known.
#include "core/history/HistoryReadResult.h"
#include "core/history/HistoryTable.h"
#include "support/TestFolder.h"

#include <QByteArray>
#include <QString>

namespace belvane::test {

// The history file bytes of a text: the mark FF FE, then the text in UTF-16 little-endian.
QByteArray historyBytes(const QString& text, bool withMark = true);

// The text of history file bytes that begin with the mark, the mark left out.
QString historyTextOf(const QByteArray& bytes);

// What the reader makes of history file bytes, read as the file at `path`.
struct HistoryRead {
    HistoryTable table;
    HistoryReadResult result;
};
HistoryRead readHistoryBytes(const QByteArray& bytes, const QString& path = QStringLiteral("Hist.bvh"));

class HistoryFolderTest : public TestFolder {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace belvane::test
