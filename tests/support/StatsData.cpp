#include "support/StatsData.h"

#include "support/Offices.h"
#include "support/Records.h"

namespace belvane::test {

HistoryStatRow statRow(const char* date, const char* value, const char* status)
{
    return HistoryStatRow::fromTexts(QString::fromUtf8(date), QString::fromUtf8(value), QString::fromUtf8(status));
}

TOfficeData statsOffice()
{
    TOfficeData office = defaultOffice();
    const struct { const char* name; float value; } fixed[] = {
        {"Aluguel", 4200.0f}, {"Condomínio", 850.0f}, {"Energia elétrica", 620.5f}, {"Internet e telefone", 310.0f},
        {"Contador", 900.0f}, {"Licenças de software", 1150.0f}, {"Seguro do escritório", 180.0f}};
    const struct { const char* name; float value; } variable[] = {
        {"Plotagens e cópias", 420.0f}, {"Deslocamentos", 380.0f}, {"Material de escritório", 150.0f},
        {"Taxas e RRT", 260.0f}};
    int slot = 0;
    for (const auto& e : fixed) {
        office.FixedExpenseName[slot].assign(QString::fromUtf8(e.name));
        office.FixedExpenseValue[slot++] = e.value;
    }
    slot = 0;
    for (const auto& e : variable) {
        office.VariableExpenseName[slot].assign(QString::fromUtf8(e.name));
        office.VariableExpenseValue[slot++] = e.value;
    }
    const struct { const char* name; const char* type; float cost; } staff[] = {
        {"Marina Costa", "Técnico", 9500.0f}, {"Paulo Reis", "Técnico", 7200.0f}, {"Lia Souza", "Técnico", 5400.0f},
        {"Carla Dias", "Apoio", 3100.0f}, {"João Lima", "Apoio", 2300.0f}};
    for (const auto& s : staff)
        setStaffMember(office, office.StaffCount++, QString::fromUtf8(s.name), QString::fromUtf8(s.type), s.cost);
    ComputeOfficeTotals(office);
    return office;
}

QList<HistoryStatRow> statsHistory()
{
    const struct { const char* date; const char* value; const char* status; } rows[] = {
        {"14/02/2024", "18500", "Concluído"}, {"03/05/2024", "0", "Reprovado"}, {"21/09/2024", "32000", "Concluído"},
        {"08/01/2025", "24800", "Aprovado"},  {"19/02/2025", "0", "Aguardando"}, {"27/02/2025", "15600", "Aprovado"},
        {"11/03/2025", "41200", "Concluído"}, {"02/04/2025", "0", "Reprovado"}, {"16/05/2025", "28900", "Aprovado"},
        {"30/06/2025", "0", "Aguardando"},   {"14/07/2025", "12300", "Editado"}, {"22/08/2025", "36750", "Concluído"},
        {"05/09/2025", "0", "Aguardando"},   {"18/10/2025", "19800", "Aprovado"}, {"29/11/2025", "0", "Reprovado"}};
    QList<HistoryStatRow> history;
    for (const auto& r : rows)
        history << statRow(r.date, r.value, r.status);
    return history;
}

} // namespace belvane::test
