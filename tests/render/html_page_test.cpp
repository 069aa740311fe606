// The HTML page around an inline SVG chart.
#include "render/html_page.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Lines = std::vector<std::string>;

const Lines kHead = {
    "<!DOCTYPE HTML>", "<html>",
    "<head>",          "<meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-8\">",
    "</head>",         "<body>"};

TEST(HtmlPage, WithoutCommentsTheSvgFollowsTheHead)
{
    TScalableVectorGraphics svg;
    svg.Width = 20;
    svg.Height = 10;
    Point line[] = {{0, 0}, {5, 5}};
    svg.Polyline(line, 1);
    Lines page = BuildHtmlPage(svg, {});
    Lines expected = kHead;
    for (const char* line :
         {"<svg xmlns=\"http://www.w3.org/2000/svg\"",
          "     xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
          "xmlns:ev=\"http://www.w3.org/2001/xml-events\"",
          "     xml:space=\"preserve\"", "     version=\"1.1\" baseProfile=\"full\"",
          "     width=\"20px\" height=\"10px\">",
          "<g transform=\"translate(0.5,0.5)\" stroke-linejoin=\"round\" stroke-linecap=\"round\">",
          "<path d=\"M0 0L5 5\" stroke=\"#000\" stroke-width=\"1\" fill=\"none\"/>", "</g>",
          "</svg>", "</body>", "</html>"})
        expected.push_back(line);
    EXPECT_EQ(page, expected);
}

TEST(HtmlPage, CommentsStandAboveAndBelowTheChart)
{
    TScalableVectorGraphics svg;
    HtmlPageComments comments;
    comments.fontSize = 14;
    comments.headline = Lines{"<b>Ahnentafel</b>"};
    comments.header = Lines{"<p>Kopf</p>"};
    comments.footer = Lines{"<p>Fu\xC3\x9F</p>", "<hr>"};
    Lines page = BuildHtmlPage(svg, comments);
    Lines top(page.begin() + 6, page.begin() + 10);
    EXPECT_EQ(top, (Lines{"<font style=\"font-family:Arial;font-size:14pt\">", "<b>Ahnentafel</b>",
                          "</font>", "<p>Kopf</p>"}));
    EXPECT_EQ(page[10].rfind("<svg ", 0), 0u);
    Lines bottom(page.end() - 5, page.end());
    EXPECT_EQ(bottom, (Lines{"</svg>", "<p>Fu\xC3\x9F</p>", "<hr>", "</body>", "</html>"}));

    comments.headline.reset();
    EXPECT_EQ(HeaderCommentLines(comments), Lines{"<p>Kopf</p>"});
}

}  // namespace
}  // namespace qv
