# 64-bit Windows, built and tested beside the shipped 32-bit target.
set(MOLVANE_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
