// UTF-16 text of the render layer as QString.
#pragma once

#include <string_view>

#include <QString>

namespace qv {

inline QString QStringFromUtf16(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

}  // namespace qv
