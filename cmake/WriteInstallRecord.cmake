# Runs last in an install: writes into the program folder the list of every file this install
# wrote, itself included, joined with the list an earlier install into the same prefix left
# there. A later install into another prefix never touches it, so removing what it names
# removes exactly this prefix's install (see README). A staged install (DESTDIR, as CPack makes
# for the package) is moved elsewhere by whoever staged it, so its paths would be wrong: it gets
# none. Given by the install rules: program_dir, relative to the prefix.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(record "${CMAKE_INSTALL_PREFIX}/${program_dir}/install_manifest.txt")
set(files ${CMAKE_INSTALL_MANIFEST_FILES})
if(EXISTS "${record}")
  file(STRINGS "${record}" earlier)
  list(APPEND files ${earlier})
endif()
list(APPEND files "${record}")
list(REMOVE_DUPLICATES files)
list(JOIN files "\n" text)
file(WRITE "${record}" "${text}\n")
