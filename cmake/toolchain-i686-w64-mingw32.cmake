# The shipping build: a 32-bit Windows program (PE32). Its tests run under
# Wine's 32-bit loader as WOW64 processes of a 64-bit prefix, where this
# machine can execute 32-bit programs (tests/win32/WineTests.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TELLAN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

find_program(TELLAN_WINE32 NAMES wine HINTS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TELLAN_WINE32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TELLAN_WINE32})
endif()
