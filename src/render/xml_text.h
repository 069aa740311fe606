// Text made safe for an XML document: escaped, malformed UTF-8 mended, forbidden characters out.
#pragma once

#include <string>
#include <string_view>

namespace qv {

struct XmlTextOptions {
    // Escape '"' as well, for attribute values and for the SVG writer's text elements.
    bool quotes = true;
    // Keep line feeds, carriage returns and tabs; otherwise only tabs stay.
    bool lineBreaks = false;
};

// Appends text with "&", "<", ">" (and '"') escaped. A byte that does not start a valid UTF-8
// sequence becomes U+FFFD; control characters, U+FFFE and U+FFFF, which no XML document may
// hold, are left out.
void AppendXmlText(std::string& out, std::string_view text, XmlTextOptions options = {});

// Appends one character the same way; code points XML forbids are left out.
void AppendXmlCharacter(std::string& out, char32_t codePoint, XmlTextOptions options = {});

}  // namespace qv
