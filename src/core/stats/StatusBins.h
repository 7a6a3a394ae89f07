#pragma once
// The five status bars of a year's budgets and the rule of which budgets were won.
//
// A budget is counted in a bar by its status text: the four words the history's status editor
// offers ("Aprovado", "Aguardando", "Reprovado", "Concluído") are recognised without regard to
// letter case, while "Editado" — the mark of a reopened budget that was overwritten — only as
// that exact word; the exact test is made first. Any other text belongs to no bar.
//
// Only the exact words "Aprovado" and "Concluído" make a budget won, so a status typed in other
// letters is counted in its bar but its negotiated value is not summed.
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace belvane {

inline constexpr int kStatusBinCount = 5;
inline constexpr int kEditedBin = 4;

// The bar captions in bar order: the four editor words, then "Editado".
const QStringList& statusBinLabels();

// The bar a status text is counted in, 0..4; none when it matches no bar.
std::optional<int> statusBinOf(QStringView status);

// True for exactly "Aprovado" or "Concluído".
bool isWonStatus(QStringView status);

} // namespace belvane
