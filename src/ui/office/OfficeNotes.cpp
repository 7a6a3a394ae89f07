#include "ui/office/OfficeNotes.h"

#include <QStringList>

namespace belvane {

QString staffNote()
{
    static const QStringList lines = {
        QString(),
        QStringLiteral("Nome:      Nome ou cargo do colaborador (deverão ser distintos)"),
        QString(),
        QStringLiteral("Função:   Função de cada colaborador. Ex.: Arquiteto, Designer,"),
        QStringLiteral("                Engenheiro, Secretário etc."),
        QString(),
        QStringLiteral("Tipo:        Técnico (Arquiteto, Designer, Engenheiro etc)        "),
        QStringLiteral("                Apoio   (Copeiro, Segurança, Secretário etc)"),
        QString(),
        QStringLiteral("Custos:     Custo mensal do colaborador (Salário + Encargos)"),
    };
    return lines.join(QLatin1Char('\n'));
}

QString officeStandardsNote()
{
    static const QStringList lines = {
        QStringLiteral("A+     Escritório renomado, com projetos de alta visibilidade no mercado"),
        QStringLiteral("          Corpo técnico completo e altamente experiente."),
        QString(),
        QStringLiteral("A       Escritório de alto padrão, com vários projetos simultâneos."),
        QStringLiteral("         Corpo técnico completo e experiente."),
        QString(),
        QStringLiteral("B       Escritório atuante no mercado e poucos projetos simultâneos."),
        QStringLiteral("         Corpo técnico experiente."),
        QString(),
        QStringLiteral("C      Escritório novo no mercado, com poucos projetos realizados."),
        QStringLiteral("        Corpo técnico em início de carreira."),
    };
    return lines.join(QLatin1Char('\n'));
}

QString manHoursNote()
{
    static const QStringList lines = {
        QStringLiteral("A tabela apresenta a demanda de H x h para realização das tarefas "),
        QStringLiteral("em função da categoria do projeto e da complexidade. Os "),
        QStringLiteral("valores podem ser alterados para representar melhor a realidade "),
        QStringLiteral("de cada escritório."),
        QString(),
        QStringLiteral("Categoria (1-2-3-4) é um índice obtido a partir do tipo de projeto. "),
        QString(),
        QStringLiteral("Complexidades :"),
        QString(),
        QStringLiteral("Baixa:"),
        QString(),
        QStringLiteral("- Projeto com poucos detalhes."),
        QStringLiteral("- Empenho menor que o esperado para o tamanho da obra."),
        QStringLiteral("- Prazo previsto poderá ser cumprido com alto grau de certeza."),
        QString(),
        QStringLiteral("Média:"),
        QString(),
        QStringLiteral("- Projeto razoavelmente detalhado."),
        QStringLiteral("- Empenho adequado ao tamanho da obra."),
        QStringLiteral("- Prazo justo, porém pode ser ajustado a cada entrega de etapa do "),
        QStringLiteral("  trabalho."),
        QString(),
        QStringLiteral("Alta:"),
        QString(),
        QStringLiteral("- Projeto com muitos detalhes."),
        QStringLiteral("- Empenho maior do que o normal para o porte da obra."),
        QStringLiteral("- Prazo previsto é uma estimativa que pode sofrer interferências "),
        QStringLiteral("  de terceiros, fora do seu controle."),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace belvane
