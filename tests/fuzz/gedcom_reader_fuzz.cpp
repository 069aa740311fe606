// libFuzzer target: arbitrary bytes must never crash the reader or the model built from it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/ahnen_data.h"
#include "data/error.h"
#include "data/gedcom_reader.h"
#include "data/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    try {
        qv::TGedcom tree = qv::LoadGedcomBytes(std::string(reinterpret_cast<const char*>(bytes), size));
        qv::TAhnenData data(tree, "fuzz.ged");
        for (const qv::TPerson& p : data.Persons) {
            if (!qv::IsValidUtf8(p.GivenNames) || !qv::IsValidUtf8(p.Surname)) __builtin_trap();
        }
    } catch (const qv::Error&) {
        // Rejected input is the expected outcome for most random bytes.
    }
    return 0;
}
