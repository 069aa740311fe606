// Cutting the text font down: glyphs keep outline and advance, damaged fonts are refused.
#include "render/truetype_subset.h"

#include <functional>

#include <QPainterPath>
#include <QRawFont>

#include <gtest/gtest.h>

#include "data/error.h"
#include "render/pdf_text_font.h"
#include "render/text_metrics.h"

namespace qv {
namespace {

constexpr int kFirstCode = 32;

std::array<uint16_t, 256> CodesFor(const PdfTextFont& font, std::u16string_view text)
{
    std::array<uint16_t, 256> glyphs{};
    for (size_t i = 0; i < text.size(); ++i) glyphs[kFirstCode + i] = font.GlyphOf(text[i]);
    return glyphs;
}

uint32_t WordSum(const std::string& file)
{
    uint32_t sum = 0;
    for (size_t at = 0; at < file.size(); at += 4) {
        uint32_t word = 0;
        for (size_t i = 0; i < 4; ++i)
            word = word << 8 | (at + i < file.size() ? uint8_t(file[at + i]) : 0u);
        sum += word;
    }
    return sum;
}

TEST(TrueTypeSubset, EveryCodeShowsItsGlyphWithOutlineAndAdvance)
{
    const PdfTextFont font;
    // "ä", "Ä", "ö", "ź" are built from parts in Liberation Sans; "中" is not in it.
    const std::u16string text = u"AWa\u00E4\u00C4\u00F6\u00DF\u20AC\u2020\u0141\u017A1( \u4E2D";
    const std::string file = SubsetTrueType(font.Tables(), CodesFor(font, text));
    EXPECT_LT(file.size(), 16000u);
    EXPECT_EQ(WordSum(file), 0xB1B0AFBAu);  // the head table's whole-file checksum

    QRawFont source = QRawFont::fromFont(MakeQFont(FontSpec{}));
    source.setPixelSize(100);
    QRawFont subset(QByteArray::fromStdString(file), 100, QFont::PreferNoHinting);
    ASSERT_TRUE(subset.isValid());
    for (size_t i = 0; i < text.size(); ++i) {
        SCOPED_TRACE(i);
        const quint32 original = font.GlyphOf(text[i]);
        const QList<quint32> cut = subset.glyphIndexesForString(QString(QChar(char16_t(kFirstCode + i))));
        ASSERT_EQ(cut.size(), 1);
        EXPECT_EQ(cut[0] == 0, original == 0);
        EXPECT_TRUE(subset.pathForGlyph(cut[0]) == source.pathForGlyph(original));
        const auto flags = QRawFont::UseDesignMetrics;
        EXPECT_EQ(subset.advancesForGlyphIndexes({cut[0]}, flags),
                  source.advancesForGlyphIndexes({original}, flags));
    }
}

TEST(TrueTypeSubset, MetricsComeFromTheFontsTables)
{
    const TrueTypeMetrics metrics = ReadTrueTypeMetrics(PdfTextFont().Tables());
    // Liberation Sans shares Arial's figures.
    EXPECT_EQ(metrics.unitsPerEm, 2048);
    EXPECT_EQ(metrics.ascent, 1854);
    EXPECT_EQ(metrics.descent, -434);
    EXPECT_EQ(metrics.capHeight, 1409);
    EXPECT_EQ(metrics.italicAngle, 0);
    EXPECT_LT(metrics.xMin, 0);
    EXPECT_GT(metrics.yMax, metrics.ascent - 100);
}

TEST(TrueTypeSubset, DamagedFontsAreRefusedWithTheTableNamed)
{
    const PdfTextFont font;
    const auto codes = CodesFor(font, u"Wilhelm \u00C4");
    struct Case {
        const char* message;
        std::function<void(TrueTypeTables&)> damage;
    } cases[] = {
        {"Der Schriftdatei für den PDF-Text fehlt die Tabelle \"glyf\".",
         [](TrueTypeTables& t) { t.erase("glyf"); }},
        {"Die Schriftdatei für den PDF-Text ist beschädigt (Tabelle \"loca\").",
         [](TrueTypeTables& t) { t["loca"].resize(40); }},
        {"Die Schriftdatei für den PDF-Text ist beschädigt (Tabelle \"glyf\").",
         [](TrueTypeTables& t) { t["glyf"].resize(100); }},
        {"Die Schriftdatei für den PDF-Text ist beschädigt (Tabelle \"hmtx\").",
         [](TrueTypeTables& t) { t["hmtx"].resize(8); }},
        {"Die Schriftdatei für den PDF-Text ist beschädigt (Tabelle \"maxp\").",
         [](TrueTypeTables& t) { t["maxp"].resize(3); }},
        {"Die Schriftdatei für den PDF-Text ist beschädigt (Tabelle \"loca\").",
         [](TrueTypeTables& t) { t["maxp"][4] = t["maxp"][5] = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TrueTypeTables tables = font.Tables();
        c.damage(tables);
        try {
            SubsetTrueType(tables, codes);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    TrueTypeTables noScale = font.Tables();
    noScale["head"][18] = noScale["head"][19] = 0;
    EXPECT_THROW(ReadTrueTypeMetrics(noScale), Error);
}

}  // namespace
}  // namespace qv
