# Writes the menu entry at install time, when the prefix is final (cmake --install --prefix P),
# so that the entry starts the installed launcher also from a prefix that is not on the PATH.
# Given by the install rules: desktop_entry_template, desktop_entry_built, launcher_dir and
# applications_dir (the last two relative to the prefix).
set(launcher "${CMAKE_INSTALL_PREFIX}/${launcher_dir}/velmora")
set(launcher_path "${launcher}")  # TryExec takes the path as a plain string, never quoted
# The entry's Exec line quotes a path with blanks; the few characters that would need escapes
# inside quotes as well are refused rather than written wrong.
if(launcher MATCHES "[\"`$\\\\]")
  message(FATAL_ERROR "The menu entry cannot name ${launcher}: choose a prefix without quotes, $, ` or \\")
elseif(launcher MATCHES "[^A-Za-z0-9_./+-]")
  set(launcher "\"${launcher}\"")
endif()
configure_file(${desktop_entry_template} ${desktop_entry_built} @ONLY)
file(INSTALL ${desktop_entry_built} DESTINATION "${CMAKE_INSTALL_PREFIX}/${applications_dir}")
