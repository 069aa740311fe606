// Reading the RTF the details window writes into a Qt text document for display.
#pragma once

#include <string_view>

class QTextDocument;

namespace qv {

// Replaces the document's contents with the RTF text: plain text with \b, \ul, \super,
// \sub, \nosupersub, \plain, \fsN, \tab, \line, \par, \'hh and \uN, in groups; other
// control words and the font table are skipped. Each text character, tab and line break
// becomes exactly one character of the document, so offsets counted while writing the RTF
// are document positions. Malformed input never fails: what cannot be read is left out.
void LoadRtf(std::string_view rtf, QTextDocument& document);

}  // namespace qv
