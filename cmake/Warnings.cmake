# Every target links this PRIVATE; CMAKE_COMPILE_WARNING_AS_ERROR (set by the presets) makes them errors.
add_library(warnings INTERFACE)
target_compile_options(warnings INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
