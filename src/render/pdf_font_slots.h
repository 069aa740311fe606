// Single-byte encodings for Helvetica built from the characters a document's texts use.
#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace qv {

// One PDF font resource: codes 32 .. LastChar stand for the UTF-16 units in Units.
struct TFont {
    std::array<char16_t, 256> Units{};
    int LastChar = 31;
    bool Contains(char16_t unit) const { return m_codes.contains(unit); }
    int CodeOf(char16_t unit) const;  // -1 when absent
    void Add(char16_t unit);

private:
    std::unordered_map<char16_t, int> m_codes;
};

struct PdfTextRun {
    int slot = 0;
    std::string bytes;  // codes of the slot, not yet escaped
};

class PdfFontSlots {
public:
    // Gives the text's characters codes: in the first slot that has room for those it lacks,
    // else in new slots. A character takes one code per slot however often it occurs, and a
    // text with more distinct characters than one slot holds is spread over several slots.
    void Collect(const std::u16string& text);
    // The text as runs of codes: one run in the first slot holding every character, or, for a
    // text spread over slots, one run per stretch of characters found in the same slot.
    std::vector<PdfTextRun> Encode(const std::u16string& text) const;
    const std::vector<TFont>& Slots() const { return m_slots; }

private:
    std::vector<TFont> m_slots;
};

}  // namespace qv
