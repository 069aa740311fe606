// Copying settings for a chart's private use.
#include "app/image_settings.h"

namespace qv {

void TImageSettings::Assign(const TImageSettings& source)
{
    int64_t kekuleOne = source.GetKekuleOne();
    if (this != &source) {
        Tree = source.Tree;
        Triangle = source.Triangle;
        Circle = source.Circle;
        Symbol.Radius = source.Symbol.Radius;
        Symbol.Colored = source.Symbol.Colored;
        Symbol.Filled = source.Symbol.Filled;
        NodeWidth = source.NodeWidth;
        NodeWidthOpt = source.NodeWidthOpt;
        NodeHeight = source.NodeHeight;
        NodeHeightOpt = source.NodeHeightOpt;
        FontSize = source.FontSize;
        FontAntialiasing = source.FontAntialiasing;
        FontStayOnTop = source.FontStayOnTop;
        FontHighlight = source.FontHighlight;
        OpenDirectory = source.OpenDirectory;
        SaveDirectory = source.SaveDirectory;
        CommentHeaderText = source.CommentHeaderText;
        CommentFooterText = source.CommentFooterText;
        CommentHeadlineText = source.CommentHeadlineText;
        ProbandIndex = source.ProbandIndex;
        SavedProbandIndex = source.SavedProbandIndex;
        Selected = source.Selected;
    }
    KekuleOneIndex = kekuleOne;
}

}  // namespace qv
