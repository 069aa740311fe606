// Comment switches and texts by chart kind.
#include "charts/chart_comments.h"

namespace qv {

CommentSwitches CommentSwitchesOf(const TImageSettings& settings, CommentKind kind)
{
    switch (kind) {
        case CommentKind::TreeChart:
            return {settings.Tree.CommentHeadline, settings.Tree.CommentHeader,
                    settings.Tree.CommentFooter};
        case CommentKind::Triangle:
            return {settings.Triangle.CommentHeadline, settings.Triangle.CommentHeader,
                    settings.Triangle.CommentFooter};
        case CommentKind::Circle:
            return {settings.Circle.CommentHeadline, settings.Circle.CommentHeader,
                    settings.Circle.CommentFooter};
    }
    return {};
}

std::string JoinHeadlineLines(const TArrayOfString& lines, const TAhnenData&, const TImageSettings&,
                              CommentKind)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
    return text;
}

HtmlPageComments CommentsOf(const TImageSettings& settings, const TAhnenData& data,
                            CommentKind kind, const HeadlineExpander& expand)
{
    CommentSwitches switches = CommentSwitchesOf(settings, kind);
    HtmlPageComments comments;
    comments.fontSize = settings.FontSize;
    if (switches.headline)
        comments.headline =
            TArrayOfString{expand(settings.CommentHeadlineText, data, settings, kind)};
    if (switches.header) comments.header = settings.CommentHeaderText;
    if (switches.footer) comments.footer = settings.CommentFooterText;
    return comments;
}

std::vector<std::string> BuildHtmlPage(const TScalableVectorGraphics& svg, const TAhnenData& data,
                                       CommentKind kind, const TImageSettings& settings,
                                       const HeadlineExpander& expand)
{
    return BuildHtmlPage(svg, CommentsOf(settings, data, kind, expand));
}

}  // namespace qv
