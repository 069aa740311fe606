// The comment blocks of the chart base: measured as pictures, drawn through a painter.
#include "charts/chart_common.h"
#include "render/html_fragment.h"

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

void TImage_Common::DrawComments(ChartPainter& painter, CommentKind kind, int width,
                                 CommentHeights heights)
{
    RenderComments(kind, width);
    CommentBlocks blocks;
    if (heights.header > 0) blocks.header = {heights.header, HeaderLines(kind), m_header};
    if (heights.footer > 0 && CommentSwitchesOf(Settings, kind).footer)
        blocks.footer = {heights.footer, Settings.CommentFooterText, m_footer};
    painter.Comments(blocks);
}

}  // namespace qv
