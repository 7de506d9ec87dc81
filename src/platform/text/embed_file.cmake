# Writes a C++ source that holds the bytes of INPUT and returns them from FUNCTION, declared in
# HEADER (a header of platform/text/).
# Usage: cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -DHEADER=<name.h> -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
  message(FATAL_ERROR "embed_file: ${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "#include \"platform/text/${HEADER}\"\n\n"
  "namespace platform {\n\n"
  "namespace {\nconst std::uint8_t file_bytes[] = {\n${bytes}\n};\n}  // namespace\n\n"
  "std::span<const std::uint8_t> ${FUNCTION}() { return file_bytes; }\n\n"
  "}  // namespace platform\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
