#pragma once
// The state every page shares, owned by the main window and handed to each page by reference:
// the data folders, the office and budget in memory, the flags that decide what must be asked
// or saved, and the budget counter. Pages talk to each other only through this object and the
// calls the main window wires.
#include "core/budget/BudgetDraft.h"
#include "core/office/OfficeDraft.h"
#include "core/office/OfficeRecord.h"
#include "core/history/HistoryStore.h"
#include "core/settings/StatusColors.h"
#include "core/storage/DataFolders.h"

#include <memory>

namespace belvane {

struct AppState {
    DataFolders folders;
    TOfficeData CurrentOffice = zeroOffice();
    // The office's cost lists as the user edits them, and whether the office was changed.
    OfficeDraft officeDraft;

    // The budget being worked on, with whether it is modified or reopened.
    BudgetDraft budget;
    bool HighlightStatus = false;
    qint32 BudgetCounter = 0;

    // The history of saved budgets and its file; made once the data folders are known.
    std::unique_ptr<HistoryStore> history;
    // The status colours and chart look as last loaded or saved (Colors.bin).
    TStatusColors statusColors = zeroStatusColors();

    // Set when the office file on disk could not be read at start: the program runs on the
    // defaults and must not replace that file unless the user saves explicitly.
    QString unreadableOfficeFile;
};

} // namespace belvane
