// The one place where UTF-8 text of the lower layers meets QString.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace qv {

inline QString QStringFromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string Utf8FromQString(const QString& text) { return text.toStdString(); }

// Full Unicode lower-casing.
inline std::string LowerCaseUtf8(std::string_view text)
{
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii) return Utf8FromQString(QStringFromUtf8(text).toLower());
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Full Unicode upper-casing: "Strauß" becomes "STRAUSS".
inline std::string UpperCaseUtf8(std::string_view text)
{
    return Utf8FromQString(QStringFromUtf8(text).toUpper());
}

}  // namespace qv
