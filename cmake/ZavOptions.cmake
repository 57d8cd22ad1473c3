# Warnings and sanitizers shared by every target.
add_compile_options(-Wall -Wextra -Wshadow)

set(ZAV_SANITIZE "" CACHE STRING "Sanitizer build: empty, asan or tsan")
if(ZAV_SANITIZE STREQUAL "asan")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  # The standard library's checked containers and iterators: a dereferenced
  # end, an out-of-range index or a bad iterator range aborts with a report.
  add_compile_definitions(_GLIBCXX_DEBUG)
  add_link_options(-fsanitize=address,undefined)
elseif(ZAV_SANITIZE STREQUAL "tsan")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT ZAV_SANITIZE STREQUAL "")
  message(FATAL_ERROR "ZAV_SANITIZE must be empty, asan or tsan")
endif()

# A shared library of ours: only marked symbols are exported, and its own
# calls bind inside itself (two of our libraries export OpenPort).
function(zav_shared_library_options target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    C_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  # Static parts (the platform layer, the C++ runtime pieces it pulls in)
  # stay private, so nothing of ours leaks and the library can be unloaded.
  target_link_options(${target} PRIVATE -Wl,-Bsymbolic -Wl,--no-undefined -Wl,--exclude-libs,ALL)
endfunction()
