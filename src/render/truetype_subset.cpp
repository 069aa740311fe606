// Reading the glyphs of a TrueType font and writing a smaller font file from them.
#include "render/truetype_subset.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/error.h"

namespace qv {
namespace {

// Flags of a composite glyph's component record.
constexpr uint16_t kArgsAreWords = 0x0001;
constexpr uint16_t kHaveScale = 0x0008;
constexpr uint16_t kMoreComponents = 0x0020;
constexpr uint16_t kHaveXYScale = 0x0040;
constexpr uint16_t kHaveTwoByTwo = 0x0080;
// What the whole file's checksum must come to, as the head table records it.
constexpr uint32_t kChecksumMagic = 0xB1B0AFBA;
constexpr uint16_t kSymbolBase = 0xF000;

[[noreturn]] void Damaged(const std::string& tag)
{
    throw Error("Die Schriftdatei für den PDF-Text ist beschädigt (Tabelle \"" + tag + "\").");
}

// Big-endian fields of one table, read with bounds checks.
class TableBytes {
public:
    TableBytes(const TrueTypeTables& tables, const std::string& tag) : m_tag(tag)
    {
        auto it = tables.find(tag);
        if (it == tables.end())
            throw Error("Der Schriftdatei für den PDF-Text fehlt die Tabelle \"" + tag + "\".");
        m_bytes = it->second;
    }
    TableBytes(std::string_view bytes, std::string tag) : m_bytes(bytes), m_tag(std::move(tag)) {}

    uint32_t Unsigned(size_t at, size_t size) const
    {
        if (at > m_bytes.size() || size > m_bytes.size() - at) Damaged(m_tag);
        uint32_t value = 0;
        for (size_t i = 0; i < size; ++i) value = value << 8 | uint8_t(m_bytes[at + i]);
        return value;
    }
    uint16_t U16(size_t at) const { return uint16_t(Unsigned(at, 2)); }
    int16_t S16(size_t at) const { return int16_t(U16(at)); }
    uint32_t U32(size_t at) const { return Unsigned(at, 4); }
    std::string_view Slice(size_t from, size_t to) const
    {
        if (from > to || to > m_bytes.size()) Damaged(m_tag);
        return m_bytes.substr(from, to - from);
    }
    size_t Size() const { return m_bytes.size(); }

private:
    std::string_view m_bytes;
    std::string m_tag;
};

void PutU16(std::string& out, uint32_t value)
{
    out += char(value >> 8 & 0xFF);
    out += char(value & 0xFF);
}

void PutU32(std::string& out, uint32_t value)
{
    PutU16(out, value >> 16);
    PutU16(out, value & 0xFFFF);
}

void SetU16(std::string& bytes, size_t at, uint16_t value)
{
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value & 0xFF);
}

void SetU32(std::string& bytes, size_t at, uint32_t value)
{
    SetU16(bytes, at, uint16_t(value >> 16));
    SetU16(bytes, at + 2, uint16_t(value & 0xFFFF));
}

void PadToFour(std::string& bytes)
{
    bytes.resize((bytes.size() + 3) / 4 * 4, '\0');
}

uint32_t Checksum(std::string bytes)
{
    PadToFour(bytes);
    TableBytes words(bytes, "");
    uint32_t sum = 0;
    for (size_t at = 0; at < bytes.size(); at += 4) sum += words.U32(at);
    return sum;
}

// Where the glyph index of each component of a composite glyph stands; none for a simple one.
std::vector<size_t> ComponentIndexOffsets(std::string_view glyph)
{
    std::vector<size_t> offsets;
    TableBytes bytes(glyph, "glyf");
    if (glyph.size() < 10 || bytes.S16(0) >= 0) return offsets;
    uint16_t flags = 0;
    for (size_t at = 10;; at += 4) {
        flags = bytes.U16(at);
        offsets.push_back(at + 2);
        bytes.U16(at + 2);
        at += (flags & kArgsAreWords) ? 4 : 2;
        if (flags & kHaveScale)
            at += 2;
        else if (flags & kHaveXYScale)
            at += 4;
        else if (flags & kHaveTwoByTwo)
            at += 8;
        if (!(flags & kMoreComponents)) return offsets;
    }
}

struct HorizontalMetric {
    uint16_t advance = 0;
    uint16_t leftSideBearing = 0;
};

// The glyph outlines and advances of the source font.
class SourceGlyphs {
public:
    explicit SourceGlyphs(const TrueTypeTables& tables)
        : m_loca(tables, "loca"), m_glyf(tables, "glyf"), m_hmtx(tables, "hmtx")
    {
        m_longOffsets = TableBytes(tables, "head").S16(50) == 1;
        m_count = TableBytes(tables, "maxp").U16(4);
        m_longMetrics = TableBytes(tables, "hhea").U16(34);
        if (m_longMetrics == 0) Damaged("hhea");
    }

