// Reading a document the way a browser reads an SVG file: as strict XML.
#pragma once

#include <string>

#include <QByteArray>
#include <QXmlStreamReader>

namespace qv::test {

// "" for a well-formed document, else the reader's complaint with its line. A reference to
// an entity that XML does not define counts as a fault too: browsers load no DTD for it.
inline std::string XmlReaderError(const std::string& document)
{
    QXmlStreamReader reader(QByteArray::fromStdString(document));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::EntityReference)
            return "undefined entity " + reader.name().toString().toStdString();
    }
    if (!reader.hasError()) return "";
    return reader.errorString().toStdString() + " in line " + std::to_string(reader.lineNumber());
}

}  // namespace qv::test
