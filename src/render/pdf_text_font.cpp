// Reading the text font's tables through QRawFont.
#include "render/pdf_text_font.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include "data/error.h"
#include "render/text_metrics.h"

namespace qv {
namespace {

// What a subset is made of; the other tables stay behind.
constexpr const char* kTags[] = {"head", "hhea", "maxp", "loca", "glyf", "hmtx",
                                 "OS/2", "cvt ", "fpgm", "prep", "gasp", "post"};

// Letters, digits, "-", "_" and "." only: a PDF name needs nothing escaped then.
std::string NameCharacters(const QString& text)
{
    std::string out;
    for (QChar c : text)
        if ((c.isLetterOrNumber() && c.unicode() < 0x80) || c == u'-' || c == u'_' || c == u'.')
            out += char(c.unicode());
    return out;
}

}  // namespace

PdfTextFont::PdfTextFont() : m_font(QRawFont::fromFont(MakeQFont(FontSpec{})))
{
    for (const char* tag : kTags) {
        QByteArray table = m_font.isValid() ? m_font.fontTable(tag) : QByteArray();
        if (!table.isEmpty()) m_tables[tag] = table.toStdString();
    }
    if (!m_tables.contains("glyf") || !m_tables.contains("loca"))
        throw Error("Für den PDF-Text fehlt eine TrueType-Schrift zu \"" + FontSpec{}.name +
                    "\" (etwa Liberation Sans).");
    m_postScriptName = NameCharacters(m_font.familyName());
    if (m_font.styleName() != QStringLiteral("Regular"))
        m_postScriptName += "-" + NameCharacters(m_font.styleName());
}

uint16_t PdfTextFont::GlyphOf(char16_t unit) const
{
    QList<quint32> glyphs = m_font.glyphIndexesForString(QString(QChar(unit)));
    return glyphs.size() == 1 && glyphs[0] <= 0xFFFF ? uint16_t(glyphs[0]) : 0;
}

}  // namespace qv
