// Save-dialog filters and the extension rule.
#include "app/save_formats.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SaveFormats, FiltersFollowTheOutputsOrder)
{
    std::vector<SaveFilter> filters = SaveFilters(kTableFormats);
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].caption, "Microsoft Excel-Arbeitsmappe (*.xlsx)");
    EXPECT_EQ(filters[1].caption, "Microsoft Word-Dokument (*.docx)");
    EXPECT_EQ(filters[2].caption, "HTML-Dokument (*.html; *.htm)");
    EXPECT_EQ(SaveFilters(kTreeChartFormats)[3].caption,
              "Scalable Vector Graphics (interaktiv) (*.svg)");
    EXPECT_EQ(FilterExtensions(filters[2]), (std::vector<std::string>{".html", ".htm"}));
}

TEST(SaveFormats, DialogReportsAreMatchedInFullOrShortenedForm)
{
    const std::vector<SaveFilter> tree = SaveFilters(kTreeChartFormats);
    EXPECT_EQ(DialogNameFilter(tree[5]), "HTML-Dokument (*.html; *.htm) (*.html *.htm)");
    struct Case {
        const char* reported;
        const char* typed;
        int index;
    } cases[] = {
        {"Portable Network Graphics (*.png) (*.png)", "/a/b.svg", 0},
        {"Scalable Vector Graphics (*.svg)", "/a/b.svg", 2},
        {"Scalable Vector Graphics (interaktiv) (*.svg)", "/a/b.svg", 3},
        {"Scalable Vector Graphics (interaktiv) (*.svg) (*.svg)", "/a/b", 3},
        {"HTML-Dokument (interaktiv) (*.html; *.htm) (*.html *.htm)", "/a/b", 6},
        {"HTML-Dokument (*.html; *.htm) ", "/a/b.pdf", 5},
        // Reports no entry matches: the typed extension decides, else the first entry.
        {"Scalable Vector Graphics", "/a/b.pdf", 4},
        {"", "/a.x/b.htm", 5},
        {"", "/a/b.PDF", 0},
        {"", "/a.pdf/b", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.reported) + " " + c.typed);
        EXPECT_EQ(DialogFilterIndex(tree, c.reported, c.typed), c.index);
    }
}

TEST(SaveFormats, ExtensionRuleComparesExactly)
{
    const std::vector<std::string> png = {".png"}, html = {".html", ".htm"};
    struct Case {
        const char* typed;
        const std::vector<std::string>& extensions;
        const char* saved;
    } cases[] = {
        {"tafel", png, "tafel.png"},
        {"tafel.PNG", png, "tafel.png"},
        {"tafel.png", png, "tafel.png"},
        {"tafel.bmp", png, "tafel.png"},
        {"/home/x.y/tafel", png, "/home/x.y/tafel.png"},
        {"seite.htm", html, "seite.htm"},
        {"seite.txt", html, "seite.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(ApplyExtensionRule(c.typed, c.extensions), c.saved);
    }
}

}  // namespace
}  // namespace qv
