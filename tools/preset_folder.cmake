# Prints the build folder of a configure preset in CMakePresets.json, relative
# to the source folder, so that the Makefile need not name the folders again:
#   cmake -D PRESET=asan -P tools/preset_folder.cmake
file(READ "${CMAKE_CURRENT_LIST_DIR}/../CMakePresets.json" presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON name GET "${presets}" configurePresets ${i} name)
  if(name STREQUAL PRESET)
    string(JSON folder GET "${presets}" configurePresets ${i} binaryDir)
    string(REPLACE "\${sourceDir}/" "" folder "${folder}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${folder}")
    return()
  endif()
endforeach()
message(FATAL_ERROR "CMakePresets.json has no configure preset \"${PRESET}\"")
