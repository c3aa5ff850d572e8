# The programs link the C++ runtime in, which halves their start-up time and resident memory: they use
# little of it. Sanitizer builds keep it shared, as their runtimes expect.
option(LINK_RUNTIME_STATICALLY "Link libstdc++ and libgcc into the programs" ON)

# add_console_program(NAME SOURCE... [LIBRARIES lib...]): one of the suite's executables.
function(add_console_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBRARIES")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} warnings sanitizers)
  if(LINK_RUNTIME_STATICALLY AND NOT SANITIZE)
    target_link_options(${name} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
endfunction()
