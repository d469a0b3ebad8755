# Cross build of the 32-bit Windows program with MinGW-w64; its tests run under Wine, in a win32 prefix
# or inside an outer environment of either architecture.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QS_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
