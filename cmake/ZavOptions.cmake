# Warnings and sanitizers shared by every target.
add_compile_options(-Wall -Wextra -Wshadow)

set(ZAV_SANITIZE "" CACHE STRING "Sanitizer build: empty, asan, tsan or fuzz")
if(ZAV_SANITIZE STREQUAL "asan")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  # The standard library's checked containers and iterators: a dereferenced
  # end, an out-of-range index or a bad iterator range aborts with a report.
  add_compile_definitions(_GLIBCXX_DEBUG)
  add_link_options(-fsanitize=address,undefined)
elseif(ZAV_SANITIZE STREQUAL "tsan")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(ZAV_SANITIZE STREQUAL "fuzz")
  # libFuzzer's coverage on all our code; only the fuzz targets link its
  # driver (-fsanitize=fuzzer, in fuzz/).
  # The library's checked containers and iterators make a read of an
  # empty range's end a crash, which the address check alone cannot see.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined -D_GLIBCXX_DEBUG)
  add_link_options(-fsanitize=address,undefined)
elseif(NOT ZAV_SANITIZE STREQUAL "")
  message(FATAL_ERROR "ZAV_SANITIZE must be empty, asan, tsan or fuzz")
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
  target_link_options(${target} PRIVATE -Wl,-Bsymbolic -Wl,--exclude-libs,ALL)
  # clang leaves the sanitizer runtime to the executable, so a shared
  # library of the fuzz build has undefined sanitizer symbols by design.
  if(NOT ZAV_SANITIZE STREQUAL "fuzz")
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