    std::string_view Glyph(uint16_t id) const
    {
        if (id >= m_count) Damaged("loca");
        auto offset = [&](size_t n) {
            return m_longOffsets ? size_t(m_loca.U32(4 * n)) : size_t(m_loca.U16(2 * n)) * 2;
        };
        return m_glyf.Slice(offset(id), offset(size_t(id) + 1));
    }

    HorizontalMetric Metric(uint16_t id) const
    {
        if (id < m_longMetrics) return {m_hmtx.U16(4 * size_t(id)), m_hmtx.U16(4 * size_t(id) + 2)};
        size_t bearing = 4 * size_t(m_longMetrics) + 2 * size_t(id - m_longMetrics);
        return {m_hmtx.U16(4 * size_t(m_longMetrics) - 4), m_hmtx.U16(bearing)};
    }

private:
    TableBytes m_loca, m_glyf, m_hmtx;
    bool m_longOffsets = false;
    uint16_t m_count = 0;
    uint16_t m_longMetrics = 0;
};

// Source glyph ids in their new order: .notdef, the codes' glyphs, then the parts of composites.
std::vector<uint16_t> GlyphOrder(const SourceGlyphs& source,
                                 const std::array<uint16_t, 256>& glyphOfCode)
{
    std::vector<uint16_t> order{0};
    auto add = [&](uint16_t id) {
        if (std::find(order.begin(), order.end(), id) == order.end()) order.push_back(id);
    };
    for (uint16_t id : glyphOfCode)
        if (id != 0) add(id);
    // The list grows while it is walked: parts of parts are visited too, each once.
    for (size_t i = 0; i < order.size(); ++i) {
        std::string_view glyph = source.Glyph(order[i]);
        for (size_t offset : ComponentIndexOffsets(glyph))
            add(TableBytes(glyph, "glyf").U16(offset));
    }
    return order;
}

struct GlyphTables {
    std::string glyf, loca, hmtx;
};

GlyphTables CopyGlyphs(const SourceGlyphs& source, const std::vector<uint16_t>& order)
{
    std::unordered_map<uint16_t, uint16_t> newId;
    for (size_t i = 0; i < order.size(); ++i) newId[order[i]] = uint16_t(i);
    GlyphTables out;
    for (uint16_t id : order) {
        PutU32(out.loca, uint32_t(out.glyf.size()));
        std::string glyph(source.Glyph(id));
        for (size_t offset : ComponentIndexOffsets(glyph))
            SetU16(glyph, offset, newId.at(TableBytes(glyph, "glyf").U16(offset)));
        out.glyf += glyph;
        PadToFour(out.glyf);
        HorizontalMetric metric = source.Metric(id);
        PutU16(out.hmtx, metric.advance);
        PutU16(out.hmtx, metric.leftSideBearing);
    }
    PutU32(out.loca, uint32_t(out.glyf.size()));
    return out;
}

// Binary-search fields of a table of count entries of the given size.
void PutSearchFields(std::string& out, uint16_t count, uint16_t entrySize)
{
    uint16_t selector = 0;
    while (2u << selector <= count) ++selector;
    uint16_t searchRange = uint16_t((1u << selector) * entrySize);
    PutU16(out, searchRange);
    PutU16(out, selector);
    PutU16(out, uint16_t(count * entrySize - searchRange));
}

// Format 4 for U+F000 + code; ids holds the glyphs of the codes from first on.
std::string SymbolCmap(uint16_t first, const std::vector<uint16_t>& ids)
{
    const uint16_t segments = ids.empty() ? 1 : 2;
    std::string table;
    PutU16(table, 4);
    PutU16(table, uint32_t(16 + 8 * segments + 2 * ids.size()));
    PutU16(table, 0);
    PutU16(table, 2 * segments);
    PutSearchFields(table, segments, 2);
    const uint16_t start = uint16_t(kSymbolBase + first);
    if (!ids.empty()) PutU16(table, uint32_t(start + ids.size() - 1));
    PutU16(table, 0xFFFF);
    PutU16(table, 0);
    if (!ids.empty()) PutU16(table, start);
    PutU16(table, 0xFFFF);
    if (!ids.empty()) PutU16(table, 0);  // delta: the ids are taken as they stand
    PutU16(table, 1);
    // The range offset leads from its own field past the last segment's to the id array.
    if (!ids.empty()) PutU16(table, 2 * segments);
    PutU16(table, 0);
    for (uint16_t id : ids) PutU16(table, id);
    return table;
}

// Format 6 for the codes themselves, from first on.
std::string CodeCmap(uint16_t first, const std::vector<uint16_t>& ids)
{
    std::string table;
    for (uint32_t field :
         {6u, uint32_t(10 + 2 * ids.size()), 0u, uint32_t(first), uint32_t(ids.size())})
        PutU16(table, field);
    for (uint16_t id : ids) PutU16(table, id);
    return table;
}

std::string BuildCmap(const std::array<uint16_t, 256>& newOfCode)
{
    auto mapped = [](uint16_t id) { return id != 0; };
    auto firstIt = std::find_if(newOfCode.begin(), newOfCode.end(), mapped);
    auto lastIt = std::find_if(newOfCode.rbegin(), newOfCode.rend(), mapped).base();
    uint16_t first = firstIt == newOfCode.end() ? 0 : uint16_t(firstIt - newOfCode.begin());
    std::vector<uint16_t> ids(firstIt, std::max(firstIt, lastIt));
    std::string mac = CodeCmap(first, ids), windows = SymbolCmap(first, ids);
    std::string cmap;
    for (uint32_t field : {0u, 2u, 1u, 0u}) PutU16(cmap, field);
    PutU32(cmap, 20);
    PutU16(cmap, 3);
    PutU16(cmap, 0);
    PutU32(cmap, uint32_t(20 + mac.size()));
    return cmap + mac + windows;
}

// The file from its tables, in tag order, with the head table's whole-file checksum set.
std::string AssembleFont(const TrueTypeTables& tables)
{
    std::string header, body;
    PutU32(header, 0x00010000);
    PutU16(header, uint16_t(tables.size()));
    PutSearchFields(header, uint16_t(tables.size()), 16);
    size_t offset = 12 + 16 * tables.size(), headOffset = 0;
    for (const auto& [tag, data] : tables) {
        if (tag == "head") headOffset = offset + body.size();
        header += tag;
        PutU32(header, Checksum(data));
        PutU32(header, uint32_t(offset + body.size()));
        PutU32(header, uint32_t(data.size()));
        body += data;
        PadToFour(body);
    }
    std::string font = header + body;
    SetU32(font, headOffset + 8, kChecksumMagic - Checksum(font));
    return font;
}

// A copy of a source table with one field changed.
std::string WithU16(const TrueTypeTables& tables, const std::string& tag, size_t at, uint16_t value)
{
    std::string table = tables.at(tag);
    TableBytes(table, tag).U16(at);
    SetU16(table, at, value);
    return table;
}

}  // namespace

