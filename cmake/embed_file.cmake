# Turns one file into a C++ source that defines a byte array and its size, so that the
# program carries the file inside itself. Run with cmake -P:
#   -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> [-DNAMESPACE=<ns>]
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the initialiser into lines of 32 bytes so compilers and editors stay comfortable.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){32})" "\\1\n" bytes "${bytes}")
if(NOT NAMESPACE)
  set(NAMESPACE tibbo::data)
endif()
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n#include <cstdint>\n\nnamespace ${NAMESPACE} {\nextern const std::uint8_t ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}Size;\nalignas(8) const std::uint8_t ${SYMBOL}[] = {\n${bytes}\n};\nconst std::size_t ${SYMBOL}Size = ${byte_count};\n}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
