# The 64-bit twin of the Windows build, whose tests run under wine64: the
# same tests as the shipping build's, on every machine that has Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TELLAN_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

find_program(TELLAN_WINE64 NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TELLAN_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TELLAN_WINE64})
endif()
