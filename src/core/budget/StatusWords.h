#pragma once
// The words a budget's status is written with — in its file, in its history row and on screen.
// They are stored data: histories kept for years are read back by these exact words, so they are
// spelt here once.
#include <QStringView>

namespace belvane {

inline constexpr QStringView kStatusNew = u"Novo";            // started, never saved
inline constexpr QStringView kStatusWaiting = u"Aguardando";  // saved, waiting for the client
inline constexpr QStringView kStatusEdited = u"Editado";      // reopened from the history
inline constexpr QStringView kStatusApproved = u"Aprovado";
inline constexpr QStringView kStatusRejected = u"Reprovado";
inline constexpr QStringView kStatusDone = u"Concluído";

// The client decided: won ("Aprovado", "Concluído") or lost ("Reprovado"), in these exact words.
inline bool isDecidedStatus(QStringView status)
{
    return status == kStatusApproved || status == kStatusDone || status == kStatusRejected;
}

// Whether a budget counts as won: by its status, or, while it reads a status the client did not
// decide (a won budget revised and saved again reads "Editado" or "Aguardando"), by the last
// decision its status history recorded.
inline bool countsAsWon(QStringView status, bool lastDecisionWon)
{
    return status == kStatusApproved || status == kStatusDone || (!isDecidedStatus(status) && lastDecisionWon);
}

} // namespace belvane
