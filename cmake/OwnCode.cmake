# Warnings are errors in TELLAN's own code; third-party headers are included
# as system headers and stay out of it.
function(tellan_own_code target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Werror)
  endif()
endfunction()
