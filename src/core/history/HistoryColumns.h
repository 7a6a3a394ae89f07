#pragma once
// The nineteen columns of the history: one row per saved budget, addressed by column index from
// 0 ("Nº", the budget number and the row's key) to 18 ("k2"). Every column has a kind that decides
// what its cells hold and how they turn into text, a sort kind for header clicks, and whether the
// history page shows it. The headers are part of what the user sees and must stay as they are,
// trailing blank of "Negociado[R$] " included.
#include <QString>
#include <QStringList>

namespace belvane {

inline constexpr int kColNumber = 0;          // "Nº": budget number in decimal, the row's key
inline constexpr int kColEditedDate = 1;      // "Data Edição": date of the last save or write-back
inline constexpr int kColClient = 2;          // "Cliente"
inline constexpr int kColPhone = 3;           // "Tel", edited in the grid
inline constexpr int kColArea = 4;            // "Área[m2]", rounded to one decimal
inline constexpr int kColHxh = 5;             // "Hxh"
inline constexpr int kColService = 6;         // "SubTipo"
inline constexpr int kColBudgetValue = 7;     // "Calculado[R$]", text with two decimals
inline constexpr int kColValuePerM2 = 8;      // "R$/m2", text with two decimals
inline constexpr int kColNegotiated = 9;      // "Negociado[R$] ", edited in the grid
inline constexpr int kColStatus = 10;         // "Status", edited through a drop-down list
inline constexpr int kColSelected = 11;       // "Seleção": the search mark (hidden)
inline constexpr int kColFile = 12;           // "arquivo": the budget's file name (hidden)
inline constexpr int kColNotes = 13;          // "Obs": observations, may hold line breaks (hidden)
inline constexpr int kColModified = 14;       // "Modif.": to be written back at close (hidden)
inline constexpr int kColProjectCode = 15;    // "Código"
inline constexpr int kColEditedDateText = 16; // "DataEdicao": the edit date kept as text (hidden)
inline constexpr int kColK1 = 17;             // "K1" as text (hidden)
inline constexpr int kColK2 = 18;             // "k2" as text (hidden)
inline constexpr int kHistoryColumnCount = 19;

// What a cell holds: text for Text and DropDown, a double for Number, a day count (days since
// 30/12/1899) for Date, a Boolean for CheckBox.
enum class HistoryCellKind { Text, DropDown, Number, Date, CheckBox };

// How a header click orders the rows. Numeric reads the cell as a number even in text columns.
enum class HistorySortKind { Numeric, Date, Alphabetic, Boolean };

struct HistoryColumnInfo {
    const char16_t* header;
    const char* objectName;      // the grid column's name, for the page
    HistoryCellKind kind;
    HistorySortKind sortKind;
    bool shown;
    bool editable;               // the user edits it in the grid
    bool stretches;              // widens to fill the grid
    const char16_t* displayPattern;  // digit pattern the grid shows a number with; empty: its text
};

// The description of column `column` (0..18).
const HistoryColumnInfo& historyColumn(int column);
QString historyHeader(int column);
bool isValidHistoryColumn(int column);

// The statuses the user may choose in the "Status" column, in the order the list offers them.
QStringList historyStatusChoices();

} // namespace belvane
