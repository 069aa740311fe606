// Encoding detection, line splitting, tree building and conversion to UTF-8.
#include "data/gedcom_reader.h"

#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

#include "data/ansel.h"
#include "data/error.h"
#include "data/file_bytes.h"
#include "data/gedcom_line.h"
#include "data/text_encoding.h"

namespace qv {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr int kLevelCount = 128;

enum class Encoding { EightBit, Utf16Le, Utf16Be };

Encoding DetectEncoding(std::string_view bytes)
{
    if (bytes.size() < 2) return Encoding::EightBit;
    auto b0 = static_cast<uint8_t>(bytes[0]), b1 = static_cast<uint8_t>(bytes[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0x30 && b1 == 0x00)) return Encoding::Utf16Le;
    if ((b0 == 0xFE && b1 == 0xFF) || (b0 == 0x00 && b1 == 0x30)) return Encoding::Utf16Be;
    return Encoding::EightBit;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A level number and a space, as every GEDCOM line begins.
bool StartsLikeLevelLine(std::string_view text)
{
    size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) ++digits;
    return digits > 0 && digits < text.size() && text[digits] == ' ';
}

// Lines end at CR, LF or CR LF. In a file whose lines end with CR LF, a bare LF followed by
// text that is no level line is a line break inside a value (multi-line HTML notes of some
// exporters), not the start of a malformed line.
std::vector<std::string_view> SplitEightBitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 24);
    size_t firstEnd = text.find_first_of("\r\n");
    bool crLfFile = firstEnd != std::string_view::npos && text.substr(firstEnd, 2) == "\r\n";
    size_t start = 0, searchFrom = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", searchFrom);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        bool bareLf = text[end] == '\n' && (end == 0 || text[end - 1] != '\r');
        if (crLfFile && bareLf && !StartsLikeLevelLine(text.substr(end + 1))) {
            searchFrom = end + 1;
            continue;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        searchFrom = start;
    }
    if (!lines.empty() && lines[0].starts_with(kUtf8Bom)) lines[0].remove_prefix(kUtf8Bom.size());
    return lines;
}

// Lines end at LF; one CR before it belongs to the line end.
std::vector<std::string_view> SplitUtf16Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (lines.size() == 1 && lines[0].empty()) lines.clear();
    if (!lines.empty() && lines[0].starts_with(kUtf8Bom)) lines[0].remove_prefix(kUtf8Bom.size());
    return lines;
}

std::string_view TrimmedWhite(std::string_view s)
{
    size_t first = s.find_first_not_of(" \t\r\n\f\v");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n\f\v") - first + 1);
}

// Messages must stay readable even for binary garbage.
std::string PrintableExcerpt(std::string_view text)
{
    constexpr size_t kMax = 80;
    std::string shown = IsValidUtf8(text) ? std::string(text)
                                          : Utf8FromSingleByte(text, SingleByteCodePage::Windows1252);
    if (shown.size() <= kMax) return shown;
    size_t cut = kMax;
    while (cut > 0 && (static_cast<uint8_t>(shown[cut]) & 0xC0) == 0x80) --cut;
    return shown.substr(0, cut) + "…";
}

int8_t ParseLevel(std::string_view line)
{
    std::string_view text = LineLevelText(line);
    std::string_view digits = text;
    if (digits.starts_with('+')) digits.remove_prefix(1);
    int32_t level = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), level);
    if (digits.empty() || digits.starts_with('+') || ec != std::errc() ||
        end != digits.data() + digits.size())
        throw Error("'" + PrintableExcerpt(text) + "' ist kein gültiger Integerwert");
    if (level < 0 || level >= kLevelCount) throw Error("Fehler bei Bereichsprüfung");
    return static_cast<int8_t>(level);
}

void BuildTree(TGedcom& tree, const std::vector<std::string_view>& lines, bool trimEndTest)
{
    // lastAtLevel[L + 1] is the last node seen at level L; entry 0 is the root.
    std::vector<int32_t> lastAtLevel(kLevelCount + 1, -1);
    lastAtLevel[0] = TGedcom::kRoot;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if ((trimEndTest ? TrimmedWhite(line) : line) == "0 TRLR") break;
        if (line.empty()) continue;
        // The first line is level 0 whatever it says, so stray bytes before "0 HEAD" do no harm.
        int8_t level = i == 0 ? 0 : ParseLevel(line);
        int32_t parent = lastAtLevel[level];
        // A line that skips levels before any line of the level above it was seen has no
        // parent to attach to; it hangs from the root, where no record rule reads it.
        if (parent < 0) parent = TGedcom::kRoot;
        lastAtLevel[level + 1] = tree.AddNode(parent, level, line);
    }
}

bool IsAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<uint8_t>(c) >= 0x80) return false;
    return true;
}

// The code page for invalid lines of files whose character set we do not convert.
SingleByteCodePage FallbackCodePage(std::string_view charSet)
{
    std::string key;
    for (char c : charSet)
        if (c != '-' && c != '_' && c != ' ') key += static_cast<char>(std::toupper(static_cast<uint8_t>(c)));
    if (key == "IBMPC" || key == "CP437") return SingleByteCodePage::Cp437;
    if (key == "ISO88591" || key == "LATIN1") return SingleByteCodePage::Latin1;
    return SingleByteCodePage::Windows1252;
}

void ConvertEightBitLines(TGedcom& tree)
{
    const std::string charSet = tree.GetCharSet();
    bool invalidUtf8 = false;
    for (int32_t i = 1; i < tree.NodeCount(); ++i) {
        std::string_view line = tree.Node(i).Line;
        if (IsAscii(line)) continue;
        if (charSet == "ANSEL") {
            tree.ReplaceLine(i, Utf8FromAnsel(line));
        } else if (charSet == "ANSI") {
            tree.ReplaceLine(i, Utf8FromSingleByte(line, SingleByteCodePage::Windows1252));
        } else if (!IsValidUtf8(line)) {
            // Whatever the header claims, no invalid UTF-8 may enter the model.
            invalidUtf8 = true;
            tree.ReplaceLine(i, Utf8FromSingleByte(line, FallbackCodePage(charSet)));
        }
    }
    if (invalidUtf8 && charSet == "UTF-8")
        tree.Warnings.push_back(
            "Die Datei weist Fehler in der UTF-8-Kodierung auf.\r\n"
            "Entsprechende Zeilen werden als ANSI-kodiert interpretiert.");
}

}  // namespace

TGedcom LoadGedcomBytes(std::string bytes)
{
    Encoding encoding = DetectEncoding(bytes);
    if (encoding != Encoding::EightBit) {
        TGedcom tree(Utf8FromUtf16Bytes(bytes, encoding == Encoding::Utf16Be));
        BuildTree(tree, SplitUtf16Lines(tree.Bytes()), true);
        return tree;
    }
    TGedcom tree(std::move(bytes));
    std::vector<std::string_view> lines = SplitEightBitLines(tree.Bytes());
    if (lines.empty()) throw Error("Listenindex überschreitet das Maximum (0)");
    BuildTree(tree, lines, false);
    ConvertEightBitLines(tree);
    return tree;
}

TGedcom LoadGedcomFile(const std::string& path)
{
    return LoadGedcomBytes(ReadFileBytes(path));
}

}  // namespace qv
