// Line forms of config.ini: reading with its block rules, writing in key order.
#include "app/config_file.h"

#include <string_view>
#include <type_traits>

#include "app/settings_keys.h"
#include "data/atomic_file.h"
#include "data/file_bytes.h"
#include "data/text_lines.h"

namespace qv {
namespace {

constexpr std::string_view kPersonBlock = "TABLE_CAPTIONS";
constexpr std::string_view kPersonBlockEnd = "TABLE_CAPTIONS_END";
constexpr std::string_view kGenerationBlock = "TABLE_GEN_CAPTIONS";
constexpr std::string_view kGenerationBlockEnd = "TABLE_GEN_CAPTIONS_END";

// Walks the lines once, keeping track of the table block being read.
class SettingsReader {
public:
    explicit SettingsReader(TImageSettings& settings) : m_settings(settings) {}

    // False when the line is damaged and reading has to stop.
    bool Read(const std::string& line)
    {
        std::string_view trimmed = TrimBlanks(line);
        if (trimmed == kPersonBlockEnd || trimmed == kGenerationBlockEnd) {
            m_block = Block::None;
        } else if (m_block != Block::None) {
            if (!StoreBlockLine(line)) return false;
        } else if (trimmed == kPersonBlock || trimmed == kGenerationBlock) {
            m_block = trimmed == kPersonBlock ? Block::Person : Block::Generation;
            m_cell = 0;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos) return true;
        std::string_view key = TrimBlanks(std::string_view(line).substr(0, equals));
        std::string_view value = TrimBlanks(std::string_view(line).substr(equals + 1));
        return ApplySetting(m_settings, key, value) != SettingResult::InvalidValue;
    }

private:
    enum class Block { None, Person, Generation };

    bool StoreBlockLine(const std::string& line)
    {
        size_t cell = m_cell++;
        if (m_block == Block::Person) {
            if (cell / 3 >= m_settings.TableColumns.size()) return false;
            PersonTableColumn& column = m_settings.TableColumns[cell / 3];
            (cell % 3 == 0   ? column.Caption
             : cell % 3 == 1 ? column.Template
                             : column.SortSpec) = line;
            return true;
        }
        if (cell / 2 >= m_settings.GenTableColumns.size()) return false;
        GenerationTableColumn& column = m_settings.GenTableColumns[cell / 2];
        (cell % 2 == 0 ? column.Caption : column.Template) = line;
        return true;
    }

    TImageSettings& m_settings;
    Block m_block = Block::None;
    size_t m_cell = 0;
};

std::string ScalarText(const SettingField& field)
{
    return std::visit(
        [](const auto& pointer) -> std::string {
            using Pointer = std::remove_cvref_t<decltype(pointer)>;
            if constexpr (std::is_same_v<Pointer, bool*>)
                return *pointer ? "1" : "0";
            else if constexpr (std::is_same_v<Pointer, std::string*>)
                return *pointer;
            else if constexpr (std::is_pointer_v<Pointer> &&
                               std::is_integral_v<std::remove_pointer_t<Pointer>>)
                return std::to_string(+*pointer);
            else
                return {};
        },
        field);
}

void AppendColumns(std::vector<std::string>& lines, const TImageSettings& settings, bool person)
{
    if (person) {
        lines.emplace_back(kPersonBlock);
        for (const PersonTableColumn& c : settings.TableColumns)
            lines.insert(lines.end(), {c.Caption, c.Template, c.SortSpec});
        lines.emplace_back(kPersonBlockEnd);
    } else {
        lines.emplace_back(kGenerationBlock);
        for (const GenerationTableColumn& c : settings.GenTableColumns)
            lines.insert(lines.end(), {c.Caption, c.Template});
        lines.emplace_back(kGenerationBlockEnd);
    }
}

}  // namespace

void ReadSettingsLines(TImageSettings& settings, const std::vector<std::string>& lines)
{
    for (const SettingKey& key : SettingKeys()) {
        if (key.type == SettingType::TextList || key.type == SettingType::PathList)
            std::get<TArrayOfString*>(key.field(settings))->clear();
    }
    SettingsReader reader(settings);
    for (const std::string& line : lines)
        if (!reader.Read(line)) return;
}

std::vector<std::string> SettingsLines(const TImageSettings& settings)
{
    // The key table hands out writable fields; they are only read here.
    auto& source = const_cast<TImageSettings&>(settings);
    std::vector<std::string> lines;
    for (const SettingKey& key : SettingKeys()) {
        std::string name = key.key;
        switch (key.type) {
            case SettingType::TextList:
                for (const std::string& text : *std::get<TArrayOfString*>(key.field(source)))
                    lines.push_back(name + "=" + text);
                break;
            case SettingType::PathList:
                for (const std::string& path : *std::get<TArrayOfString*>(key.field(source)))
                    lines.push_back(name + " = " + path);
                break;
            case SettingType::PersonColumns:
            case SettingType::GenerationColumns: {
                bool person = key.type == SettingType::PersonColumns;
                size_t count =
                    person ? settings.TableColumns.size() : settings.GenTableColumns.size();
                lines.push_back(name + " = " + std::to_string(count));
                AppendColumns(lines, settings, person);
                break;
            }
            default:
                lines.push_back(name + " = " + ScalarText(key.field(source)));
                break;
        }
    }
    return lines;
}

void ReadSettingsFile(TImageSettings& settings, const std::string& path)
{
    std::string bytes = ReadFileBytes(path);
    std::string_view text(bytes);
    StripUtf8Bom(text);
    ReadSettingsLines(settings, SplitLines(text));
}

void WriteSettingsFile(const TImageSettings& settings, const std::string& path)
{
    WriteFileAtomically(path, JoinLinesCrLf(SettingsLines(settings)));
}

}  // namespace qv
