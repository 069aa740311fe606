// Path data: each command as absolute or relative text, whichever is shorter.
#include "render/svg_path_rewrite.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "render/svg_numbers.h"

namespace qv {
namespace {

constexpr std::string_view kAllowed = " ,-.0123456789MLHVZAmlhvza";

struct FPoint {
    float x;
    float y;
};

// Numbers after a command letter: a blank separates them unless the next one is negative.
std::string Command(char letter, std::initializer_list<float> numbers)
{
    std::string text(1, letter);
    bool first = true;
    for (float n : numbers) {
        std::string number = RealText(n, 3);
        if (!first && number[0] != '-') text += ' ';
        text += number;
        first = false;
    }
    return text;
}

bool PrintsZero(float value)
{
    return RealText(value, 3) == "0";
}

const std::string& Shorter(const std::string& absolute, const std::string& relative)
{
    return relative.size() < absolute.size() ? relative : absolute;
}

class PathRewriter {
public:
    explicit PathRewriter(std::string_view data) : m_data(data) {}
    // False when a number stands where a command letter belongs.
    bool Run();
    const std::string& Result() const { return m_out; }

private:
    float Number() { return static_cast<float>(ReadPathNumber(m_data, m_pos, m_data)); }
    void Move(bool relative);
    void LineTo(bool relative);
    void Arc(bool relative);

    std::string_view m_data;
    size_t m_pos = 0;
    std::string m_out;
    FPoint m_current{std::numeric_limits<float>::infinity(),
                     std::numeric_limits<float>::infinity()};
    FPoint m_start = m_current;
    bool m_first = true;
};

bool PathRewriter::Run()
{
    while (true) {
        while (m_pos < m_data.size() && (m_data[m_pos] == ' ' || m_data[m_pos] == ',')) ++m_pos;
        if (m_pos == m_data.size()) return true;
        char c = m_data[m_pos++];
        switch (c) {
            case 'M':
            case 'm':
                Move(c == 'm');
                break;
            case 'L':
            case 'l':
                LineTo(c == 'l');
                break;
            case 'H':
            case 'h': {
                float x = Number() + (c == 'h' ? m_current.x : 0);
                m_out += Shorter(Command('H', {x}), Command('h', {x - m_current.x}));
                m_current.x = x;
                break;
            }
            case 'V':
            case 'v': {
                float y = Number() + (c == 'v' ? m_current.y : 0);
                m_out += Shorter(Command('V', {y}), Command('v', {y - m_current.y}));
                m_current.y = y;
                break;
            }
            case 'Z':
            case 'z':
                m_out += 'Z';
                m_current = m_start;
                break;
            case 'A':
            case 'a':
                Arc(c == 'a');
                break;
            default:
                return false;
        }
        m_first = false;
    }
}

void PathRewriter::Move(bool relative)
{
    float dx = Number(), dy = Number();
    // A leading relative move counts from the origin, as SVG defines it.
    FPoint p = relative && !m_first ? FPoint{m_current.x + dx, m_current.y + dy} : FPoint{dx, dy};
    std::string absolute = Command('M', {p.x, p.y});
    if (m_first) {
        m_out += absolute;
    } else {
        float rx = p.x - m_current.x, ry = p.y - m_current.y;
        std::string rel = PrintsZero(rx) && PrintsZero(ry) ? std::string() : Command('m', {rx, ry});
        m_out += Shorter(absolute, rel);
    }
    m_current = m_start = p;
}

void PathRewriter::LineTo(bool relative)
{
    float x = Number(), y = Number();
    if (relative) {
        x += m_current.x;
        y += m_current.y;
    }
    float dx = x - m_current.x, dy = y - m_current.y;
    std::string absolute = PrintsZero(dx)   ? Command('V', {y})
                           : PrintsZero(dy) ? Command('H', {x})
                                            : Command('L', {x, y});
    std::string rel = PrintsZero(dx)   ? Command('v', {dy})
                      : PrintsZero(dy) ? Command('h', {dx})
                                       : Command('l', {dx, dy});
    m_out += Shorter(absolute, rel);
    m_current = {x, y};
}

void PathRewriter::Arc(bool relative)
{
    float rx = Number(), ry = Number(), rotation = Number(), large = Number(), sweep = Number();
    float x = Number(), y = Number();
    if (relative) {
        x += m_current.x;
        y += m_current.y;
    }
    m_out +=
        Shorter(Command('A', {rx, ry, rotation, large, sweep, x, y}),
                Command('a', {rx, ry, rotation, large, sweep, x - m_current.x, y - m_current.y}));
    m_current = {x, y};
}

}  // namespace

std::optional<std::string> RewritePathData(std::string_view data)
{
    if (data.empty() || data.find_first_not_of(kAllowed) != std::string_view::npos)
        return std::nullopt;
    PathRewriter rewriter(data);
    if (!rewriter.Run()) return std::nullopt;
    return rewriter.Result();
}

std::string RewritePathLine(std::string line)
{
    size_t open = line.find("<path d=\"");
    if (open == std::string::npos) return line;
    size_t start = open + 9;
    size_t close = line.find('"', start);
    if (close == std::string::npos) return line;
    if (auto data = RewritePathData(std::string_view(line).substr(start, close - start)))
        line.replace(start, close - start, *data);
    return line;
}

}  // namespace qv
