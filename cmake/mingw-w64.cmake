# Cross-compiles the Windows program on Debian with MinGW-w64 (posix threads: std::thread and std::mutex) for
# the machine that the toolchain file including this one names in mingw_machine (x86_64 or i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${mingw_machine})
set(CMAKE_C_COMPILER ${mingw_machine}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_machine}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_machine}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_machine}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
