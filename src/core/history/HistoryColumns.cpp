#include "core/history/HistoryColumns.h"

#include "core/budget/StatusWords.h"

#include <array>

namespace belvane {

namespace {

using Kind = HistoryCellKind;
using Sort = HistorySortKind;

constexpr std::array<HistoryColumnInfo, kHistoryColumnCount> kColumns{{
    {u"Nº", "NxTextColumn15", Kind::Text, Sort::Numeric, true, false, false, u""},
    {u"Data Edição", "NxTextColumn12", Kind::Date, Sort::Date, true, false, false, u""},
    {u"Cliente", "NxTextColumn11", Kind::Text, Sort::Alphabetic, true, false, false, u""},
    {u"Tel", "NxTextColumn26", Kind::Text, Sort::Alphabetic, true, true, false, u""},
    {u"Área[m2]", "NxTextColumn13", Kind::Number, Sort::Numeric, true, false, false, u""},
    {u"Hxh", "NxTextColumn7", Kind::Text, Sort::Numeric, true, false, false, u""},
    {u"SubTipo", "NxTextColumn6", Kind::Text, Sort::Alphabetic, true, false, true, u""},
    {u"Calculado[R$]", "NxTimeColumn1", Kind::Text, Sort::Numeric, true, false, false, u""},
    {u"R$/m2", "NxTextColumn28", Kind::Text, Sort::Numeric, true, false, false, u""},
    {u"Negociado[R$] ", "NxTextColumn5", Kind::Number, Sort::Numeric, true, true, false, u"0.00"},
    {u"Status", "NxComboBoxColumn3", Kind::DropDown, Sort::Alphabetic, true, true, false, u""},
    {u"Seleção", "NxCheckBoxColumn1", Kind::CheckBox, Sort::Boolean, false, false, false, u""},
    {u"arquivo", "NxTextColumn29", Kind::Text, Sort::Alphabetic, false, false, false, u""},
    {u"Obs", "NxTextColumn8", Kind::Text, Sort::Alphabetic, false, false, false, u""},
    {u"Modif.", "NxCheckBoxColumn2", Kind::CheckBox, Sort::Boolean, false, false, false, u""},
    {u"Código", "NxTextColumn9", Kind::Text, Sort::Alphabetic, true, true, false, u""},
    {u"DataEdicao", "NxTextColumn32", Kind::Text, Sort::Alphabetic, false, false, false, u""},
    {u"K1", "NxTextColumn33", Kind::Text, Sort::Numeric, false, false, false, u""},
    {u"k2", "NxTextColumn34", Kind::Text, Sort::Numeric, false, false, false, u""},
}};

} // namespace

bool isValidHistoryColumn(int column)
{
    return column >= 0 && column < kHistoryColumnCount;
}

const HistoryColumnInfo& historyColumn(int column)
{
    Q_ASSERT(isValidHistoryColumn(column));
    return kColumns[static_cast<std::size_t>(column)];
}

QString historyHeader(int column)
{
    return QString::fromUtf16(historyColumn(column).header);
}

QStringList historyStatusChoices()
{
    return {kStatusApproved.toString(), kStatusWaiting.toString(), kStatusRejected.toString(),
            kStatusDone.toString()};
}

} // namespace belvane
