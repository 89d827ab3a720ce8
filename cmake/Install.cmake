# What `cmake --install` puts on a machine.
#
# Linux (GNUInstallDirs): bin/tellan, the stand-in imaging library in a
# private folder of the program, the shipped message files, a settings store in
# <sysconfdir>/tellan that points at them, and the manual page.
#
# Windows: the layout of the zip the product's installer takes its files from:
# tellan.exe, messages\, the stand-in VSLIB.dll in VSLIB\ (the product ships
# the real one), an example .reg file of the settings and README.txt.
include(GNUInstallDirs)

set(tellan_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(tellan_generated_dir ${PROJECT_BINARY_DIR}/packaging)
set(tellan_message_files
  ${PROJECT_SOURCE_DIR}/examples/messages/messages.xml
  ${PROJECT_SOURCE_DIR}/examples/messages/messages-neutral.xml)

if(WIN32)
  install(TARGETS tellan RUNTIME DESTINATION .)
  install(TARGETS vslib RUNTIME DESTINATION VSLIB LIBRARY DESTINATION VSLIB)
  install(FILES ${tellan_message_files} DESTINATION messages)
  # Opened by Notepad and regedit on the target machine: CR LF line ends.
  configure_file(${tellan_packaging_dir}/windows/vistello.reg
    ${tellan_generated_dir}/vistello.reg @ONLY NEWLINE_STYLE CRLF)
  configure_file(${tellan_packaging_dir}/windows/README.txt.in
    ${tellan_generated_dir}/README.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${tellan_generated_dir}/vistello.reg ${tellan_generated_dir}/README.txt
    DESTINATION .)
  return()
endif()

# The library is the program's own, not one for other programs to link, so it
# stays out of the linker's search path and the program finds it by RUNPATH.
set(tellan_private_libdir ${CMAKE_INSTALL_LIBDIR}/tellan)
file(RELATIVE_PATH tellan_bin_to_lib
  /${CMAKE_INSTALL_BINDIR} /${tellan_private_libdir})
set_target_properties(tellan PROPERTIES INSTALL_RPATH "$ORIGIN/${tellan_bin_to_lib}")
install(TARGETS tellan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vslib LIBRARY DESTINATION ${tellan_private_libdir})

set(TELLAN_INSTALL_FOLDER ${CMAKE_INSTALL_FULL_DATADIR}/tellan)
install(FILES ${tellan_message_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/tellan/messages)

# The store's path is compiled into the program (platform/posix), so it goes
# to the absolute sysconfdir: /etc for the prefix /usr, not /usr/etc.
set(TELLAN_REGISTRY_FILE ${TELLAN_DEFAULT_STORE})
string(REPLACE "\\" "\\\\" tellan_reg_install_folder "${TELLAN_INSTALL_FOLDER}")
string(REPLACE "\"" "\\\"" tellan_reg_install_folder "${tellan_reg_install_folder}")
configure_file(${tellan_packaging_dir}/registry.reg.in ${tellan_generated_dir}/registry.reg @ONLY)
install(FILES ${tellan_generated_dir}/registry.reg DESTINATION ${CMAKE_INSTALL_FULL_SYSCONFDIR}/tellan)

# Manual page and package documentation, compressed as Debian keeps them
# (-n: no name or time stamp, so that a rebuild gives the same bytes).
configure_file(${tellan_packaging_dir}/tellan.1.in ${tellan_generated_dir}/tellan.1 @ONLY)
configure_file(${tellan_packaging_dir}/changelog.in ${tellan_generated_dir}/changelog @ONLY)
find_program(TELLAN_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${tellan_generated_dir}/tellan.1.gz ${tellan_generated_dir}/changelog.gz
  COMMAND ${TELLAN_GZIP} -9nkf tellan.1 changelog
  DEPENDS ${tellan_generated_dir}/tellan.1 ${tellan_generated_dir}/changelog
  WORKING_DIRECTORY ${tellan_generated_dir}
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(tellan_documents ALL
  DEPENDS ${tellan_generated_dir}/tellan.1.gz ${tellan_generated_dir}/changelog.gz)
install(FILES ${tellan_generated_dir}/tellan.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${tellan_packaging_dir}/copyright ${tellan_generated_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tellan)
