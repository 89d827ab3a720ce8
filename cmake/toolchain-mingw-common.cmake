# Shared part of the mingw-w64 cross builds; the per-architecture toolchain
# files set TELLAN_MINGW_TRIPLE and include this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

set(CMAKE_C_COMPILER ${TELLAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TELLAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TELLAN_MINGW_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${TELLAN_MINGW_TRIPLE}-dlltool CACHE FILEPATH "dlltool of the target")
set(CMAKE_OBJDUMP ${TELLAN_MINGW_TRIPLE}-objdump CACHE FILEPATH "objdump of the target")

set(CMAKE_FIND_ROOT_PATH /usr/${TELLAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The program is copied onto machines that have none of the compiler's
# runtime DLLs: the C++ runtime and winpthread are linked in statically, so
# that only system DLLs and VSLIB.dll are imported.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT
    "-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${CMAKE_SHARED_LINKER_FLAGS_INIT}")
