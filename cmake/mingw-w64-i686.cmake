# Cross toolchain: the 32-bit Windows tree (build/win32).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KX_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
