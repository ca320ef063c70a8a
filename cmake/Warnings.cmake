# Warning flags for our own targets. Link `veltrane_warnings` privately; third-party code
# (GoogleTest, Google Benchmark, CLI11) is not held to them.
add_library(veltrane_warnings INTERFACE)
if(MSVC)
  target_compile_options(veltrane_warnings INTERFACE /W4 $<$<BOOL:${VELTRANE_WERROR}>:/WX>)
else()
  target_compile_options(veltrane_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wshadow
    # clang's -Wconversion includes sign conversions, GCC's does not; the code is held to
    # GCC's set in every build.
    $<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>
    $<$<BOOL:${VELTRANE_WERROR}>:-Werror>)
endif()

# Bit-exact single-precision arithmetic: no contraction into fused multiply-adds, no fast-math.
add_library(veltrane_fp_strict INTERFACE)
if(NOT MSVC)
  target_compile_options(veltrane_fp_strict INTERFACE -ffp-contract=off -fno-fast-math)
else()
  target_compile_options(veltrane_fp_strict INTERFACE /fp:precise)
endif()
