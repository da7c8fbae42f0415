# cmake -DOUTPUT=file.cpp -DASSETS="PATH|FILE|TYPE;..." -P EmbedPage.cmake
#
# Writes a C++ source that defines hurricane::server::page_assets() (server/page_assets.h):
# each FILE's bytes as an array, served at PATH as UTF-8 text of the type TYPE ("text/css").
# Run at build time, so an edit of the page rebuilds the program.
set(arrays "")
set(entries "")
set(index 0)
foreach(asset IN LISTS ASSETS)
  string(REPLACE "|" ";" fields "${asset}")
  list(GET fields 0 path)
  list(GET fields 1 file)
  list(GET fields 2 type)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  # Forty bytes a line keep the generated source readable in an editor.
  string(REGEX REPLACE "(('[^']+',){40})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "constexpr char kAsset${index}[${size} + 1] = {\n    ${bytes}'\\0'};\n")
  string(APPEND entries "    {\"${path}\", \"${type}; charset=utf-8\", {kAsset${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(source "// Generated from src/server/page/ by cmake/EmbedPage.cmake; do not edit.
#include \"server/page_assets.h\"

namespace hurricane::server {

namespace {

${arrays}
constexpr PageAsset kAssets[] = {
${entries}};

}  // namespace

std::span<const PageAsset> page_assets() { return kAssets; }

}  // namespace hurricane::server
")
# Rewritten only when it changes, so an unchanged page recompiles nothing.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL source)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${source}")
