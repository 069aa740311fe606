// libFuzzer target: the ANSEL, single-byte and UTF-16 decoders turn any bytes into valid,
// stable UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/ansel.h"
#include "data/text_encoding.h"

namespace {

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

void CheckSingleByte(std::string_view bytes)
{
    for (auto codePage : {qv::SingleByteCodePage::Windows1252, qv::SingleByteCodePage::Cp437,
                          qv::SingleByteCodePage::Latin1})
        Check(qv::IsValidUtf8(qv::Utf8FromSingleByte(bytes, codePage)));
    // Latin-1 is the first 256 code points, so every byte comes back as its own unit.
    std::u16string units =
        qv::Utf16FromUtf8(qv::Utf8FromSingleByte(bytes, qv::SingleByteCodePage::Latin1));
    Check(units.size() == bytes.size());
    for (size_t i = 0; i < units.size(); ++i)
        Check(units[i] == static_cast<unsigned char>(bytes[i]));
    // Windows-1252 text written back as Windows-1252 keeps its length: one byte per character.
    std::string windows = qv::Utf8FromSingleByte(bytes, qv::SingleByteCodePage::Windows1252);
    Check(qv::Windows1252FromUtf8(windows).size() == bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string ansel = qv::Utf8FromAnsel(bytes);
    Check(qv::IsValidUtf8(ansel));
    Check(qv::NormaliseNfc(ansel) == ansel);
    CheckSingleByte(bytes);
    for (bool bigEndian : {false, true}) {
        std::string utf8 = qv::Utf8FromUtf16Bytes(bytes, bigEndian);
        Check(qv::IsValidUtf8(utf8));
        Check(qv::Utf8FromUtf16(qv::Utf16FromUtf8(utf8)) == utf8);
    }
    if (qv::IsValidUtf8(bytes)) {
        Check(qv::CutUtf8TailLength(bytes) == 0);
        std::string nfc = qv::NormaliseNfc(bytes);
        Check(qv::IsValidUtf8(nfc) && qv::NormaliseNfc(nfc) == nfc);
    }
    return 0;
}
