# Warnings are errors in TELLAN's own code; third-party headers are included
# as system headers and stay out of it.
function(tellan_own_code target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      # Clang judges a class by one OS's sources: members that only the
      # Windows window host uses look unused to it on Linux.
      target_compile_options(${target} PRIVATE -Wno-unused-private-field)
    endif()
  endif()
endfunction()
