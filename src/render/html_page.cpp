// Assembling the HTML page.
#include "render/html_page.h"

namespace qv {
namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

void Append(std::vector<std::string>& page, const std::vector<std::string>& lines)
{
    page.insert(page.end(), lines.begin(), lines.end());
}

}  // namespace

std::vector<std::string> HeaderCommentLines(const HtmlPageComments& comments)
{
    std::vector<std::string> lines;
    if (comments.headline) {
        lines.push_back("<font style=\"font-family:Arial;font-size:" +
                        std::to_string(comments.fontSize) + "pt\">");
        Append(lines, *comments.headline);
        lines.push_back("</font>");
    }
    if (comments.header) Append(lines, *comments.header);
    return lines;
}

std::vector<std::string> BuildHtmlPage(const TScalableVectorGraphics& svg,
                                       const HtmlPageComments& comments)
{
    std::vector<std::string> svgLines = SplitLines(svg.SaveToString());
    std::vector<std::string> page = {
        "<!DOCTYPE HTML>",
        "<html>",
        "<head>",
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-8\">",
        "</head>",
        "<body>"};
    Append(page, HeaderCommentLines(comments));
    // Without the XML declaration and the document type line: the page embeds <svg> directly.
    if (svgLines.size() > 2) page.insert(page.end(), svgLines.begin() + 2, svgLines.end());
    if (comments.footer) Append(page, *comments.footer);
    page.push_back("</body>");
    page.push_back("</html>");
    return page;
}

}  // namespace qv
