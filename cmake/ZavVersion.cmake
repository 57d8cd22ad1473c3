# The program's identity, generated once from project()'s version into the
# build tree: zav/version.h, for every deliverable that shows or records
# the version (windows, About box, zavdiag, zavsim, the package). Link the
# INTERFACE target zav_version to include it.
set(ZAV_COMPANY "Kestrune Ltd")
set(ZAV_PRODUCT "ZAV Diagnostics Tool")
set(ZAV_COMMENTS " RX3, RX5, RX8, TM3 USB, TM4 USB, TM6 ")
set(ZAV_FILE_DESCRIPTION "ZAV Diagnostics Tool for RX and TM validators")
# The file version as the maker writes it: minor in two digits, revision in
# four ("1.00.0004").
function(zav_zero_padded value width out)
  string(LENGTH "${value}" length)
  if(length LESS width)
    math(EXPR zeros "${width} - ${length}")
    string(REPEAT "0" ${zeros} padding)
    set(value "${padding}${value}")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
zav_zero_padded(${PROJECT_VERSION_MINOR} 2 minor)
zav_zero_padded(${PROJECT_VERSION_PATCH} 4 revision)
set(ZAV_FILE_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")

set(ZAV_GENERATED_INCLUDE_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in
               ${ZAV_GENERATED_INCLUDE_DIR}/zav/version.h @ONLY)
add_library(zav_version INTERFACE)
target_include_directories(zav_version INTERFACE ${ZAV_GENERATED_INCLUDE_DIR})
