# Running the cross-built tests under Wine: every test gets the same private
# prefix in the build folder, prepared once by the fixture test wine_prefix.
set(TELLAN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TELLAN_WINE_ENVIRONMENT
  "WINEPREFIX=${TELLAN_WINEPREFIX}"
  "WINEDEBUG=-all"
  "WINEDLLOVERRIDES=mscoree,mshtml=")

# The shipping build's programs are 32-bit: they run as WOW64 processes of the
# 64-bit prefix, through Wine's 32-bit loader. On a machine whose kernel runs
# no 32-bit programs that loader cannot start, and every one of those tests
# ends with this status, which ctest reports as skipped, never as passed.
set(TELLAN_WINE_SKIP_STATUS 77)
set(wine_skip_options)
set(wine_prefix_skip_options)
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_CROSSCOMPILING_EMULATOR)
  set(wine_skip_options --skip-unrunnable ${TELLAN_WINE_SKIP_STATUS})
  set(wine_prefix_skip_options ${CMAKE_CROSSCOMPILING_EMULATOR} ${TELLAN_WINE_SKIP_STATUS})
endif()

# The test programs are started through a launcher that starts one again when
# Wine died before its main ran (see wine-launch.sh).
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    bash ${CMAKE_CURRENT_LIST_DIR}/wine-launch.sh ${wine_skip_options} ${CMAKE_CROSSCOMPILING_EMULATOR})
endif()

add_test(NAME wine_prefix
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh ${TELLAN_WINEPREFIX} ${wine_prefix_skip_options})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine LABELS wine
  SKIP_RETURN_CODE ${TELLAN_WINE_SKIP_STATUS})

# Gives a test the prefix and the fixture that prepares it.
function(tellan_wine_environment test)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "${TELLAN_WINE_ENVIRONMENT}"
    FIXTURES_REQUIRED wine
    SKIP_RETURN_CODE ${TELLAN_WINE_SKIP_STATUS}
    TIMEOUT 600)
endfunction()
