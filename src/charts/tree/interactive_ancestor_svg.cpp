// Writing the interactive ancestor chart: the drawn parts through the painter, with the ids
// and the script the browser works on.
#include "charts/tree/interactive_ancestor_svg.h"

#include "charts/tree/interactive_script.h"
#include "charts/tree/interactive_tree.h"
#include "charts/tree/label_placement.h"
#include "charts/tree/tree_orientation.h"
#include "render/text_metrics.h"

namespace qv {
namespace {

constexpr const char* kMenuText = "auf Heiratskreise reduzieren";

GroupStyle Attributes(std::string attributes)
{
    GroupStyle style;
    style.attributes = std::move(attributes);
    return style;
}

std::string Id(const std::string& id)
{
    return " id=\"" + id + "\"";
}

void WriteScript(TScalableVectorGraphics& svg, const std::vector<std::string>& lines)
{
    svg.Add("<script type=\"text/javascript\">");
    svg.Add("  <![CDATA[");
    svg.AddStrings(lines);
    svg.Add("  ]]>");
    svg.Add("</script>");
}

class InteractiveWriter {
public:
    InteractiveWriter(const TImage_Vorfahren& chart, ChartPainter& painter,
                      TScalableVectorGraphics& svg, const InteractiveSvgContext& context)
        : m_chart(chart),
          m_painter(painter),
          m_svg(svg),
          m_context(context),
          m_tree(BuildInteractiveTree(chart)),
          m_placement{chart.Settings.Symbol.Radius, chart.LineHeight()}
    {
    }

    bool Write();

private:
    Point NodePoint(int32_t node) const
    {
        return m_chart.OrientPoint(m_chart.PositionOf(m_tree.nodes[node].person));
    }
    void WriteLines();
    void WriteLine(const std::string& id, const ChartPolyline& line);
    bool WriteNodes();
    void WriteNode(int32_t node);
    void WriteHoverBoxes();
    void WriteContextMenu();
    void WriteMainScript();

