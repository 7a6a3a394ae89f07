#pragma once
// The budget file a history row names in its hidden "arquivo" column. That text comes from the
// history file, which users edit by hand or bring from another machine, so it is trusted only
// when it is a budget file name ("ORC", digits, ".bvp"): anything else — a path, "..", a drive
// letter — is never opened, written or deleted. The name is matched in the projects folder
// without regard to letter case, as the files may have been copied from a system that ignores it.
#include <QString>

namespace belvane {

class HistoryTable;

struct HistoryRowFile {
    enum class State {
        Found,           // `path` is the existing budget file
        Missing,         // a proper name, but no such file in the projects folder
        NotABudgetName,  // the cell names no budget file; nothing may be done with it
    };
    State state = State::NotABudgetName;
    QString name;  // the text of the "arquivo" cell
    QString path;  // set when Found

    bool found() const { return state == State::Found; }
};

HistoryRowFile locateHistoryRowFile(const HistoryTable& table, int row, const QString& projectsDir);

// "A linha do orçamento nº <n> do histórico não indica um arquivo de orçamento ("<name>") ..."
QString notABudgetFileMessage(const HistoryTable& table, int row);

} // namespace belvane
