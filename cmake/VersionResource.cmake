# The version of project() in tellan.exe's VERSIONINFO, where Explorer's file
# properties and the product's installer read it.
set(TELLAN_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
if(PROJECT_VERSION_TWEAK)
  set(TELLAN_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/res/Version.rc.in ${PROJECT_BINARY_DIR}/res/Version.rc @ONLY)
target_sources(tellan PRIVATE ${PROJECT_BINARY_DIR}/res/Version.rc)
