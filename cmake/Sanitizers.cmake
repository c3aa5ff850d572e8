# Every target links this PRIVATE. SANITIZE builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# stopping at the first report; FUZZ (clang) adds the coverage that the fuzz targets feed on.
option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(FUZZ "Build the libFuzzer targets (clang only)" OFF)

add_library(sanitizers INTERFACE)
if(SANITIZE)
  target_compile_options(sanitizers INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                              -fno-omit-frame-pointer)
  target_link_options(sanitizers INTERFACE -fsanitize=address,undefined)
  target_compile_definitions(sanitizers INTERFACE SANITIZED_BUILD)
endif()
if(FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FUZZ needs clang")
  endif()
  target_compile_options(sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()
