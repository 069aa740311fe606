// Writing the Kekule number lists and finding the number under a position.
#include "tables/kekule_number_list.h"

#include "calc/kekule_lists.h"
#include "data/kekule.h"
#include "tables/rtf_text.h"

namespace qv {
namespace {

constexpr int kNumbersPerLine = 5;

// Appends RTF and counts the document characters it shows.
class ListWriter {
public:
    void Shown(const std::string& rtf, int64_t characters)
    {
        m_rtf += rtf;
        m_position += characters;
    }
    void Text(const std::string& text) { Shown(text, static_cast<int64_t>(text.size())); }
    void Hidden(const std::string& rtf) { m_rtf += rtf; }
    void Tabs() { Shown("\\tab\\tab ", 2); }
    void LineBreak() { Shown("\\line ", 1); }
    int64_t Position() const { return m_position; }
    std::string Take() { return std::move(m_rtf); }

private:
    std::string m_rtf;
    int64_t m_position = 0;
};

}  // namespace

KekuleNumberList BuildKekuleNumberList(const TArrayOfInt64& numbers, bool rootIsMale,
                                       KekuleListKind kind)
{
    KekuleNumberList list;
    ListWriter out;
    out.Text(kind == KekuleListKind::XChromosomal ? "X-Chromosomale Kekule-Nummern:"
                                                  : "Kekule-Nummern:");
    out.LineBreak();
    out.Text("Generation:");
    out.Shown("\\tab ", 1);
    out.Text("Nummern:");
    out.LineBreak();
    for (size_t i = 0; i < numbers.size();) {
        int generation = KekuleGeneration(numbers[i]);
        out.Text(std::to_string(generation));
        for (int j = 0; i < numbers.size() && KekuleGeneration(numbers[i]) == generation;
             ++j, ++i) {
            int64_t n = numbers[i];
            bool last = i + 1 == numbers.size() || KekuleGeneration(numbers[i + 1]) != generation;
            if (j % kNumbersPerLine == 0) out.Tabs();
            bool x = IsXKekule(rootIsMale, n);
            if (x) out.Hidden("\\ul ");
            int64_t start = out.Position();
            out.Text(std::to_string(n));
            list.ranges.push_back({start, out.Position(), n});
            if (x) out.Hidden("\\ul0 ");
            if (!last) out.Text(", ");
            if (j % kNumbersPerLine == kNumbersPerLine - 1 || last) out.LineBreak();
        }
    }
    list.rtf = RtfDocument(out.Take());
    return list;
}

int64_t KekuleNumberAt(const std::vector<KekuleNumberRange>& ranges, int64_t position)
{
    for (const KekuleNumberRange& range : ranges)
        if (range.start <= position && position <= range.end) return range.number;
    return 0;
}

}  // namespace qv
