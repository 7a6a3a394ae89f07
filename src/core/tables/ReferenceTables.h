#pragma once
// The fixed vocabulary of the program: the professional classification of building types and
// architecture services, the stages (tasks) of a commission, the complexity indicators, the
// default expense rows of an office and the default man-hour demand of a task.
//
// These texts appear verbatim in selectors, grid rows, budget files and reports. Budget files
// store the selected texts rather than indices, so a text here must never be corrected or
// reworded: older files would then show an entry the selectors no longer offer. That is why a
// few long-standing spellings ("Tempos religiosos", "Condominio", "Servico Gráfico") stay as
// they are.
//
// Everything is constant data built at compile time; nothing is allocated at start-up.
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <array>

namespace belvane {

// The ten indicators whose ratings are averaged into the complexity factor.
inline constexpr std::array<QStringView, 10> ComplexityIndicatorNames = {
    u"Especialistas envolvidos no projeto",
    u"Aprovações",
    u"Empenho",
    u"Detalhamento",
    u"Intervenção do cliente",
    u"Responsabilidade Civil",
    u"Expectativa do cliente",
    u"Controle de custo",
    u"Definição de escopo",
    u"Definição do prazo",
};

// The design stages of a commission, one row each in the tasks grid.
inline constexpr std::array<QStringView, 12> TaskNames = {
    u"Levantamento de dados",
    u"Programa de necessidades",
    u"Estudo de viabilidade técnico-legal",
    u"Estudo preliminar",
    u"Projeto para execução",
    u"Orçamentação",
    u"Forma de apresentação",
    u"Coordenação projeto e compatibilização",
    u"Coordenação de equipe multidisciplinar",
    u"Assessoria para aprovação de projeto",
    u"Assistência à execução da obra",
    u"As built",
};

// A building use ("Categoria") groups building types ("Sub categoria"). Each type names its use
// by index into BuildingUseNames; the types of one use sit together, in the order offered.
inline constexpr std::array<QStringView, 7> BuildingUseNames = {
    u"Habitacional",
    u"Comércio e Serviços",
    u"Educação",
    u"Saúde",
    u"Esportes",
    u"Cultura e Lazer",
    u"Diversos",
};

inline constexpr std::array<QStringView, 49> BuildingTypeNames = {
    u"Projeto de habitação de interesse social",
    u"Edifícios de apartamentos, conjuntos habitacionais - padrão normal",
    u"Edifícios de apartamentos, conjuntos habitacionais - padrão alto",
    u"Residências - padrão baixo",
    u"Residências - padrão médio",
    u"Residências - padrão elevado",
    u"Albergues, pousadas, hotéis simples e motéis",
    u"Hotéis de luxo",
    u"Alojamentos, asilos, orfanatos, internatos, conventos e mosteiros",
    u"Quartéis",
    u"Presídios e penitenciárias",
    u"Armazéns e depósitos",
    u"Supermercados, hortomercados e pavilhões para realização de feiras e exposições",
    u"Lojas de departamentos, magazines, centros comerciais e shopping centers",
    u"Lojas, butiques, quiosques, stands e show-rooms",
    u"Edificações com desenho de ocupação (leiaute interno) fornecido",
    u"Edifícios de Escritórios e edifícios administrativos com andar de salas",
    u"Edifícios de escritórios e edifícios administrativos de andar corrido",
    u"Bancos, sede de empresas, instituições e Órgãos Públicos",
    u"Centro de processamento de dados",
    u"Creches, escolas primárias e secundárias",
    u"Escolas técnicas, especializadas, superiores e universidades",
    u"Ambulatórios e postos de Saúde",
    u"Clínicas e consultórios",
    u"Hospitais",
    u"Quadras cobertas e galpões para barcos",
    u"Clube, ginásio esportivos simples",
    u"Instalações Esportivas Descobertas",
    u"Piscinas Descobertas",
    u"Estádio e instalações esportivas especializadas",
    u"Restaurante, boates, casas de espetáculo, cinema e teatro simples",
    u"Planetários e teatros especializados",
    u"Galerias de arte, salas de exposição, arquivos, bibliotecas e museu simples",
    u"Arquivos, bibliotecas e museus especializados",
    u"Galpões para máquinas, armazéns, estábulos, aviários e instalações rurais simples",
    u"Galpões, oficinas e depósitos",
    u"Garagens simples",
    u"Outras áreas descobertas",
    u"Matadouros e instalações rurais especializadas",
    u"Edifícios-garagem, pedágios e postos de serviços",
    u"Fábricas e laboratórios simples",
    u"Tempos religiosos, capelas mortuários e cemitérios",
    u"Terminais e estações rodoviárias e ferroviárias",
    u"Projeto de Monumentos e pavilhões de exposições",
    u"Agências e centrais, telegráficas e telefônicas",
    u"Auditórios, salas de conferências e pavilhões para realização de congressos",
    u"Aeroportos",
    u"Estúdios e estações de gravação, rádio e televisão",
    u"Usinas, fábricas e laboratórios especializados",
};

inline constexpr std::array<quint8, 49> BuildingTypeUse = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 1, 1, 1, 1,
    2, 2,
    3, 3, 3,
    4, 4, 4, 4, 4,
    5, 5, 5, 5,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
};

