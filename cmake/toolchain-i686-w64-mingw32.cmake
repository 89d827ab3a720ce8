# The shipping build: a 32-bit Windows program (PE32).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TELLAN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
