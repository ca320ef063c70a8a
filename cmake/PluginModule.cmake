# veltrane_add_module(<name> SOURCES ... [LIBS ...])
# A module file as the host loads it: no "lib" prefix, only explicitly exported symbols
# visible, and none marked STB_GNU_UNIQUE by g++ (such a symbol makes dlclose() keep the
# module loaded, so its static data would never be destroyed and a reload would not
# initialise it afresh).
function(veltrane_add_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES})
  veltrane_module_compile_options(${name})
  set_target_properties(${name} PROPERTIES PREFIX "")
  if(WIN32)
    set_target_properties(${name} PROPERTIES SUFFIX ".dlt")
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} veltrane_warnings)
  # A symbol the host does not define must fail the link, not the load. Under clang's
  # sanitizers the runtime lives in the executable, so a module has undefined symbols.
  if(NOT MSVC AND NOT VELTRANE_SANITIZER STREQUAL "fuzzer")
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()

# Compile options of code that goes into a module (also for object libraries).
function(veltrane_module_compile_options target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fno-gnu-unique)
  endif()
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()
