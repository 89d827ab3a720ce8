# Running the cross-built tests under Wine: every test gets the same private
# prefix in the build folder, prepared once by the fixture test wine_prefix.
set(TELLAN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TELLAN_WINE_ENVIRONMENT
  "WINEPREFIX=${TELLAN_WINEPREFIX}"
  "WINEDEBUG=-all"
  "WINEDLLOVERRIDES=mscoree,mshtml=")

# The test programs are started through a launcher that starts one again when
# Wine died before its main ran (see wine-launch.sh).
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    bash ${CMAKE_CURRENT_LIST_DIR}/wine-launch.sh ${CMAKE_CROSSCOMPILING_EMULATOR})
endif()

add_test(NAME wine_prefix
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh ${TELLAN_WINEPREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine LABELS wine)

# Gives a test the prefix and the fixture that prepares it.
function(tellan_wine_environment test)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "${TELLAN_WINE_ENVIRONMENT}"
    FIXTURES_REQUIRED wine
    TIMEOUT 600)
endfunction()
