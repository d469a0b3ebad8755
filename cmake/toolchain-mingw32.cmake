# Cross build of the 32-bit Windows program with MinGW-w64; its tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

# The -posix thread variant: the -win32 one has no std::mutex and cannot build GoogleTest.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
# Resource scripts are UTF-8 like the sources; windres turns their strings into code page 932.
set(CMAKE_RC_FLAGS_INIT "-c 65001")

# Headers, libraries and packages come from the MinGW tree only, never from Linux.
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs each .exe with wine inside a private Wine environment; under an
# outer tools/with-wine the wrapper reuses that one instead of starting another.
get_filename_component(QS_REPO_DIR "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${QS_REPO_DIR}/tools/with-wine;wine")
