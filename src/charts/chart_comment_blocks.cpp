// The comment blocks of the chart base: measured and drawn as pictures, or written into SVG.
#include "charts/chart_common.h"
#include "render/html_fragment.h"
#include "render/xhtml_fragment.h"

namespace qv {

TArrayOfString TImage_Common::HeaderLines(CommentKind kind) const
{
    HtmlPageComments comments = CommentsOf(Settings, Data, kind);
    comments.footer.reset();
    return HeaderCommentLines(comments);
}

void TImage_Common::RenderComments(CommentKind kind, int width)
{
    if (m_commentsFor == std::pair(kind, width)) return;
    CommentSwitches switches = CommentSwitchesOf(Settings, kind);
    TArrayOfString header = HeaderLines(kind);
    m_header = header.empty() ? Bitmap() : RenderHtmlFragment(header, width);
    m_footer = switches.footer ? RenderHtmlFragment(Settings.CommentFooterText, width) : Bitmap();
    m_commentsFor = std::pair(kind, width);
}

CommentHeights TImage_Common::MeasureComments(CommentKind kind, int width)
{
    RenderComments(kind, width);
    return {m_header.Height(), m_footer.Height()};
}

void TImage_Common::DrawComments(Bitmap& bitmap, CommentKind kind, int width, int headerHeight,
                                 int footerHeight)
{
    RenderComments(kind, width);
    Canvas canvas(bitmap);
    if (headerHeight > 0) canvas.Draw(0, 0, m_header);
    if (footerHeight > 0) canvas.Draw(0, bitmap.Height() - footerHeight, m_footer);
}

void TImage_Common::WriteCommentsSvg(TScalableVectorGraphics& svg, CommentKind kind,
                                     int headerHeight, int footerHeight) const
{
    auto block = [&](int y, int height, const TArrayOfString& lines) {
        svg.Add("<foreignObject x=\"0\" y=\"" + std::to_string(y) + "\" width=\"" +
                std::to_string(svg.Width) + "\" height=\"" + std::to_string(height) + "\">");
        svg.Add("<body xmlns=\"http://www.w3.org/1999/xhtml\">");
        svg.AddStrings(XhtmlFromHtml(lines));
        svg.Add("</body>");
        svg.Add("</foreignObject>");
    };
    if (headerHeight > 0) block(0, headerHeight, HeaderLines(kind));
    if (footerHeight > 0 && CommentSwitchesOf(Settings, kind).footer)
        block(svg.Height - footerHeight, footerHeight, Settings.CommentFooterText);
}

}  // namespace qv
