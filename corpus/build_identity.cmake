# Writes OUTPUT, a C++ source defining zapt::build_identity(): a hash of the
# files of FILES ("|"-separated), the sources of the core and the data built
# into it. A compiled corpus records the identity of the build that wrote it,
# and another build compiles the corpus again: any change to these files
# changes how a corpus may be laid out in memory or what it holds.
string(REPLACE "|" ";" files "${FILES}")
list(SORT files)
set(all "")
foreach(file ${files})
  file(SHA256 ${file} hash)
  get_filename_component(name ${file} NAME)
  string(APPEND all "${name}:${hash}\n")
endforeach()
string(SHA256 identity "${all}")
string(SUBSTRING ${identity} 0 40 identity)
set(content "// Made by CMake from the sources of the core (corpus/build_identity.cmake).
#include <string_view>
namespace zapt {
std::string_view build_identity() {
    return \"${identity}\";
}
} // namespace zapt
")
file(WRITE ${OUTPUT} "${content}")
