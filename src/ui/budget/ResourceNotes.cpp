#include "ui/budget/ResourceNotes.h"

#include <QStringList>

namespace belvane {
namespace {

struct IndicatorBlock {
    const char16_t* title;
    QStringList low, medium, high;   // a definition may run over a second line
};

// A definition that runs over a second line goes on indented, so it reads as part of its item.
QString joinDefinition(const char16_t* prefix, const QStringList& lines)
{
    const QString lead = QString::fromUtf16(prefix);
    QString text = lead + lines.value(0);
    for (int i = 1; i < lines.size(); ++i)
        text += QLatin1Char('\n') + QString(lead.size(), QLatin1Char(' ')) + lines[i];
    return text;
}

} // namespace

QString taskComplexityNote()
{
    return QStringList{
        u"COMPLEXIDADE DAS TAREFAS:"_qs, {}, u"BAIXA:"_qs, {},
        u"- Projeto com poucos detalhes."_qs,
        u"- Empenho menor que o esperado para o tamanho da obra."_qs,
        u"- Prazo previsto poderá ser cumprido com alto grau de certeza."_qs, {},
        u"MÉDIA:"_qs, {},
        u"- Projeto razoavelmente detalhado."_qs,
        u"- Empenho adequado ao tamanho da obra."_qs,
        u"- Prazo justo, porém pode ser ajustado a cada entrega de etapa do "_qs,
        u"  trabalho."_qs, {},
        u"ALTA:"_qs, {},
        u"- Projeto com muitos detalhes."_qs,
        u"- Empenho maior do que o normal para o porte da obra."_qs,
        u"- Prazo previsto é uma estimativa que pode sofrer interferências "_qs,
        u"  de terceiros, fora do seu controle."_qs,
    }.join(QLatin1Char('\n'));
}

QString complexityIndicatorNote()
{
    const IndicatorBlock blocks[] = {
        {u"ESPECIALISTAS ENVOLVIDOS NO PROJETO", {u"até 2 especialistas."_qs},
         {u"de 2 a 5 especialistas."_qs}, {u"mais que 5 especialistas."_qs}},
        {u"APROVAÇÕES", {u"uma aprovação."_qs}, {u"de duas a cinco aprovações."_qs},
         {u"mais de cinco aprovações."_qs}},
        {u"EMPENHO", {u"empenho menor que o esperado para o tamanho da obra."_qs},
         {u"empenho adequado ao tamanho da obra."_qs},
         {u"empenho maior do que o normal para o porte da obra."_qs}},
        {u"DETALHAMENTO", {u"quando os desenhos do objeto principal são suficientes."_qs},
         {u"quando o número de desenhos de detalhamento atingirem até 30%"_qs, u"dos principais."_qs},
         {u"quando o volume de desenhos de detalhamento for maior que 30%"_qs, u"dos principais."_qs}},
        {u"INTERVENÇÃO DO CLIENTE", {u"clientes que aprovam apenas o estudo preliminar."_qs},
         {u"clientes que verificam, comentam e aprovam as entregas de cada"_qs, u"do projeto"_qs},
         {u"clientes que acompanham diariamente o projeto, através de equipe "_qs,
          u"especializada de controle."_qs}},
        {u"RESPONSABILIDADE CIVIL", {u"quando apenas cliente e arquiteto estão envolvidos."_qs},
         {u"quando envolve os usuários, o cliente e o construtor."_qs},
         {u"quando atinge a sociedade, o entorno, o meio ambiente, entre outros."_qs}},
        {u"EXPECTATIVA DO CLIENTE",
         {u"quando não existem aspectos subjetivos que podem afetar o "_qs, u"desenvolvimento do projeto."_qs},
         {u"quando a expectativa é resolver a obra através da solução de"_qs, u"arquitetura."_qs},
         {u"quando existem muitos aspectos subjetivos que podem afetar o"_qs, u"desenvolvimento do projeto."_qs}},
        {u"CONTROLE DE CUSTO",
         {u"a estimativa de custo é feita apenas no estudo e no projeto executivo."_qs},
         {u"a estimativa de custo é feita em cada etapa do projeto."_qs},
         {u"os custos são verificados frequentemente em cada modificação de "_qs, u"projeto."_qs}},
        {u"DEFINIÇÃO DE ESCOPO",
         {u"a solicitação é clara e o cliente demonstra saber o que quer."_qs},
         {u"a solicitação é avaliada na etapa de estudo e comprovada na "_qs, u"nas entregas."_qs},
         {u"a solicitação necessita de vários estudos para ser entendida, podendo "_qs,
          u"ser reavaliada durante a evolução do projeto."_qs}},
        {u"DEFINIÇÃO DO PRAZO", {u"quando o prazo previsto poderá ser cumprido."_qs},
         {u"quando o prazo previsto será reavaliado e ajustado em cada etapa."_qs},
         {u"quando o prazo previsto poderá ajustado por motivos técnicos, legal "_qs,
          u"ou comercial, fora do controle do arquiteto."_qs}},
    };
    QStringList lines{u"DESCRIÇÃO DOS FATORES DE COMPLEXIDADE"_qs};
    int number = 1;
    for (const IndicatorBlock& block : blocks) {
        lines << QStringLiteral("%1. %2").arg(number++).arg(QString::fromUtf16(block.title)) << QString()
              << joinDefinition(u"- Baixa: ", block.low) << joinDefinition(u"- Média: ", block.medium)
              << joinDefinition(u"- Alta: ", block.high) << QString();
    }
    return lines.join(QLatin1Char('\n'));
}

QString technicalTeamNote()
{
    return QStringList{
        u"Anote na tabela a composição da equipe técnica deste projeto específico."_qs, {},
        u"Selecione os integrantes na coluna \"Nome\" (apenas a equipe técnica do escritório)."_qs,
        u"Informe a participação de cada integrante neste projeto (10% a 100%)."_qs, {},
        u"Se vários integrantes trabalham em tempo integral no projeto, informe 100% para cada um."_qs,
    }.join(QLatin1Char('\n'));
}

} // namespace belvane
