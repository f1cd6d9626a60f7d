# Writes one picture file as a C++ byte array: -DINPUT=<file> -DOUTPUT=<.cpp>
# -DSYMBOL=<array name>.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n#include <cstdint>\n\n"
  "namespace vclock::embedded_pictures {\n"
  "extern const std::uint8_t ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}_size;\n"
  "const std::uint8_t ${SYMBOL}[] = {${bytes}};\n"
  "const std::size_t ${SYMBOL}_size = ${size};\n"
  "}  // namespace vclock::embedded_pictures\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
