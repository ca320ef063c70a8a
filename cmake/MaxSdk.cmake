# veltrane_sdk: what the plug-in compiles and links against. The stand-in host by default;
# with VELTRANE_MAX_SDK_DIR, the real SDK's headers and the import libraries of the host
# DLLs the plug-in calls (core, geom, maxutil, paramblk2).
add_library(veltrane_sdk INTERFACE)
if(VELTRANE_MAX_SDK_DIR)
  set(_sdk_lib_dir ${VELTRANE_MAX_SDK_DIR}/lib/x64/Release)
  foreach(_lib core geom maxutil paramblk2)
    if(NOT EXISTS ${_sdk_lib_dir}/${_lib}.lib)
      message(FATAL_ERROR "VELTRANE_MAX_SDK_DIR: ${_sdk_lib_dir}/${_lib}.lib not found")
    endif()
    target_link_libraries(veltrane_sdk INTERFACE ${_sdk_lib_dir}/${_lib}.lib)
  endforeach()
  target_include_directories(veltrane_sdk SYSTEM INTERFACE ${VELTRANE_MAX_SDK_DIR}/include)
  # The SDK is a Unicode-only, x64, release-CRT build.
  target_compile_definitions(veltrane_sdk INTERFACE UNICODE _UNICODE NOMINMAX)
elseif(TARGET veltrane_host)
  target_link_libraries(veltrane_sdk INTERFACE veltrane_host)
endif()
