// Encoding detection, line splitting, tree building and conversion to UTF-8.
#include "data/gedcom_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

#include "data/ansel.h"
#include "data/cut_characters.h"
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

// The next CR or LF at or after from (find_first_of tests every byte against the set).
size_t FindLineEnd(std::string_view text, size_t from)
{
    for (size_t i = from; i < text.size(); ++i)
        if (text[i] == '\n' || text[i] == '\r') return i;
    return std::string_view::npos;
}

// Reserving the node array once saves copying it while a large file is read.
size_t EstimatedLineCount(std::string_view text)
{
    auto lineFeeds = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    if (lineFeeds > 0) return lineFeeds + 2;
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\r')) + 2;
}

// Calls addLine for each line until it returns false; returns the number of lines seen.
// Lines end at CR, LF or CR LF. In a file whose lines end with CR LF, a bare LF followed by
// text that is no level line is a line break inside a value (multi-line HTML notes of some
// exporters), not the start of a malformed line.
template <typename AddLine>
size_t ForEachEightBitLine(std::string_view text, AddLine addLine)
{
    if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    size_t firstEnd = FindLineEnd(text, 0);
    bool crLfFile = firstEnd != std::string_view::npos && text.substr(firstEnd, 2) == "\r\n";
    size_t start = 0, searchFrom = 0, count = 0;
    while (start < text.size()) {
        size_t end = FindLineEnd(text, searchFrom);
        if (end == std::string_view::npos) end = text.size();
        bool bareLf = end < text.size() && text[end] == '\n' && (end == 0 || text[end - 1] != '\r');
        if (crLfFile && bareLf && !StartsLikeLevelLine(text.substr(end + 1))) {
            searchFrom = end + 1;
            continue;
        }
        ++count;
        if (!addLine(text.substr(start, end - start))) break;
        start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
        searchFrom = start;
    }
    return count;
}

// Lines end at LF; one CR before it belongs to the line end.
template <typename AddLine>
void ForEachUtf16Line(std::string_view text, AddLine addLine)
{
    if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    for (size_t start = 0; start < text.size();) {
        size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!addLine(line)) break;
        start = end + 1;
    }
}

std::string_view TrimmedWhite(std::string_view s)
{
    size_t first = s.find_first_not_of(" \t\r\n\f\v");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n\f\v") - first + 1);
}

// "\x1A" for a control character, which a message box would show as a box or, for NUL, end
// the message at.
void AppendEscaped(std::string& out, uint32_t codePoint)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[codePoint >> 4];
    out += kHex[codePoint & 0xF];
}

// Messages must stay readable even for binary garbage: the quote ends where its line does (a
// lone LF that a CR LF file keeps inside a line breaks it), control characters are escaped and
// long text is cut.
std::string PrintableExcerpt(std::string_view text)
{
    constexpr size_t kMaxCharacters = 80;
    text = text.substr(0, text.find('\n'));
    std::string utf8 = IsValidUtf8(text)
                           ? std::string(text)
                           : Utf8FromSingleByte(text, SingleByteCodePage::Windows1252);
    std::string shown;
    size_t characters = 0;
    for (size_t i = 0; i < utf8.size(); ++characters) {
        if (characters == kMaxCharacters) return shown + "…";
        auto byte = static_cast<uint8_t>(utf8[i]);
        auto next = i + 1 < utf8.size() ? static_cast<uint8_t>(utf8[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(shown, byte);
            i += 1;
        } else if (byte == 0xC2 && next >= 0x80 && next < 0xA0) {  // U+0080 to U+009F
            AppendEscaped(shown, next);
            i += 2;
        } else {
            size_t length = Utf8SequenceLength(utf8[i]);
            shown.append(utf8, i, length);
            i += length;
        }
    }
    return shown;
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

// Builds the tree line by line, attaching each line to the last line seen one level up.
class TreeBuilder {
public:
    TreeBuilder(TGedcom& tree, bool trimEndTest) : m_tree(tree), m_trimEndTest(trimEndTest)
    {
        m_lastAtLevel[0] = TGedcom::kRoot;
    }

    // False once the trailer ends reading.
    bool operator()(std::string_view line)
    {
        bool first = m_first;
        m_first = false;
        if ((m_trimEndTest ? TrimmedWhite(line) : line) == "0 TRLR") return false;
        if (line.empty()) return true;
        // The first line is level 0 whatever it says, so stray bytes before "0 HEAD" do no harm.
        int8_t level = first ? 0 : ParseLevel(line);
        // A line that skips levels before any line of the level above it was seen has no
        // parent to attach to; it hangs from the root, where no record rule reads it.
        int slot = m_lastAtLevel[level] < 0 ? 0 : level;
        int32_t node = m_tree.AddNode(m_lastAtLevel[slot], m_lastChildAt[slot], level, line);
        m_lastChildAt[slot] = node;
        m_lastAtLevel[level + 1] = node;
        m_lastChildAt[level + 1] = -1;
        return true;
    }

private:
    TGedcom& m_tree;
    bool m_trimEndTest;
    bool m_first = true;
    // Entry L + 1 is the last node seen at level L, entry 0 the root; children only ever
    // attach to these nodes, so their last children are all the builder must remember.
    std::array<int32_t, kLevelCount + 1> m_lastAtLevel = MakeUnset();
    std::array<int32_t, kLevelCount + 1> m_lastChildAt = MakeUnset();

    static std::array<int32_t, kLevelCount + 1> MakeUnset()
    {
        std::array<int32_t, kLevelCount + 1> unset;
        unset.fill(-1);
        return unset;
    }
};

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
        std::string_view line = tree.Node(i).Line();
        if (IsAscii(line)) continue;
        if (charSet == "ANSEL") {
            tree.ReplaceLine(i, Utf8FromAnsel(line));
        } else if (charSet == "ANSI") {
            tree.ReplaceLine(i, Utf8FromSingleByte(line, SingleByteCodePage::Windows1252));
        } else {
            // A character cut at a CONC comes together first (in file order, so a CONC line is
            // checked after its predecessor took back the bytes it owed).
            MendCutCharacter(tree, i);
            line = tree.Node(i).Line();
            if (IsValidUtf8(line)) continue;
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
        tree.Reserve(EstimatedLineCount(tree.Bytes()));
        ForEachUtf16Line(tree.Bytes(), TreeBuilder(tree, true));
        return tree;
    }
    TGedcom tree(std::move(bytes));
    tree.Reserve(EstimatedLineCount(tree.Bytes()));
    if (ForEachEightBitLine(tree.Bytes(), TreeBuilder(tree, false)) == 0)
        throw Error("Listenindex überschreitet das Maximum (0)");
    ConvertEightBitLines(tree);
    return tree;
}

TGedcom LoadGedcomFile(const std::string& path)
{
    return LoadGedcomBytes(ReadFileBytes(path));
}

}  // namespace qv
