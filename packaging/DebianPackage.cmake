# The Debian package, made by CPack from the install rules (cpack -G DEB in the build folder):
# velmora_VERSION_ARCH.deb installing under /usr, its dependencies found by dpkg-shlibdeps.
set(VELMORA_MAINTAINER "Velmora maintainers <maintainers@users.noreply.c-seed-12a6e0bc.example>")

# What Debian asks of every package: the copyright and the changelog, compressed like the
# manual pages (gzip -n, so the bytes do not depend on the build's time).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velmora)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${doc_dir})
execute_process(COMMAND date -R -u -d "${VELMORA_RELEASE_DATE} 12:00" OUTPUT_VARIABLE changelog_date
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_BINARY_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hide a password-protected text message in a BMP picture")
set(CPACK_PACKAGE_DESCRIPTION [[
Velmora hides a text message, protected by a password, inside a BMP picture
and reads it back out: every step-th pixel carries one byte of the message.
The desktop program is one small window shaped like a washing machine; drop
a picture on its drum, then hide or extract. velmora-cli does the same from
the command line, for scripts.]])
# Installed with DESTDIR into the final prefix, so the rules see /usr (the menu entry names
# /usr/bin/velmora, not the staging folder).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://c-seed-12a6e0bc.example/velmora)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
