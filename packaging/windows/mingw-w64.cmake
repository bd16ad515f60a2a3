# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The -posix compilers carry
# the thread model that std::thread and Qt need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VARNEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNEL_MINGW_TRIPLE}-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)
set(CMAKE_FIND_ROOT_PATH /usr/${VARNEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Windows builds of Qt and libjpeg that scripts/windows-deps made live in one prefix;
# searches look there as well as in MinGW's own root.
if(DEFINED ENV{VARNEL_WINDOWS_DEPS})
    set(VARNEL_WINDOWS_DEPS "$ENV{VARNEL_WINDOWS_DEPS}" CACHE PATH "Windows dependencies prefix")
endif()
if(VARNEL_WINDOWS_DEPS)
    list(APPEND CMAKE_FIND_ROOT_PATH "${VARNEL_WINDOWS_DEPS}")
    list(APPEND CMAKE_PREFIX_PATH "${VARNEL_WINDOWS_DEPS}")
endif()
