// Writing the line layer into an SVG document as joined chains.
#include <map>
#include <optional>

#include "render/bitmap_line.h"
#include "render/scalable_vector_graphics.h"

namespace qv {
namespace {

int64_t Key(Point p)
{
    return (int64_t(p.x) << 32) | uint32_t(p.y);
}

// Lines by their first (or last) point, ascending; emitted lines are skipped lazily, so the
// search for the next link of a chain costs no more than one pass over each list in all.
class EndIndex {
public:
    void Add(Point p, size_t line) { m_lists[Key(p)].lines.push_back(line); }
    // The lowest not yet emitted line listed under p, if any.
    std::optional<size_t> First(Point p, const std::vector<bool>& emitted)
    {
        auto it = m_lists.find(Key(p));
        if (it == m_lists.end()) return std::nullopt;
        List& list = it->second;
        while (list.next < list.lines.size() && emitted[list.lines[list.next]]) ++list.next;
        if (list.next == list.lines.size()) return std::nullopt;
        return list.lines[list.next];
    }

private:
    struct List {
        std::vector<size_t> lines;
        size_t next = 0;
    };
    std::map<int64_t, List> m_lists;
};

}  // namespace

// Every line before the current chain's first line is already emitted, so "the first not yet
// emitted line after i" is simply the first not yet emitted one.
bool TBitmapLine::DrawSVG(TScalableVectorGraphics& svg, int offsetX, int offsetY) const
{
    svg.Pen.Color = Color;
    svg.Pen.Width = 1;
    svg.BeginGroup(kSvgStroke | kSvgStrokeWidth, " style=\"pointer-events:none\"");
    EndIndex byFirst, byLast;
    for (size_t i = 0; i < Lines.size(); ++i) {
        if (Lines[i].Points.empty()) continue;
        byFirst.Add(Lines[i].Points.front(), i);
        byLast.Add(Lines[i].Points.back(), i);
    }
    std::vector<bool> emitted(Lines.size(), false);
    for (size_t i = 0; i < Lines.size(); ++i) {
        if (emitted[i]) continue;
        if (ReportProgress(OnProgress, "Zeichne Linien", int64_t(i), int64_t(Lines.size()))) {
            svg.EndGroup();
            return false;
        }
        std::vector<Point> chain = Lines[i].Points;
        emitted[i] = true;
        while (!chain.empty()) {
            // The first later line that continues the chain, by its first point or else by
            // its last point, in list order.
            std::optional<size_t> forward = byFirst.First(chain.back(), emitted);
            std::optional<size_t> backward = byLast.First(chain.back(), emitted);
            if (!forward && !backward) break;
            bool useForward = forward && (!backward || *forward <= *backward);
            size_t j = useForward ? *forward : *backward;
            const std::vector<Point>& next = Lines[j].Points;
            if (useForward)
                chain.insert(chain.end(), next.begin() + 1, next.end());
            else
                chain.insert(chain.end(), next.rbegin() + 1, next.rend());
            emitted[j] = true;
        }
        for (Point& p : chain) p = {p.x + offsetX, p.y + offsetY};
        svg.Polyline(chain.data(), static_cast<int>(chain.size()) - 1);
    }
    svg.EndGroup();
    return true;
}

}  // namespace qv
