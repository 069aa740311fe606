# Run in script mode: writes OUTPUT, a C++ source defining SYMBOL and SYMBOL##Size from INPUT.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}.\n#include <cstddef>\nnamespace qv {\n"
    "extern const unsigned char ${SYMBOL}[];\nextern const size_t ${SYMBOL}Size;\n"
    "const unsigned char ${SYMBOL}[] = {${bytes}};\nconst size_t ${SYMBOL}Size = ${size};\n}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
