// Assigning codes to characters and encoding texts with them.
#include "render/pdf_font_slots.h"

#include <algorithm>

namespace qv {
namespace {

constexpr int kHighestCode = 255;
constexpr int kFirstCode = 32;

std::u16string DistinctUnits(const std::u16string& text)
{
    std::u16string distinct;
    for (char16_t unit : text)
        if (distinct.find(unit) == std::u16string::npos) distinct += unit;
    return distinct;
}

void Assign(TFont& slot, const std::u16string& units)
{
    for (char16_t unit : units) slot.Add(unit);
}

}  // namespace

int TFont::CodeOf(char16_t unit) const
{
    auto it = m_codes.find(unit);
    return it == m_codes.end() ? -1 : it->second;
}

void TFont::Add(char16_t unit)
{
    Units[++LastChar] = unit;
    m_codes.emplace(unit, LastChar);
}

void PdfFontSlots::Collect(const std::u16string& text)
{
    std::u16string distinct = DistinctUnits(text);
    for (TFont& slot : m_slots) {
        std::u16string missing;
        for (char16_t unit : distinct)
            if (!slot.Contains(unit)) missing += unit;
        if (kHighestCode - slot.LastChar >= int(missing.size())) {
            Assign(slot, missing);
            return;
        }
    }
    const size_t capacity = kHighestCode - kFirstCode + 1;
    for (size_t start = 0; start < distinct.size(); start += capacity) {
        m_slots.emplace_back();
        Assign(m_slots.back(), distinct.substr(start, capacity));
    }
}

std::vector<PdfTextRun> PdfFontSlots::Encode(const std::u16string& text) const
{
    std::vector<PdfTextRun> runs;
    for (size_t n = 0; n < m_slots.size(); ++n) {
        const TFont& slot = m_slots[n];
        if (!std::all_of(text.begin(), text.end(), [&](char16_t u) { return slot.Contains(u); }))
            continue;
        PdfTextRun run{int(n), {}};
        for (char16_t unit : text) run.bytes += char(slot.CodeOf(unit));
        return {run};
    }
    for (char16_t unit : text) {
        for (size_t n = 0; n < m_slots.size(); ++n) {
            int code = m_slots[n].CodeOf(unit);
            if (code < 0) continue;
            if (runs.empty() || runs.back().slot != int(n)) runs.push_back({int(n), {}});
            runs.back().bytes += char(code);
            break;
        }
    }
    return runs;
}

}  // namespace qv
