# Sanitizer builds apply to every target, third-party code included, so that the runtime
# sees every allocation and every access.
if(VELTRANE_SANITIZER STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
elseif(VELTRANE_SANITIZER STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(VELTRANE_SANITIZER STREQUAL "fuzzer")
  # Coverage for libFuzzer in every object; only the harnesses link the fuzzer's main
  # (fuzz/CMakeLists.txt). Needs clang.
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELTRANE_SANITIZER=fuzzer needs clang (the fuzz preset uses clang++-14)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
elseif(NOT VELTRANE_SANITIZER STREQUAL "")
  message(FATAL_ERROR "VELTRANE_SANITIZER must be '', 'address', 'thread' or 'fuzzer'")
endif()
