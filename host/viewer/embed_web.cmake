# Writes the page's files (every file directly in WEB_DIR) into a C++ table
# for host/viewer/assets.h. Run as: cmake -DWEB_DIR=... -DOUTPUT=... -P embed_web.cmake
file(GLOB names RELATIVE ${WEB_DIR} ${WEB_DIR}/*)
list(SORT names)
set(arrays "")
set(table "")
set(n 0)
foreach(name ${names})
  if(IS_DIRECTORY ${WEB_DIR}/${name})
    continue()
  endif()
  file(READ ${WEB_DIR}/${name} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "constexpr unsigned char kFile${n}[] = {${bytes}0};\n")
  string(APPEND table "    {\"${name}\", {reinterpret_cast<const char*>(kFile${n}), sizeof kFile${n} - 1}},\n")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from web/ by host/viewer/embed_web.cmake: do not edit.
#include \"viewer/assets.h\"

namespace vantor::viewer {
namespace {
${arrays}
const Asset kAssets[] = {
${table}};
}  // namespace

std::span<const Asset> WebAssets() { return kAssets; }

}  // namespace vantor::viewer
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
