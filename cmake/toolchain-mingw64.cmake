# Cross build of the 64-bit Windows program with MinGW-w64; its tests run
# under Wine in a win64 prefix, which runs 32-bit programs too.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QS_MINGW_TRIPLE x86_64-w64-mingw32)
set(QS_WINEARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
