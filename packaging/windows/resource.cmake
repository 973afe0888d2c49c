# The Windows program's resource: its icon, the file properties Explorer
# shows (product, company, version, copyright) and its manifest. Included
# from app/CMakeLists.txt when building for Windows.
#
# The version is the project's, the product name the one the Linux menu entry
# shows, and the company and copyright line are read from
# model/text/contact_details.h, so that the file properties say what the About
# window says. The same values go into installer_defines.nsh for the installer.

set(VELMOR_PRODUCT_NAME "Velmor Cost Savings Calculator")

# contact_string(NAME OUT): the text of `inline constexpr const char *NAME = "...";`
# in model/text/contact_details.h as UTF-8. The header writes its two non-ASCII
# signs as \u escapes; any other escape would end up in the file properties
# verbatim, so it stops the configuration instead.
function(contact_string name out)
  file(STRINGS ${PROJECT_SOURCE_DIR}/model/text/contact_details.h lines REGEX "${name} = \"")
  if(NOT lines MATCHES "${name} = \"([^\"]*)\"")
    message(FATAL_ERROR "${name} not found in model/text/contact_details.h")
  endif()
  set(text "${CMAKE_MATCH_1}")
  string(REPLACE "\\u00AE" "®" text "${text}")
  string(REPLACE "\\u00A9" "©" text "${text}")
  if(text MATCHES "\\\\")
    message(FATAL_ERROR "${name} in model/text/contact_details.h has an escape the Windows resource cannot show: ${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
contact_string(kMakerName VELMOR_COMPANY_NAME)
contact_string(kCopyrightLine VELMOR_COPYRIGHT)

# Windows' version numbers have four parts; the project's may have two.
foreach(part MAJOR MINOR PATCH TWEAK)
  set(VELMOR_VERSION_${part} 0)
  if(NOT "${PROJECT_VERSION_${part}}" STREQUAL "")
    set(VELMOR_VERSION_${part} ${PROJECT_VERSION_${part}})
  endif()
endforeach()
set(VELMOR_FILE_VERSION
    "${VELMOR_VERSION_MAJOR}.${VELMOR_VERSION_MINOR}.${VELMOR_VERSION_PATCH}.${VELMOR_VERSION_TWEAK}")
set(VELMOR_ICON ${CMAKE_CURRENT_LIST_DIR}/velmor-calculator.ico)

set(windows_dir ${PROJECT_BINARY_DIR}/windows)
configure_file(${CMAKE_CURRENT_LIST_DIR}/velmor-calculator.manifest ${windows_dir}/velmor-calculator.manifest @ONLY)
set(VELMOR_MANIFEST ${windows_dir}/velmor-calculator.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/velmor-calculator.rc.in ${windows_dir}/velmor-calculator.rc @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer_defines.nsh.in ${windows_dir}/installer_defines.nsh @ONLY)

target_sources(velmor-calculator PRIVATE ${windows_dir}/velmor-calculator.rc)
# windres does not see what the resource includes: rebuild it when they change.
set_source_files_properties(${windows_dir}/velmor-calculator.rc PROPERTIES
  OBJECT_DEPENDS "${VELMOR_ICON};${VELMOR_MANIFEST}")
