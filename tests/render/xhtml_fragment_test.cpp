// Comment HTML turned into XHTML that an XML reader accepts and that shows what HTML shows.
#include "render/xhtml_fragment.h"

#include <random>

#include <gtest/gtest.h>

#include "xml_check.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

// The first well-formedness error of the lines inside an XHTML body, or "".
std::string XmlError(const Lines& lines)
{
    std::string document = "<body xmlns=\"http://www.w3.org/1999/xhtml\">";
    for (const std::string& line : lines) (document += line) += '\n';
    return test::XmlReaderError(document + "</body>");
}

TEST(XhtmlFragment, HtmlBecomesWellFormedXhtml)
{
    struct Case {
        const char* html;
        const char* xhtml;
    } cases[] = {
        {"Zeile 1<br>Zeile 2 & mehr", "Zeile 1<br/>Zeile 2 &amp; mehr"},
        {"<P>eins<p>zwei", "<p>eins</p><p>zwei</p>"},
        {"<p>Absatz<div>Block</div>", "<p>Absatz</p><div>Block</div>"},
        {"<b><i>fett</b>normal</i>", "<b><i>fett</i></b>normal"},
        {"</div>ohne Anfang</br>", "ohne Anfang<br/>"},
        {"a < b > c", "a &lt; b &gt; c"},
        {"&nbsp;&auml;&#228;&#xE4;&dagger;&amp;", "\u00A0\u00E4\u00E4\u00E4\u2020&amp;"},
        {"&bogus; &#0; &#xD800; &#1; &", "&amp;bogus; \uFFFD \uFFFD  &amp;"},
        {"<FONT Color=red size=2 color=blue>x", "<font color=\"red\" size=\"2\">x</font>"},
        {"<a href=\"?a=1&b=2\" title='\"q\" <>'>",
         "<a href=\"?a=1&amp;b=2\" title=\"&quot;q&quot; "
         "&lt;&gt;\"></a>"},
        {"<td nowrap x:y=1 xmlns=evil>", "<td nowrap=\"\"></td>"},
        {"<x:y>Text</x:y>", "Text"},
        {"<ul><li>a<li>b</ul>", "<ul><li>a</li><li>b</li></ul>"},
        {"<dl><dt>t<dd>d<dt>u</dl>", "<dl><dt>t</dt><dd>d</dd><dt>u</dt></dl>"},
        {"<table><tr><td>a<td>b<tr><td>c</table>",
         "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>"},
        {"<table><tr><td><p>in</td></tr></table>", "<table><tr><td><p>in</p></td></tr></table>"},
        {"<!-- alt --><!DOCTYPE html><?php x ?>sichtbar", "sichtbar"},
        {"<style>p < q { }</style>nach", "<style>p &lt; q { }</style>nach"},
        {"<script>if (a<b && c) {}", "<script>if (a&lt;b &amp;&amp; c) {}</script>"},
        {"Proband: <Proband", "Proband: "},
        {"<img src=a.png><hr/>", "<img src=\"a.png\"/><hr/>"},
        {"M\xC3\xBCller \xFF\x01\xEF\xBF\xBE!", "M\xC3\xBCller \uFFFD!"},
        {"<p>1<3</p>", "<p>1&lt;3</p>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        Lines xhtml = XhtmlFromHtml({c.html});
        EXPECT_EQ(xhtml, Lines{c.xhtml});
        EXPECT_EQ(XmlError(xhtml), "");
    }
}

TEST(XhtmlFragment, LinesStayLinesAcrossTags)
{
    EXPECT_EQ(XhtmlFromHtml({"<p>Zeile 1", "Zeile 2 & mehr", "<hr>"}),
              (Lines{"<p>Zeile 1", "Zeile 2 &amp; mehr", "</p><hr/>"}));
    EXPECT_EQ(XhtmlFromHtml({"<a", "href=x>Link</a>"}), (Lines{"<a href=\"x\">Link</a>"}));
    EXPECT_EQ(XhtmlFromHtml({}), Lines{});
}

// Random mixtures of markup pieces: whatever comes in, an XML reader takes what comes out.
TEST(XhtmlFragment, AnyMixtureOfMarkupIsWellFormed)
{
    const char* pieces[] = {"<",  ">",  "</", "/>", "&",    ";",    "#",   "x",     "p",
                            "br", "B",  " ",  "=",  "\"",   "'",    "!--", "--",    "-->",
                            "td", "li", "\n", "a:", "\xC3", "\xA4", "1",   "style", "&amp;"};
    std::mt19937 random(11);
    std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1), length(1, 40);
    for (int round = 0; round < 3000; ++round) {
        std::string html;
        for (size_t n = length(random); n > 0; --n) html += pieces[piece(random)];
        Lines xhtml = XhtmlFromHtml({html});
        ASSERT_EQ(XmlError(xhtml), "") << html;
    }
}

}  // namespace
}  // namespace qv
