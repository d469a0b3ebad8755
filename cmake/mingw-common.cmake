# What the toolchain files of both Windows builds share; each sets
# QS_MINGW_TRIPLE (the compilers' prefix) first, and QS_WINEARCH when its
# tests need that architecture of Wine prefix.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix thread variant: the -win32 one has no std::mutex and cannot build GoogleTest.
set(CMAKE_C_COMPILER ${QS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QS_MINGW_TRIPLE}-windres)
# Resource scripts are UTF-8 like the sources; windres turns their strings into code page 932.
set(CMAKE_RC_FLAGS_INIT "-c 65001")

# Headers, libraries and packages come from the MinGW tree only, never from Linux.
set(CMAKE_FIND_ROOT_PATH /usr/${QS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs each .exe with wine inside a private Wine environment; under an
# outer tools/with-wine the wrapper reuses that one instead of starting
# another, and refuses one of the wrong architecture.
get_filename_component(QS_REPO_DIR "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${QS_REPO_DIR}/tools/with-wine;wine")
if(QS_WINEARCH)
    list(PREPEND CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env QS_WINEARCH=${QS_WINEARCH})
endif()
