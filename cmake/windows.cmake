# What the Windows build (CMakePresets.json "windows") needs beyond the
# sources: minizip's unzip, which the kit lacks; the DLLs the program and the
# tests load, copied beside them; and Wine to run the tests.
enable_language(C)
find_package(ZLIB REQUIRED)
add_subdirectory(${PROJECT_SOURCE_DIR}/third_party/minizip ${PROJECT_BINARY_DIR}/third_party/minizip)

# The runtime of the program: the Qt DLLs it links, the plugins Qt loads (the
# Windows platform and its style; offscreen for the tests and the command
# line) and the MinGW runtime. Qt finds plugins in folders beside the program.
set(velmor_qt_dlls Core Gui Widgets PrintSupport Charts OpenGL OpenGLWidgets Test)
set(velmor_qt_plugins platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll)
get_filename_component(velmor_kit ${Qt6_DIR}/../../.. ABSOLUTE)
# The compiler knows where its runtime and the MinGW libraries lie.
set(VELMOR_WINDOWS_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  list(APPEND VELMOR_WINDOWS_RUNTIME ${found})
endforeach()
foreach(module ${velmor_qt_dlls})
  list(APPEND VELMOR_WINDOWS_RUNTIME ${velmor_kit}/bin/Qt6${module}.dll)
endforeach()
foreach(file ${VELMOR_WINDOWS_RUNTIME})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "The Windows runtime file ${file} is missing")
  endif()
endforeach()

# velmor_copy_windows_runtime(<target> <folder>): the runtime above copied
# into folder at build time, so that a program built there starts as it is.
function(velmor_copy_windows_runtime target folder)
  set(outputs)
  set(commands)
  foreach(file ${VELMOR_WINDOWS_RUNTIME})
    get_filename_component(name ${file} NAME)
    list(APPEND outputs ${folder}/${name})
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${folder}/${name})
  endforeach()
  foreach(plugin ${velmor_qt_plugins})
    get_filename_component(subfolder ${plugin} DIRECTORY)
    list(APPEND outputs ${folder}/${plugin})
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/${subfolder}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${velmor_kit}/plugins/${plugin} ${folder}/${plugin})
  endforeach()
  add_custom_command(OUTPUT ${outputs} ${commands} VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
velmor_copy_windows_runtime(windows_runtime ${PROJECT_BINARY_DIR})

# The tests run under Wine, in a Wine prefix of the build folder's own (made
# on the first run), never the user's.
set(VELMOR_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/run_under_wine.sh ${VELMOR_WINE_PREFIX})
