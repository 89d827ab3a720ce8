# The fuzzing build: every object carries libFuzzer's coverage hooks and both
# sanitizers, so that the harnesses in tests/fuzz see into the project's own
# code. It needs clang (CC=clang CXX=clang++) and a build folder of its own.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TELLAN_FUZZ needs clang: configure with CC=clang CXX=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
