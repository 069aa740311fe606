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
        {"\xE8"
         "a",
         "\xC3\xA4"},  // diaeresis + a = ä
        {"M\xE8uller", "M\xC3\xBCller"},
        {"\xE2"
         "e",
         "\xC3\xA9"},  // acute + e = é
        {"\xF0"
         "c",
         "\xC3\xA7"},                      // cedilla + c = ç
        {"\xB2", "\xC3\xB8"},              // ø
        {"\xA1\xB1", "\xC5\x81\xC5\x82"},  // Ł ł
        {"\xCF", "\xC3\x9F"},              // ß
        {"\xE8"
         "q",
         "q\xCC\x88"},  // no precomposed form: q + U+0308
        {"\x80\xAF\xBB\xC7\xD0\xFD\xFF\xA0", "????????"},
        {"x\xE8", "\xE1\xBA\x8D"},  // a mark in last place stays there
        // Stacked marks all follow the base letter, in their order: u + U+0308 + U+0301 = ǘ.
        {"\xE8\xE2"
         "u",
         "\xC7\x98"},
        {"\xE8\xE2"
         "a",
         "\xC3\xA4\xCC\x81"},  // ä + U+0301
        {"\xE1\xE8\xE2"
         "ab",
         "\xC3\xA0\xCC\x88\xCC\x81"
         "b"},
        {"\xE8\xE2", "\xCC\x88\xCC\x81"},  // marks without a base stay
        {"x\xE8\xE2", "\xE1\xBA\x8D\xCC\x81"},
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
