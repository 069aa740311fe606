// ANSEL conversion: mark reordering, the mapping table and composition.
#include "data/ansel.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Ansel, ConvertsToComposedUtf8)
{
    struct Case {
        std::string ansel;
        std::string utf8;
    } cases[] = {
        {"\xE8" "a", "\xC3\xA4"},                       // diaeresis + a = ä
        {"M\xE8uller", "M\xC3\xBCller"},
        {"\xE2" "e", "\xC3\xA9"},                       // acute + e = é
        {"\xF0" "c", "\xC3\xA7"},                       // cedilla + c = ç
        {"\xB2", "\xC3\xB8"},                           // ø
        {"\xA1\xB1", "\xC5\x81\xC5\x82"},               // Ł ł
        {"\xCF", "\xC3\x9F"},                           // ß
        {"\xE8" "q", "q\xCC\x88"},                      // no precomposed form: q + U+0308
        {"\x80\xAF\xBB\xC7\xD0\xFD\xFF\xA0", "????????"},
        {"x\xE8", "\xE1\xBA\x8D"},                      // a mark in last place stays there
        {"\xE1\xE8" "a", "\xCC\x88\xCC\x80" "a"},        // only the first of two marks moves
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.ansel));
        EXPECT_EQ(Utf8FromAnsel(c.ansel), c.utf8);
    }
}

TEST(Ansel, NormalisationKeepsEmbeddedNul)
{
    EXPECT_EQ(NormaliseNfc(std::string("a\0e\xCC\x81", 5)), std::string("a\0\xC3\xA9", 4));
}

}  // namespace
}  // namespace qv