// Project category 1..4 of each building type; it drives the man-hour estimate.
inline constexpr std::array<quint8, 49> BuildingTypeClass = {
    1, 2, 2, 2, 3, 4, 2, 4, 2, 3, 4,
    1, 2, 3, 4, 1, 3, 4, 4, 4,
    2, 4,
    2, 3, 4,
    1, 3, 2, 3, 4,
    4, 4, 4, 4,
    1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4,
};

// A service group ("Tipo") groups services ("Sub Tipo") the same way.
inline constexpr std::array<QStringView, 7> ServiceGroupNames = {
    u"Projeto",
    u"Arquitetura de interiores",
    u"Arquitetura paisagística",
    u"Urbanismo e desenho urbano",
    u"Patrimônio arquitetônico",
    u"Execução",
    u"Gestão",
};

inline constexpr std::array<QStringView, 44> ServiceNames = {
    u"Projeto Arquitetônico",
    u"Levantamento arquitetônico",
    u"Projeto arquitetônico de reforma",
    u"Projeto de edifício efêmero ou instalações efêmeras",
    u"Projeto de monumento",
    u"Projeto de adequação de acessibilidade",
    u"Desenho em perspectiva",
    u"Modelagem 3D",
    u"Recursos audiovisuais (filmes, animações e similares)",
    u"Maquetaria",
    u"Projeto de interiores",
    u"Projeto mobiliário",
    u"Projeto de adequação ergonômica",
    u"Projeto de luminotecnia",
    u"Projeto de condicionamento acústico",
    u"Projeto de sonorização",
    u"Projeto de ventilação, exaustão e climatização",
    u"Projeto de certificado ambiental",
    u"Levantamento Paisagístico",
    u"Prospecção e inventário paisagístico",
    u"Projeto de arquitetura paisagística",
    u"Projeto de recuperação paisagística",
    u"Plano de manejo e conservação paisagística",
    u"Levantamento cadastral",
    u"Inventário urbano",
    u"Projeto urbanístico",
    u"Projeto de parcelamento do solo mediante loteamento",
    u"Projeto de parcelamento do solo mediante desmembramento ou remembramento",
    u"Projeto de regularização fundiária",
    u"Projeto de sistema viário e acessibilidade",
    u"Projeto especializado de tráfego e trânsito de veículo e sistemas de estacionamento",
    u"Projeto de mobiliário urbano",
    u"Projeto gráfico urbanístico (imagens virtuais)",
    u"Preservação de edificações de interesse histórico-cultural",
    u"Preservação de sítios histórico-culturais",
    u"Preservação de jardins e parques históricos",
    u"Execução de Obras por Empreitada",
    u"Execução de Obras por Administração",
    u"Coordenação e compatibilização de projetos",
    u"Supervisão de obra ou serviço técnico",
    u"Direção ou condução de obra ou serviço técnico",
    u"Gerenciamento de obra ou serviço técnico",
    u"Acompanhamento de obra ou serviço técnico",
    u"Fiscalização de Obra ou Serviço Técnico",
};

inline constexpr std::array<quint8, 44> ServiceGroupOfService = {
    0, 0, 0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 1, 1, 1, 1,
    2, 2, 2, 2, 2,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    4, 4, 4,
    5, 5,
    6, 6, 6, 6, 6, 6,
};

// Default rows of the office's monthly fixed and variable expense lists.
inline constexpr std::array<QStringView, 11> FixedExpenseNames = {
    u"Água",
    u"Aluguel",
    u"Condominio",
    u"Contador",
    u"Energia elétrica",
    u"Gás",
    u"IPTU",
    u"Internet",
    u"Limpeza",
    u"Segurança",
    u"Telefone",
};

inline constexpr std::array<QStringView, 11> VariableExpenseNames = {
    u"Combustível",
    u"Computadores",
    u"Correio",
    u"Servico Gráfico",
    u"Manutenção",
    u"Marketing",
    u"Material escritório",
    u"Software",
    u"Transporte",
    u"Entregas",
    u"Cartório",
};

// Default man-hours ("H x h") one task demands, complexity-major: four values for "Baixa" by
// project category 1..4, then four for "Média", then four for "Alta".
inline constexpr std::array<quint8, 12> HxhDefaults = {
    2, 8, 10, 14,
    4, 10, 12, 18,
    8, 15, 18, 25,
};

// The items of a complexity rating; index 0 is the blank "not rated" item, so the index of a
// level equals its position in the selector.
inline constexpr QStringView kComplexityLevels[4] = {u"", u"Baixa", u"Média", u"Alta"};

// Man-hours of HxhDefaults for a project category 1..4 and a complexity level 1 (Baixa),
// 2 (Média) or 3 (Alta); 0 for anything outside those ranges.
int hxhDefault(int category, int level);

// Names of the building types of a use, in table order; empty for an unknown use.
QStringList buildingTypesOfUse(int useIndex);

// Names of the services of a service group, in table order; empty for an unknown group.
QStringList servicesOfGroup(int groupIndex);

// Project category 1..4 of the building type with exactly this name (case-sensitive, as the
// selector offers it); 0 when no type has this name.
int buildingTypeClassOf(QStringView typeName);

} // namespace belvane
