#pragma once
// Budget file names come back from the history file, which the user can edit by hand or receive
// from another machine. Before such a name is joined to the projects folder to open, write or
// delete a file, it must be a budget file name and nothing else: "ORC", the budget number with at
// least six digits, ".bvp". Anything that could reach outside the folder ("../x", "a/b", "C:\x",
// an absolute path) fails this check.
#include <QStringView>

namespace belvane {

// Letter case of "ORC" and ".bvp" is ignored; the digits must be ASCII digits.
bool isBudgetFileName(QStringView name);

} // namespace belvane
