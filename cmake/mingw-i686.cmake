# 32-bit Windows, the shipped target.
set(MOLVANE_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
