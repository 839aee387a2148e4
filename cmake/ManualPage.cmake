# velmora_manual_page(PAGE): installs the manual page PAGE of the calling folder (a template
# whose .TH line takes @PROJECT_VERSION@) gzip-compressed into section 1, as Debian wants it;
# man reads it the same on any system. gzip -n keeps the bytes the same from build to build.
find_program(GZIP_PROGRAM gzip REQUIRED)
function(velmora_manual_page page)
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE "\\.in$" "" name ${name})
  set(configured ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(${page} ${configured} @ONLY)
  add_custom_command(OUTPUT ${configured}.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${configured} > ${configured}.gz
    DEPENDS ${configured} VERBATIM)
  add_custom_target(manual_${name} ALL DEPENDS ${configured}.gz)
  install(FILES ${configured}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