TrueTypeMetrics ReadTrueTypeMetrics(const TrueTypeTables& tables)
{
    TableBytes head(tables, "head"), hhea(tables, "hhea");
    TrueTypeMetrics metrics;
    metrics.unitsPerEm = head.U16(18);
    if (metrics.unitsPerEm < 16) Damaged("head");
    metrics.xMin = head.S16(36);
    metrics.yMin = head.S16(38);
    metrics.xMax = head.S16(40);
    metrics.yMax = head.S16(42);
    metrics.ascent = hhea.S16(4);
    metrics.descent = hhea.S16(6);
    metrics.capHeight = metrics.ascent;
    if (tables.contains("OS/2")) {
        TableBytes os2(tables, "OS/2");
        if (os2.Size() >= 90 && os2.U16(0) >= 2) metrics.capHeight = os2.S16(88);
    }
    if (tables.contains("post"))
        metrics.italicAngle = int32_t(TableBytes(tables, "post").U32(4)) / 65536.0;
    return metrics;
}

std::string SubsetTrueType(const TrueTypeTables& tables,
                           const std::array<uint16_t, 256>& glyphOfCode)
{
    SourceGlyphs source(tables);
    std::vector<uint16_t> order = GlyphOrder(source, glyphOfCode);
    GlyphTables glyphs = CopyGlyphs(source, order);
    std::array<uint16_t, 256> newOfCode{};
    for (size_t code = 0; code < newOfCode.size(); ++code)
        if (glyphOfCode[code] != 0)
            newOfCode[code] =
                uint16_t(std::find(order.begin(), order.end(), glyphOfCode[code]) - order.begin());

    const uint16_t count = uint16_t(order.size());
    TrueTypeTables subset{{"glyf", glyphs.glyf},
                          {"loca", glyphs.loca},
                          {"hmtx", glyphs.hmtx},
                          {"cmap", BuildCmap(newOfCode)},
                          {"maxp", WithU16(tables, "maxp", 4, count)},
                          {"hhea", WithU16(tables, "hhea", 34, count)}};
    std::string head = WithU16(tables, "head", 50, 1);  // long loca offsets
    SetU32(head, 8, 0);                                 // set again once the file stands
    subset["head"] = head;
    for (const char* tag : {"OS/2", "cvt ", "fpgm", "prep", "gasp"})
        if (tables.contains(tag)) subset[tag] = tables.at(tag);
    if (tables.contains("post") && tables.at("post").size() >= 32) {
        // Version 3: the header without glyph names.
        std::string post = tables.at("post").substr(0, 32);
        SetU32(post, 0, 0x00030000);
        subset["post"] = post;
    }
    return AssembleFont(subset);
}

}  // namespace qv
