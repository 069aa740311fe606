// The key table of config.ini and the rules for applying one value.
#include "app/settings_keys.h"

#include <charconv>
#include <limits>

namespace qv {
namespace {

using S = TImageSettings;
using F = SettingField;
constexpr SettingType kB = SettingType::Boolean;
constexpr SettingType kN = SettingType::Number;
constexpr SettingType kI = SettingType::Integer;
constexpr SettingType kT = SettingType::TextList;
constexpr SettingType kP = SettingType::Path;

F NoField(S&)
{
    return std::monostate{};
}

// A decimal integer with an optional sign and nothing else.
bool ParseInteger(std::string_view text, int64_t& value)
{
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return false;
    }
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

template <typename Number>
bool StoreNumber(Number* field, int64_t value, int64_t min, int64_t max)
{
    if (value < min || value > max) return false;
    *field = static_cast<Number>(value);
    return true;
}

bool ApplyToField(const SettingField& field, std::string_view value)
{
    if (auto* flag = std::get_if<bool*>(&field)) {
        **flag = value == "1";
        return true;
    }
    if (auto* text = std::get_if<std::string*>(&field)) {
        **text = std::string(value);
        return true;
    }
    if (auto* list = std::get_if<TArrayOfString*>(&field)) {
        (*list)->emplace_back(value);
        return true;
    }
    int64_t number = 0;
    if (!ParseInteger(value, number)) return false;
    constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();
    if (auto* byte = std::get_if<uint8_t*>(&field)) return StoreNumber(*byte, number, 0, 255);
    if (auto* natural = std::get_if<uint32_t*>(&field))
        return StoreNumber(*natural, number, 0, kIntMax);
    if (auto* integer = std::get_if<int32_t*>(&field))
        return StoreNumber(*integer, number, std::numeric_limits<int32_t>::min(), kIntMax);
    return false;
}

template <typename Column>
bool ResizeColumns(std::vector<Column>& columns, std::string_view value)
{
    int64_t count = 0;
    if (!ParseInteger(value, count) || count < 0 || count > kMaxTableColumns) return false;
    columns.resize(static_cast<size_t>(count));
    return true;
}

}  // namespace

const std::vector<SettingKey>& SettingKeys()
{
    static const std::vector<SettingKey> keys = {
        {"AT_LABEL_CUSTOM_TEXT", kT, [](S& s) -> F { return &s.Tree.LabelCustomText; }},
        {"AT_LABEL_CUSTOM_TEXT_EXT", kT, [](S& s) -> F { return &s.Tree.LabelCustomTextExt; }},
        {"AT_LABEL_GEN_CUSTOM_TEXT", kT, [](S& s) -> F { return &s.Tree.LabelGenCustomText; }},
        {"AT_ALIGNMENT", kN, [](S& s) -> F { return &s.Tree.Alignment; }},
        {"AT_ANTIALIASING", kB, [](S& s) -> F { return &s.Tree.Antialiasing; }},
        {"AT_LABEL", kN, [](S& s) -> F { return &s.Tree.Label; }},
        {"AT_LABEL_EXT", kB, [](S& s) -> F { return &s.Tree.LabelExt; }},
        {"AT_FOOTNOTE_THRESHOLD", kI, [](S& s) -> F { return &s.Tree.FootnoteThreshold; }},
        {"AT_BACKGROUND_COLORED", kB, [](S& s) -> F { return &s.Tree.BackgroundColored; }},
        {"AT_LABEL_GEN", kN, [](S& s) -> F { return &s.Tree.LabelGen; }},
        {"AT_SORTING", kN, [](S& s) -> F { return &s.Tree.Sorting; }},
        {"AT_TREE_MAX_GEN", kN, [](S& s) -> F { return &s.Tree.TreeMaxGen; }},
        {"AT_TREE_MAX_GEN_DESCENDANT", kN, [](S& s) -> F { return &s.Tree.TreeMaxGenDescendant; }},
        {"AT_TREE_TYPE", kN, [](S& s) -> F { return &s.Tree.TreeType; }},
        {"AT_TREE_TYPE_1_MIN", kB, [](S& s) -> F { return &s.Tree.TreeType1Min; }},
        {"AT_TREE_TYPE_0_KINDRED", kB, [](S& s) -> F { return &s.Tree.TreeType0Kindred; }},
        {"AT_COMMENT_HEADER", kB, [](S& s) -> F { return &s.Tree.CommentHeader; }},
        {"AT_COMMENT_FOOTER", kB, [](S& s) -> F { return &s.Tree.CommentFooter; }},
        {"AT_COMMENT_HEADLINE", kB, [](S& s) -> F { return &s.Tree.CommentHeadline; }},
        {"AT_LABELS_SURNAME_CAPS", kB, [](S& s) -> F { return &s.Tree.LabelsSurnameCaps; }},
        {"AT_LABELS_QUESTION_MARK", kB, [](S& s) -> F { return &s.Tree.LabelsQuestionMark; }},
        {"DD_LABEL_CUSTOM_TEXT", kT, [](S& s) -> F { return &s.Triangle.LabelCustomText; }},
        {"DD_ALIGNMENT", kN, [](S& s) -> F { return &s.Triangle.Alignment; }},
        {"DD_ANTIALIASING", kB, [](S& s) -> F { return &s.Triangle.Antialiasing; }},
        {"DD_LABEL", kN, [](S& s) -> F { return &s.Triangle.Label; }},
        {"DD_TREE_MAX_GEN", kN, [](S& s) -> F { return &s.Triangle.TreeMaxGen; }},
        {"DD_TREE_MAX_GEN_DESCENDANT", kN,
         [](S& s) -> F { return &s.Triangle.TreeMaxGenDescendant; }},
        {"DD_TREE_TYPE", kN, [](S& s) -> F { return &s.Triangle.TreeType; }},
        {"DD_COMMENT_HEADER", kB, [](S& s) -> F { return &s.Triangle.CommentHeader; }},
        {"DD_COMMENT_FOOTER", kB, [](S& s) -> F { return &s.Triangle.CommentFooter; }},
        {"DD_COMMENT_HEADLINE", kB, [](S& s) -> F { return &s.Triangle.CommentHeadline; }},
        {"DD_LABELS_SURNAME_CAPS", kB, [](S& s) -> F { return &s.Triangle.LabelsSurnameCaps; }},
        {"DD_LABELS_QUESTION_MARK", kB, [](S& s) -> F { return &s.Triangle.LabelsQuestionMark; }},
        {"KT_ANTIALIASING", kB, [](S& s) -> F { return &s.Circle.Antialiasing; }},
        {"KT_BACKGROUND_COLORED", kB, [](S& s) -> F { return &s.Circle.BackgroundColored; }},
        {"KT_TREE_MAX_GEN", kN, [](S& s) -> F { return &s.Circle.TreeMaxGen; }},
        {"KT_COMMENT_HEADER", kB, [](S& s) -> F { return &s.Circle.CommentHeader; }},
        {"KT_COMMENT_FOOTER", kB, [](S& s) -> F { return &s.Circle.CommentFooter; }},
        {"KT_COMMENT_HEADLINE", kB, [](S& s) -> F { return &s.Circle.CommentHeadline; }},
        {"KT_HIGHLIGHT_DOUBLE", kB, [](S& s) -> F { return &s.Circle.HighlightDouble; }},
        {"KT_SHAPE", kN, [](S& s) -> F { return &s.Circle.Shape; }},
        {"KT_KEKULE", kB, [](S& s) -> F { return &s.Circle.Kekule; }},
        {"KT_GENERATIONS", kB, [](S& s) -> F { return &s.Circle.Generations; }},
        {"KT_LABELS_SURNAME_CAPS", kB, [](S& s) -> F { return &s.Circle.LabelsSurnameCaps; }},
        {"KT_NODE_HEIGHT", kI, [](S& s) -> F { return &s.Circle.NodeHeight; }},
        {"DG_VALUE", kI, [](S& s) -> F { return &s.FrequencyValue; }},
        {"NODE_RADIUS", kN, [](S& s) -> F { return &s.Symbol.Radius; }},
        {"NODE_COLOR", kB, [](S& s) -> F { return &s.Symbol.Colored; }},
        {"NODE_FILL", kB, [](S& s) -> F { return &s.Symbol.Filled; }},
        {"NODE_WIDTH", kI, [](S& s) -> F { return &s.NodeWidth; }},
        {"NODE_WIDTH_OPT", kB, [](S& s) -> F { return &s.NodeWidthOpt; }},
        {"NODE_HEIGHT", kI, [](S& s) -> F { return &s.NodeHeight; }},
        {"NODE_HEIGHT_OPT", kB, [](S& s) -> F { return &s.NodeHeightOpt; }},
        {"FONT_SIZE", kN, [](S& s) -> F { return &s.FontSize; }},
        {"FONT_ANTIALIASING", kB, [](S& s) -> F { return &s.FontAntialiasing; }},
        {"FONT_STAY_ON_TOP", kB, [](S& s) -> F { return &s.FontStayOnTop; }},
        {"FONT_HIGHLIGHT", kB, [](S& s) -> F { return &s.FontHighlight; }},
        {"OPEN_DIRECTORY", kP, [](S& s) -> F { return &s.OpenDirectory; }},
        {"SAVE_DIRECTORY", kP, [](S& s) -> F { return &s.SaveDirectory; }},
        {"MOST_RECENTLY_USED", SettingType::PathList,
         [](S& s) -> F { return &s.MostRecentlyUsed; }},
        {"TABLE_COL_COUNT", SettingType::PersonColumns, NoField},
        {"TABLE_GEN_COL_COUNT", SettingType::GenerationColumns, NoField},
        {"COMMENT_HEADER_TEXT", kT, [](S& s) -> F { return &s.CommentHeaderText; }},
        {"COMMENT_FOOTER_TEXT", kT, [](S& s) -> F { return &s.CommentFooterText; }},
        {"COMMENT_HEADLINE_TEXT", kT, [](S& s) -> F { return &s.CommentHeadlineText; }},
    };
    return keys;
}

const SettingKey* FindSettingKey(std::string_view key)
{
    for (const SettingKey& k : SettingKeys())
        if (key == k.key) return &k;
    return nullptr;
}

SettingResult ApplySetting(TImageSettings& settings, std::string_view key, std::string_view value)
{
    const SettingKey* k = FindSettingKey(key);
    if (!k) return SettingResult::UnknownKey;
    bool ok = false;
    switch (k->type) {
        case SettingType::PersonColumns:
            ok = ResizeColumns(settings.TableColumns, value);
            break;
        case SettingType::GenerationColumns:
            ok = ResizeColumns(settings.GenTableColumns, value);
            break;
        default:
            ok = ApplyToField(k->field(settings), value);
            break;
    }
    return ok ? SettingResult::Applied : SettingResult::InvalidValue;
}

}  // namespace qv
