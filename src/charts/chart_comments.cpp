// Comment switches and texts by chart kind.
#include "charts/chart_comments.h"

#include "app/headline.h"

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

namespace {

// The circle chart's headline uses no surname or question-mark settings.
HeadlineKind HeadlineKindOf(CommentKind kind)
{
    switch (kind) {
        case CommentKind::TreeChart: return HeadlineKind::TreeChart;
        case CommentKind::Triangle: return HeadlineKind::Triangle;
        case CommentKind::Circle: return HeadlineKind::Other;
    }
    return HeadlineKind::Other;
}

}  // namespace

HtmlPageComments CommentsOf(const TImageSettings& settings, const TAhnenData& data,
                            CommentKind kind)
{
    CommentSwitches switches = CommentSwitchesOf(settings, kind);
    HtmlPageComments comments;
    comments.fontSize = settings.FontSize;
    if (switches.headline)
        comments.headline =
            TArrayOfString{ExpandHeadline(settings.CommentHeadlineText, data, settings,
                                          HeadlineKindOf(kind))};
    if (switches.header) comments.header = settings.CommentHeaderText;
    if (switches.footer) comments.footer = settings.CommentFooterText;
    return comments;
}

std::vector<std::string> BuildHtmlPage(const TScalableVectorGraphics& svg, const TAhnenData& data,
                                       CommentKind kind, const TImageSettings& settings)
{
    return BuildHtmlPage(svg, CommentsOf(settings, data, kind));
}

}  // namespace qv
