#include "core/settings/StatusCellLook.h"
#include "core/settings/StatusColors.h"
#include "core/settings/StatusColorsFile.h"
#include "core/storage/StorageFaults.h"

#include "support/Records.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>

#include <cstring>

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::defaultStatusColors;
using belvane::test::fileContents;
using belvane::test::TestFolder;
using belvane::test::writeFile;

namespace {

class StatusColorsFileTest : public TestFolder {
protected:
    QString path() const { return statusColorsPath(m_dir.path()); }
    void put(const QByteArray& bytes) const { writeFile(path(), bytes); }
    QByteArray contents() const { return fileContents(path()); }
};

} // namespace

TEST_F(StatusColorsFileTest, FirstStartUsesTheDefaultsAndSavesThemAsTwentyEightBytes)
{
    TStatusColors colors = zeroStatusColors();
    colors.Texto = 0x123456;
    const StatusColorsLoad load = LoadStatusColors(colors, path());
    EXPECT_EQ(load.state, StatusColorsLoad::State::Missing);
    EXPECT_TRUE(load.message.isEmpty());
    ASSERT_TRUE(SaveStatusColors(colors, path()).ok());
    EXPECT_EQ(contents(), QByteArray("\x00\x80\x00\x00"    // Aprovado: green
                                     "\xFF\x00\x00\x00"    // Aguardando: red
                                     "\x80\x80\x00\x00"    // Reprovado: olive
                                     "\x00\xC0\xC0\x00"    // Concluido: teal, not black
                                     "\x00\x00\x80\x00"    // Texto: navy
                                     "\xFF\xFF\xFF\x00"    // Spare: white
                                     "\x00\x00\x00\x00",   // chart settings and reserved byte
                                     28));
}

TEST_F(StatusColorsFileTest, FileIsReadAsItLiesAndWrittenBackUnchanged)
{
    QByteArray bytes(32, '\0');
    for (int i = 0; i < 28; ++i)
        bytes[i] = char(i * 9 + 1);
    bytes[25] = 7;  // a palette within range
    put(bytes);
    TStatusColors colors = zeroStatusColors();
    EXPECT_EQ(LoadStatusColors(colors, path()).state, StatusColorsLoad::State::Read);
    EXPECT_EQ(colors.Aprovado, 0x1C13'0A01u);
    EXPECT_EQ(colors.PaletteIndex, 7);
    ASSERT_TRUE(SaveStatusColors(colors, path()).ok());
    EXPECT_EQ(contents(), bytes.left(28));
}

TEST_F(StatusColorsFileTest, ShortFileGivesTheDefaultsAndAMessageNamingIt)
{
    put(QByteArray(27, '\x11'));
    TStatusColors colors = zeroStatusColors();
    const StatusColorsLoad load = LoadStatusColors(colors, path());
    EXPECT_EQ(load.state, StatusColorsLoad::State::Defaulted);
    EXPECT_TRUE(load.message.contains(QDir::toNativeSeparators(path()))) << load.message.toStdString();
    const TStatusColors expected = defaultStatusColors();
    EXPECT_EQ(std::memcmp(&colors, &expected, sizeof colors), 0);
}

TEST_F(StatusColorsFileTest, PaletteBeyondTheLastIsBroughtIntoRange)
{
    QByteArray bytes(28, '\0');
    bytes[25] = char(200);
    put(bytes);
    TStatusColors colors = zeroStatusColors();
    LoadStatusColors(colors, path());
    EXPECT_EQ(colors.PaletteIndex, kChartPaletteCount - 1);
}

TEST_F(StatusColorsFileTest, FailedSaveKeepsThePreviousFile)
{
    put(QByteArray(28, '\x22'));
    StorageFaults::inject(StorageFaults::Kind::FailWrite, u"Colors.bin"_qs);
    const IoResult saved = SaveStatusColors(defaultStatusColors(), path());
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error.contains(u"Colors.bin"_qs));
    EXPECT_EQ(contents(), QByteArray(28, '\x22'));
}

TEST(StatusColorsCellLookTest, PlainLookWhenHighlightingIsOff)
{
    for (const char16_t* status : {u"Aprovado", u"Concluído", u"qualquer", u""}) {
        const StatusCellLook look = statusCellLook(status, false, defaultStatusColors());
        EXPECT_EQ(look.cell, kPlainStatusCellColor);
        EXPECT_EQ(look.text, kPlainStatusTextColor);
    }
}

TEST(StatusColorsCellLookTest, HighlightedStatusesTakeTheirSwatches)
{
    TStatusColors swatches = defaultStatusColors();
    swatches.Texto = 0x00010203;
    swatches.Concluido = 0x00ABCDEF;
    const std::pair<const char16_t*, ColorRef> cases[] = {{u"Aprovado", swatches.Aprovado},
                                                         {u"Aguardando", swatches.Aguardando},
                                                         {u"Reprovado", swatches.Reprovado},
                                                         {u"Concluído", swatches.Concluido}};
    for (const auto& [status, cell] : cases) {
        const StatusCellLook look = statusCellLook(status, true, swatches);
        EXPECT_EQ(look.cell, cell);
        EXPECT_EQ(look.text, swatches.Texto);
    }

    const StatusCellLook edited = statusCellLook(u"Editado", true, swatches);
    EXPECT_EQ(edited.cell, kPlainStatusCellColor);
    EXPECT_EQ(edited.text, kPlainStatusTextColor);

    for (const char16_t* other : {u"aprovado", u"Novo", u"Concluido", u""}) {
        const StatusCellLook look = statusCellLook(other, true, swatches);
        EXPECT_FALSE(look.cell.has_value());
        EXPECT_EQ(look.text, swatches.Texto);
    }
}
