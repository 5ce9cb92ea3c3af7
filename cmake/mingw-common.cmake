# Cross-compiling for Windows with Debian's MinGW-w64 (posix thread model, so that std::thread
# and std::mutex exist; the runtime DLLs are copied next to the programs). The target's
# toolchain file (mingw-i686.cmake, mingw-x86_64.cmake) sets MOLVANE_ARCH and includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MOLVANE_ARCH})
set(_triplet ${MOLVANE_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
