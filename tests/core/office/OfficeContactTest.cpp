#include "core/office/OfficeContact.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

QMap<QString, QString> withValidity(const QString& days)
{
    return {{QStringLiteral("proposta.validade_dias"), days}};
}

} // namespace

TEST(OfficeContactTest, KeptUnderItsSettingNamesAndAValidityNoProposalCouldHaveIsAMonth)
{
    // The setting names are stored in the database of every office: a renamed one loses what
    // the offices typed.
    const OfficeContact typed{u"Rua das Flores, 12"_qs, u"(11) 3333-4444"_qs, u"obra@belvane.com.br"_qs,
                              u"A12345-6"_qs, 45};
    const QMap<QString, QString> settings = typed.toSettings();
    EXPECT_EQ(settings.keys(), (QStringList{u"contato.cau"_qs, u"contato.email"_qs, u"contato.endereco"_qs,
                                            u"contato.telefone"_qs, u"proposta.validade_dias"_qs}));
    EXPECT_EQ(settings.value(u"proposta.validade_dias"_qs), u"45"_qs);
    EXPECT_EQ(OfficeContact::fromSettings(settings), typed);

    // An office that never saved a contact: no texts, and proposals hold for the usual month.
    const OfficeContact none = OfficeContact::fromSettings({});
    EXPECT_EQ(none, OfficeContact{});
    EXPECT_EQ(none.validityDays, 30);

    // From one day to a year; anything else is the month.
    EXPECT_EQ(OfficeContact::fromSettings(withValidity(u"1"_qs)).validityDays, 1);
    EXPECT_EQ(OfficeContact::fromSettings(withValidity(u"365"_qs)).validityDays, 365);
    for (const QString& refused : {u"0"_qs, u"-10"_qs, u"366"_qs, u"quinze"_qs, u""_qs, u"12.5"_qs})
        EXPECT_EQ(OfficeContact::fromSettings(withValidity(refused)).validityDays, 30) << refused.toStdString();
}
