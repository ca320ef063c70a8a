# The MinGW-w64 cross build for Windows (cmake/toolchains/mingw-w64.cmake), run under Wine.
# Included by the top-level CMakeLists.txt for a Windows target built by GCC.
if(NOT (WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU"))
  return()
endif()

enable_language(RC)
# windres reads the UTF-8 script as code page 65001 only when told; otherwise it silently
# turns µ and ± into mojibake.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Windows headers as the SDK builds with them: Unicode, no min/max macros.
add_compile_definitions(UNICODE _UNICODE NOMINMAX)

# Programs and DLLs in one folder, as installed: Windows finds a program's DLLs beside it.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# No Google Benchmark for MinGW here; the benchmarks measure the Linux build.
set(VELTRANE_BUILD_BENCH OFF CACHE BOOL "" FORCE)

# Every test program runs under Wine, in one Wine prefix inside the build folder that the
# test run creates fresh and removes at its end (tests/CMakeLists.txt adds the fixture).
set(VELTRANE_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run)
set(VELTRANE_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELTRANE_WINE_RUN} ${VELTRANE_WINE_PREFIX})

# The fixture: the first test creates the prefix afresh, the last removes it (with its
# wineserver). Every test requires it: veltrane_add_test passes VELTRANE_TEST_PROPERTIES.
# Wine hands the addresses that ShellExecuteW opens to xdg-open: a recording fake comes first
# on PATH, so that no test reaches a browser.
set(VELTRANE_FAKE_XDG_OPEN_DIR ${PROJECT_SOURCE_DIR}/tests/windows/fake-xdg-open)
set(VELTRANE_TEST_PROPERTIES FIXTURES_REQUIRED wine_prefix
    ENVIRONMENT_MODIFICATION PATH=path_list_prepend:${VELTRANE_FAKE_XDG_OPEN_DIR})
function(veltrane_add_wine_prefix_fixture)
  add_test(NAME wine_prefix_create COMMAND ${VELTRANE_WINE_RUN} --fresh ${VELTRANE_WINE_PREFIX})
  add_test(NAME wine_prefix_remove COMMAND ${VELTRANE_WINE_RUN} --reset ${VELTRANE_WINE_PREFIX})
  set_tests_properties(wine_prefix_create PROPERTIES FIXTURES_SETUP wine_prefix LABELS windows)
  set_tests_properties(wine_prefix_remove PROPERTIES FIXTURES_CLEANUP wine_prefix LABELS windows)
endfunction()
if(VELTRANE_BUILD_TESTS)
  cmake_language(DEFER CALL veltrane_add_wine_prefix_fixture)
endif()

# GoogleTest and CLI11 are not packaged for MinGW: GoogleTest is built from Debian's sources
# (package googletest) and CLI11 is header-only (package libcli11-dev). find_package() looks
# in CMAKE_FIND_PACKAGE_REDIRECTS_DIR first, so these small config files answer it.
if(VELTRANE_BUILD_TESTS)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/gtest-config.cmake
       "# GoogleTest built from source by cmake/MinGW.cmake\nset(GTest_FOUND TRUE)\n")
endif()
if(VELTRANE_BUILD_TOOLS)
  # Only the CLI folder, not all of /usr/include, goes on the include path.
  set(cli11_include ${PROJECT_BINARY_DIR}/cli11-include)
  file(MAKE_DIRECTORY ${cli11_include})
  file(CREATE_LINK /usr/include/CLI ${cli11_include}/CLI SYMBOLIC)
  add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
  target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${cli11_include})
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/cli11-config.cmake
       "# CLI11 headers set up by cmake/MinGW.cmake\nset(CLI11_FOUND TRUE)\n")
endif()
