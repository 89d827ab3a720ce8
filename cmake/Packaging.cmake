# The packages a user installs, all carrying the one version of project():
# on Linux a Debian package, on Windows a zip (tools/make-packages.sh makes
# both). Needs the targets tellan and vslib.
include(${CMAKE_CURRENT_LIST_DIR}/Install.cmake)
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/VersionResource.cmake)
endif()

set(CPACK_PACKAGE_NAME tellan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ORDEX")
set(CPACK_PACKAGE_CONTACT "TELLAN developers <tellan@ordex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hands photo lists to the Vistello imaging library")

if(WIN32)
  # The zip holds tellan.exe exactly as the Windows tests ran and inspected it.
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(tellan_windows_arch win32)
  else()
    set(tellan_windows_arch win64)
  endif()
  set(CPACK_PACKAGE_FILE_NAME tellan-${PROJECT_VERSION}-${tellan_windows_arch})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_FULL_LIBDIR}/tellan)
  # GTK is loaded only when a box is shown on a desktop, so no library scan
  # finds it; without it the boxes go to the terminal.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libgtk-3-0)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # The summary above is the first line; this is the extended description.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "TELLAN is the hand-off program of the Vistello photo-printing product.
The product starts it with the mode word fcc and a photo list: it hands
every image named in the list to the imaging library VSLIB, starts the
library's print job and deletes the list. Problems are shown as message
boxes whose texts come from localized XML message files, found through the
settings store ${TELLAN_REGISTRY_FILE}.
.
This package holds a stand-in of the imaging library that checks the images
and writes a job manifest.")
  # The administrator's edits of the settings store survive upgrades.
  file(WRITE ${PROJECT_BINARY_DIR}/packaging/conffiles "${TELLAN_REGISTRY_FILE}\n")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/packaging/conffiles)
endif()

include(CPack)
