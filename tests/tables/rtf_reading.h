// Reading RTF back as the details window shows it: a Qt text document.
#pragma once

#include <memory>
#include <string>

#include <QTextDocument>

#include "render/gui_application.h"
#include "tables/rtf_document.h"

namespace qv::test {

inline std::unique_ptr<QTextDocument> ReadRtf(const std::string& rtf)
{
    EnsureGuiApplication();
    auto document = std::make_unique<QTextDocument>();
    LoadRtf(rtf, *document);
    return document;
}

// The shown text; line breaks as "\n".
inline std::string RtfPlainText(const std::string& rtf)
{
    return ReadRtf(rtf)->toPlainText().toStdString();
}

}  // namespace qv::test
