// libFuzzer target: the SVG-to-PDF converter on arbitrary document lines either refuses them
// with a message or writes a complete PDF file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "data/error.h"
#include "data/text_lines.h"
#include "render/gui_application.h"
#include "render/scalable_vector_graphics.h"
#include "render/svg_to_pdf.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qv::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider input(bytes, size);
    qv::TScalableVectorGraphics svg;
    svg.Width = input.ConsumeIntegralInRange<int32_t>(-10, 100000);
    svg.Height = input.ConsumeIntegralInRange<int32_t>(-10, 100000);
    svg.Body = qv::SplitLines(input.ConsumeRemainingBytesAsString());
    try {
        std::string pdf = qv::SvgToPdf(svg, "fuzz");
        if (!pdf.starts_with("%PDF-1.3") || !std::string_view(pdf).ends_with("%%EOF\n"))
            __builtin_trap();
    } catch (const qv::Error&) {
        // Malformed XML and unreadable numbers are refused with a message.
    }
    return 0;
}
