# Cross build for 64-bit Windows with Debian's MinGW-w64 toolchain (posix thread model, which
# has std::thread and std::mutex), run under Wine. Package: g++-mingw-w64-x86-64-posix.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELTRANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELTRANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTRANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTRANE_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${VELTRANE_MINGW_TRIPLET}-objdump)

# Libraries and headers come from the MinGW sysroot only; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VELTRANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything links the C and C++ runtimes statically: a DLL that imports MinGW's runtime
# DLLs (libstdc++-6, libgcc_s_seh-1, libwinpthread-1) fails to load where they are missing.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest (and test discovery) runs the programs through Wine: cmake/WineEmulator.cmake
# writes the launcher into the build folder.
set(VELTRANE_WINE_EMULATOR ON)
