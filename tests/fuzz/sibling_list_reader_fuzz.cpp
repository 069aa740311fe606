// libFuzzer target: arbitrary bytes must never crash or hang the sibling-list reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/ahnen_data.h"
#include "data/error.h"
#include "data/sibling_groups.h"
#include "data/sibling_list_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    try {
        qv::TAhnenData data = qv::ReadSiblingList(
            std::string_view(reinterpret_cast<const char*>(bytes), size), "fuzz.txt");
        if (data.Persons.empty() || data.Persons[0].Id != "I1") __builtin_trap();
        const auto count = static_cast<int64_t>(data.Persons.size());
        for (const qv::TFamilie& f : data.Families)
            if (f.Husband >= count || f.Wife >= count) __builtin_trap();
        qv::BuildSiblingGroups(data, 0);
    } catch (const qv::Error&) {
        // Numbers outside the model and surplus names are rejected with a message.
    }
    return 0;
}