    const TImage_Vorfahren& m_chart;
    ChartPainter& m_painter;
    TScalableVectorGraphics& m_svg;
    const InteractiveSvgContext& m_context;
    InteractiveTree m_tree;
    LabelPlacement m_placement;
};

bool InteractiveWriter::Write()
{
    if (ReportProgress(m_chart.Progress, "Vorfahren: Zeichne Linien", 0, 1)) return false;
    const Point origin = m_context.origin;
    m_painter.BeginGroup(Attributes(" transform=\"translate(" + std::to_string(origin.x) + "," +
                                    std::to_string(origin.y) + ")\""));
    WriteScript(m_svg, InteractiveDisplayScript());
    WriteLines();
    if (!WriteNodes()) return false;
    WriteHoverBoxes();
    WriteContextMenu();
    WriteMainScript();
    m_painter.EndGroup();
    return true;
}

void InteractiveWriter::WriteLine(const std::string& id, const ChartPolyline& line)
{
    m_painter.BeginGroup(Attributes(Id(id)));
    std::vector<Point> points;
    for (const Point& p : line) points.push_back(m_chart.OrientPoint(p));
    m_svg.Polyline(points.data(), int(points.size()) - 1);
    m_painter.EndGroup();
}

void InteractiveWriter::WriteLines()
{
    m_svg.Brush.Style = TSVGBrushStyle::Clear;
    m_svg.BeginGroup(kSvgFill);
    GroupStyle lines = GroupStyle().Stroke(kBlack, 1);
    lines.attributes = Id("SLines");
    m_painter.BeginGroup(lines);
    for (const InteractiveFamily& family : m_tree.families) {
        const FamilyLines lines = m_chart.LinesOf(family.family);
        const std::string prefix = "FL" + std::to_string(family.family);
        if (lines.marriage.size() == 2) {
            WriteLine(prefix + "E1", lines.marriage[0]);
            WriteLine(prefix + "E2", lines.marriage[1]);
        }
        for (const ChildLineOf& child : lines.children)
            WriteLine(prefix + "K" + std::to_string(m_tree.nodeOf[child.child]), child.line);
    }
    m_painter.EndGroup();
    m_painter.EndGroup();
}

bool InteractiveWriter::WriteNodes()
{
    // Labels let the pointer through to the lines below them; only symbols take it.
    GroupStyle nodes = GroupStyle().StrokeWidth(0).Fill(kBlack).Font();
    nodes.attributes = " style=\"pointer-events:none\"";
    m_painter.BeginGroup(nodes);
    const int64_t count = int64_t(m_tree.nodes.size());
    for (int32_t n = 0; n < count; ++n) {
        if (m_tree.nodes[n].person < 0) continue;
        if (ReportProgress(m_chart.Progress, "Vorfahren: Zeichne Symbole und Text", n, count))
            return false;
        WriteNode(n);
    }
    m_painter.EndGroup();
    return true;
}

// The node's group stands at its point; label and symbol are drawn relative to it.
void InteractiveWriter::WriteNode(int32_t node)
{
    const int64_t person = m_tree.nodes[node].person;
    const Point at = NodePoint(node);
    const std::string name = "node" + std::to_string(node);
    m_painter.BeginGroup(Attributes(Id(name) + " transform=\"translate(" + std::to_string(at.x) +
                                    "," + std::to_string(at.y) + ")\""));
    const TArrayOfString& label = m_chart.LabelOf(person);
    const TColor background = m_chart.LabelBackground(person);
    if (m_chart.Settings.FontStayOnTop && !label.empty()) {
        GroupStyle halo = GroupStyle().Stroke(background, 4).Fill(background);
        halo.attributes = " style=\"pointer-events:none\"";
        m_painter.BeginGroup(halo);
        for (size_t k = 0; k < label.size(); ++k)
            m_painter.Halo(m_placement.LinePoint({0, 0}, k), background, label[k]);
        m_painter.EndGroup();
    }
    for (size_t k = 0; k < label.size(); ++k)
        m_painter.Text(m_placement.LinePoint({0, 0}, k), label[k]);
    SymbolMark mark;
    mark.sex = m_chart.Data.Persons[person].Sex;
    mark.direction = SymbolDirection(m_chart.Settings.Tree.Alignment % 4);
    mark.attributes = Id(name + "S") + " pointer-events=\"visiblePainted\"";
    m_painter.Symbol(mark);
    m_painter.EndGroup();
}

void InteractiveWriter::WriteHoverBoxes()
{
    m_painter.BeginGroup(GroupStyle().StrokeWidth(0).Fill(kBlack).Font());
    m_svg.Add("<rect stroke-width=\"1\" fill=\"#FFF\" id=\"TextRect\"/>");
    m_painter.BeginGroup(Attributes(" style=\"pointer-events:none\""));
    const int32_t lineHeight = m_chart.LineHeight();
    for (size_t n = 0; n < m_tree.nodes.size(); ++n) {
        const int64_t person = m_tree.nodes[n].person;
        if (person < 0) continue;
        const TArrayOfString lines =
            m_context.hoverLabel ? m_context.hoverLabel(person) : m_chart.LabelOf(person);
        m_painter.BeginGroup(Attributes(Id("TextH" + std::to_string(n)) + " display=\"none\""));
        for (size_t k = 0; k < lines.size(); ++k)
            m_painter.Text({2, int32_t(k) * lineHeight + 2}, lines[k]);
        m_painter.EndGroup();
    }
    m_painter.EndGroup();
    // One line, so that saving keeps the group although the script fills it.
    m_svg.Add("<g id=\"TextP\" style=\"pointer-events:none\"></g>");
    m_painter.EndGroup();
}

// A menu of one entry with a raised border: light above and left, dark below and right.
void InteractiveWriter::WriteContextMenu()
{
    WriteScript(m_svg, InteractiveMenuScript());
    GroupStyle menu = GroupStyle().Font().Fill(kBlack);
    menu.attributes = Id("ContextMenu") + " display=\"none\"";
    m_painter.BeginGroup(menu);
    const int32_t width = m_chart.TextWidth(kMenuText) + 7;
    const int32_t height = m_chart.LineHeight() + 7;
    m_svg.Add("<rect x=\"1\" y=\"1\" width=\"" + std::to_string(width) + "\" height=\"" +
              std::to_string(height) +
              "\" fill=\"rgb(240,240,240)\" id=\"ContextMenuRect\" "
              "onmouseover=\"ContextMenuOver(this)\" onmouseout=\"ContextMenuOut(this)\"/>");
    const int32_t right = width + 1, bottom = height + 1;
    const struct {
        Point a, b;
        uint8_t grey;
    } border[] = {{{0, 0}, {right, 0}, 255},
                  {{0, 0}, {0, bottom}, 227},
                  {{right, 0}, {right, bottom}, 160},
                  {{0, bottom}, {right, bottom}, 105}};
    for (const auto& edge : border) {
        m_svg.Pen = {RgbColor(edge.grey, edge.grey, edge.grey), 2};
        const Point points[] = {edge.a, edge.b};
        m_svg.Polyline(points, 1);
    }
    m_svg.Pen = {kBlack, 0};
    m_svg.Brush = {kBlack, TSVGBrushStyle::Solid};
    m_svg.TextOut(4, 4, kMenuText, " id=\"ContextMenuText\" style=\"pointer-events:none\"");
    m_painter.EndGroup();
}

void InteractiveWriter::WriteMainScript()
{
    InteractiveFrame frame;
    frame.origin = m_context.origin;
    frame.guid = m_context.guid;
    frame.alignment = m_chart.Settings.Tree.Alignment % 4;
    frame.lineHeight = m_chart.LineHeight();
    frame.baseline = FontPixelHeight(m_chart.Settings.FontSize) - 1;
    frame.filledSymbols = m_chart.Settings.Symbol.Filled;
    std::vector<std::string> lines = InteractiveDataLines(m_chart, m_tree, frame);
    for (std::string& line : InteractiveMainScript()) lines.push_back(std::move(line));
    WriteScript(m_svg, lines);
}

}  // namespace

bool WriteInteractiveAncestors(const TImage_Vorfahren& chart, ChartPainter& painter,
                               TScalableVectorGraphics& svg, const InteractiveSvgContext& context)
{
    InteractiveWriter writer(chart, painter, svg, context);
    return writer.Write();
}

}  // namespace qv
