// Writing and parsing the sibling-list text format.
#include "data/sibling_list_text.h"

#include <algorithm>
#include <charconv>

#include "data/error.h"
#include "data/text_encoding.h"
#include "data/text_lines.h"

namespace qv {
namespace {

constexpr const char* kFullHeading = "Vollgeschwister";
constexpr const char* kFatherHeading = "Halbgeschwister - Vater";
constexpr const char* kMotherHeading = "Halbgeschwister - Mutter";
constexpr const char* kSinglesHeading = "Einzelpersonen";

// A "/" inside a surname would end the name early and make the line unreadable.
std::string ListedName(const std::string& surname)
{
    std::string name = surname;
    std::replace(name.begin(), name.end(), '/', '|');
    return name;
}

std::string GroupLine(const TAhnenData& data, const SiblingGroup& group)
{
    std::string line;
    for (const SiblingMember& m : group) line += std::to_string(m.Number) + " ";
    for (const SiblingMember& m : group) line += "/" + ListedName(data.Persons[m.Person].Surname);
    return line + "/";
}

void AppendList(std::vector<std::string>& lines, const char* heading, const TAhnenData& data,
                const std::vector<SiblingGroup>& list)
{
    if (list.empty()) return;
    lines.insert(lines.end(), {heading, ""});
    for (const SiblingGroup& group : list) lines.push_back(GroupLine(data, group));
    lines.emplace_back();
}

// Reports where in the file a line went wrong.
class LineError {
public:
    LineError(const std::string& fileName, size_t line)
        : m_prefix("Verschwisterungsliste " + fileName + ", Zeile " + std::to_string(line) + ": ")
    {
    }
    [[noreturn]] void Throw(const std::string& message) const { throw Error(m_prefix + message); }

private:
    std::string m_prefix;
};

int64_t ParseNumber(std::string_view digits, const LineError& where)
{
    int64_t number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || number > kMaxSiblingListNumber) {
        std::string shown(digits.substr(0, 30));
        if (digits.size() > 30) shown += "…";
        where.Throw("Die Kekule-Nummer " + shown + " ist zu groß (höchstens " +
                    std::to_string(kMaxSiblingListNumber) + ").");
    }
    if (number == 0) where.Throw("Die Kekule-Nummer 0 gibt es nicht.");
    return number;
}

// Digit runs before the first "/" are numbers; every text after it that a "/" ends is a name.
TGeschwister ParseGroupLine(std::string_view line, const LineError& where)
{
    TGeschwister group;
    size_t slash = std::min(line.find('/'), line.size());
    for (size_t i = 0; i < slash;) {
        if (line[i] < '0' || line[i] > '9') {
            ++i;
            continue;
        }
        size_t end = line.find_first_not_of("0123456789", i);
        end = std::min(end, slash);
        group.Numbers.push_back(ParseNumber(line.substr(i, end - i), where));
        i = end;
    }
    for (size_t start = slash + 1; start < line.size();) {
        size_t next = line.find('/', start);
        if (next == std::string_view::npos) break;
        group.Names.emplace_back(line.substr(start, next - start));
        start = next + 1;
    }
    if (group.Names.size() > group.Numbers.size())
        where.Throw("Mehr Namen (" + std::to_string(group.Names.size()) + ") als Kekule-Nummern (" +
                    std::to_string(group.Numbers.size()) + ").");
    return group;
}

std::vector<std::string> DecodedLines(std::string_view bytes)
{
    bool utf8 = StripUtf8Bom(bytes) || IsValidUtf8(bytes);
    if (utf8) return SplitLines(bytes);
    return SplitLines(Utf8FromSingleByte(bytes, SingleByteCodePage::Windows1252));
}

enum class Section { None, Full, Father, Mother, Singles };

Section HeadingOf(const std::string& line)
{
    if (line.find(kFullHeading) != std::string::npos) return Section::Full;
    if (line.find(kFatherHeading) != std::string::npos) return Section::Father;
    if (line.find(kMotherHeading) != std::string::npos) return Section::Mother;
    if (line.find(kSinglesHeading) != std::string::npos) return Section::Singles;
    return Section::None;
}

}  // namespace

std::vector<std::string> SiblingListLines(const TAhnenData& data, const SiblingGroups& groups,
                                          int64_t proband)
{
    std::vector<std::string> lines;
    AppendList(lines, kFullHeading, data, groups.Full);
    AppendList(lines, kFatherHeading, data, groups.CommonFather);
    AppendList(lines, kMotherHeading, data, groups.CommonMother);
    lines.insert(lines.end(),
                 {kSinglesHeading, "", "1 /" + ListedName(data.Persons[proband].Surname) + "/"});
    return lines;
}

std::string SiblingListFileBytes(const std::vector<std::string>& lines)
{
    std::string text = JoinLinesCrLf(lines);
    // A name the code page lacks would be written as "?"; the reader takes a file that starts
    // with a byte-order mark as UTF-8.
    if (!FitsWindows1252(text)) return "\xEF\xBB\xBF" + text;
    return Windows1252FromUtf8(text);
}

SiblingListContents ParseSiblingList(std::string_view bytes, const std::string& fileName)
{
    SiblingListContents contents;
    Section section = Section::None;
    std::vector<std::string> lines = DecodedLines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (TrimBlanks(lines[i]).empty()) continue;
        if (Section heading = HeadingOf(lines[i]); heading != Section::None) {
            section = heading;
            continue;
        }
        if (section == Section::None) continue;
        TGeschwister group = ParseGroupLine(lines[i], LineError(fileName, i + 1));
        switch (section) {
            case Section::Full:
                contents.Full.push_back(std::move(group));
                break;
            case Section::Father:
                contents.CommonFather.push_back(std::move(group));
                break;
            case Section::Mother:
                contents.CommonMother.push_back(std::move(group));
                break;
            default:
                group.Names.resize(group.Numbers.size());
                for (size_t k = 0; k < group.Numbers.size(); ++k) {
                    contents.Singles.Numbers.push_back(group.Numbers[k]);
                    contents.Singles.Names.push_back(std::move(group.Names[k]));
                }
                break;
        }
    }
    return contents;
}

}  // namespace qv
