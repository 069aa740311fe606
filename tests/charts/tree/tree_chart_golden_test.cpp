// The example family's tree chart in every file format, byte for byte: the SHA-256 of each
// file is kept here, so that a change to the drawing cannot alter a chart unnoticed. When a
// change is meant to alter the charts, look at the new files (QV_GOLDEN_DIR keeps them) and
// take the new hashes from the failure messages.
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include "app/settings_keys.h"
#include "calc/calc_class.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart_file.h"
#include "data/example_family.h"
#include "render/pdf_tools.h"

namespace qv {
namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// Names, Kekule numbers (long lists as footnotes), generation captions and shaded bands.
const Settings kLabels = {
    {"AT_LABEL", "3"},
    {"AT_LABEL_CUSTOM_TEXT", "<NName>"},
    {"AT_LABEL_CUSTOM_TEXT", "<VName>"},
    {"AT_LABEL_CUSTOM_TEXT", "<Kekule>"},
    {"AT_FOOTNOTE_THRESHOLD", "2"},
    {"AT_LABEL_GEN", "1"},
    {"AT_LABEL_GEN_CUSTOM_TEXT", "k = <k>"},
    {"AT_BACKGROUND_COLORED", "1"},
};

struct GoldenChart {
    const char* name;
    Settings settings;  // after kLabels where labels is set
    bool labels;
    // SHA-256 of the .png, .bmp, .svg, .pdf and .html file.
    std::array<const char*, 5> hashes;
};

const char* const kFormats[] = {"png", "bmp", "svg", "pdf", "html"};

const GoldenChart kCharts[] = {
    {"selected persons, bottom to top",
     {{"AT_TREE_TYPE", "2"}, {"AT_ALIGNMENT", "1"}},
     true,
     {"26556d2b048173b1b657d1dbe10609756794383d11b9c79ab3d19afcaa014930",
      "bad1e649d27133fa6597b45b209e4580ff616fe549b9d2f543999c1d8f0df6b2",
      "f79024f1e58caea7e7bd45bedec126aa7d99db3bcd1067a97ec181bcf876d66c",
      "7d1bdd4afa23f8994e824a10b3cebec3c596d4cf7f761a4bda568cbeeefb41dc",
      "6251a4049cc473a20762c0140433231ecd460133920e000bc3a9ca8de9cef20a"}},
    {"smoothed, halo and highlight, left to right",
     {{"AT_TREE_TYPE", "1"},
      {"AT_ALIGNMENT", "2"},
      {"AT_ANTIALIASING", "1"},
      {"FONT_STAY_ON_TOP", "1"},
      {"FONT_HIGHLIGHT", "1"}},
     true,
     {"73c740f535b333cfa1cfc572f141abee93a58f12643500ad998a047c920a892d",
      "2ee44b31fc543f04c51d992e5a426c5ed778e2d9cd09473eea3203fee882fbaa",
      "b961a883bedc370907ce659aa6889dafe941aedad6870573afa8dc6a88ee8718",
      "40f67d3295581d89aa149407eb643283a304965506754e8f5d78e821bf0d8cda",
      "c5aa16434f85426b3b08f44c52a7865fd0a3ad98a1fc9fe4ee1356ad3dc2c605"}},
    {"plain symbols, small text and comments, right to left",
     {{"AT_ALIGNMENT", "3"},
      {"NODE_COLOR", "0"},
      {"NODE_FILL", "0"},
      {"AT_LABEL", "3"},
      {"AT_LABEL_CUSTOM_TEXT", "<NName> \x0E<Kekule>\x0F"},
      {"AT_LABEL_CUSTOM_TEXT", "<VName>"},
      {"FONT_STAY_ON_TOP", "1"},
      {"FONT_HIGHLIGHT", "1"},
      {"AT_COMMENT_HEADLINE", "1"},
      {"AT_COMMENT_HEADER", "1"},
      {"AT_COMMENT_FOOTER", "1"},
      {"COMMENT_HEADER_TEXT", "<p>Kopf mit <b>HTML</b></p>"},
      {"COMMENT_FOOTER_TEXT", "<p>Fu\xC3\x9F</p>"},
      {"NODE_RADIUS", "8"},
      {"FONT_SIZE", "12"},
      {"AT_LABEL_GEN", "1"},
      {"AT_LABEL_GEN_CUSTOM_TEXT", "Gen <k>"},
      {"AT_LABEL_GEN_CUSTOM_TEXT", "zweite Zeile"}},
     false,
     {"aa4b3466837e97d4af705bded0390ee922387f3e313cd8e74be2908bd3f6da02",
      "0f21d6c47b0ab7a8d928d21dcf35c4efc48c425306fe8000f7c0cc59481aecf0",
      "2e6f254ef5a11073eb73386d43846670229630ea8f16f30ef55896a696d01149",
      "e44112030b315329ed5d9fa9627bfe9f3fa01010e6a03f4a9c177ade6104ec5e",
      "b68297fe325dff7728e844060e85972c91c602891e2486832cb0f22ed754a10d"}},
    {"collateral relatives, top to bottom",
     {{"AT_ALIGNMENT", "0"},
      {"AT_TREE_TYPE", "0"},
      {"AT_TREE_TYPE_0_KINDRED", "1"},
      {"AT_ANTIALIASING", "1"},
      {"FONT_STAY_ON_TOP", "1"},
      {"NODE_FILL", "0"}},
     true,
     {"41a1e0dba3f3c8478da265ce0f061c2dad9ae736f8eac341a46045ac114b3889",
      "b4d9c5dc409ba36209cfbf0694141ff4dc10cc1add4193ba64cc1aa393019bef",
      "77fd739650cf3989eb3dbe2777373f309774754c4605667259aa4a1e664ea648",
      "f5ee2553844cd8d615c43b12df541a56c58388d36fdf6a1f4bfe18954c6cde4b",
      "ec3736a7efb1358c46f6e0222fc43938f8a7fd91eef7c2b9909d0647d840b4af"}},
};

// A list setting given several times holds every value, in order.
TImageSettings SettingsOf(const GoldenChart& chart)
{
    TImageSettings settings;
    Settings values = chart.labels ? kLabels : Settings{};
    values.insert(values.end(), chart.settings.begin(), chart.settings.end());
    std::set<std::string> lists;
    for (const auto& [key, value] : values) {
        const SettingKey* known = FindSettingKey(key);
        EXPECT_TRUE(known) << key;
        const bool list = known->type == SettingType::TextList;
        if (list && lists.insert(key).second)
            std::get<TArrayOfString*>(known->field(settings))->clear();
        EXPECT_EQ(ApplySetting(settings, key, value), SettingResult::Applied) << key;
    }
    settings.ProbandIndex = 18;
    for (int64_t p : {30, 6, 0}) settings.SetSelected(p, true);
    return settings;
}

std::string Sha256(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

TEST(TreeChartGolden, ExampleFamilyInEveryFormatIsUnchanged)
{
    const TAhnenData data = LoadExampleFamily(".");
    test::ScratchDirectory scratch("qv-golden");
    const char* keep = std::getenv("QV_GOLDEN_DIR");
    const std::string dir = keep ? keep : scratch.File("");
    std::filesystem::create_directories(dir);
    for (size_t c = 0; c < std::size(kCharts); ++c) {
        SCOPED_TRACE(kCharts[c].name);
        const TImageSettings settings = SettingsOf(kCharts[c]);
        TCalcClass calc(data);
        const TreeChartTexts texts = TemplateTexts(calc, settings);
        for (size_t f = 0; f < std::size(kFormats); ++f) {
            const std::string file = dir + "/golden-" + std::to_string(c) + "." + kFormats[f];
            ASSERT_TRUE(WriteTreeChart(data, settings, texts, file, "Quilvane 0.1.0.0 by Veldrin"));
            EXPECT_EQ(Sha256(file), kCharts[c].hashes[f]) << file;
        }
    }
}

}  // namespace
}  // namespace qv
