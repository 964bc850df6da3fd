# Install-time step: makes bin/pc-kestalon a relative symbolic link to the installed game.
# Expects KESTALON_LAUNCHER_DIR and KESTALON_LAUNCHER_TARGET, each relative to the
# installation prefix or absolute, and honours DESTDIR and a prefix given to cmake --install.
foreach(var IN ITEMS KESTALON_LAUNCHER_DIR KESTALON_LAUNCHER_TARGET)
  if(IS_ABSOLUTE "${${var}}")
    set(${var}_FULL "${${var}}")
  else()
    set(${var}_FULL "${CMAKE_INSTALL_PREFIX}/${${var}}")
  endif()
endforeach()

# Relative, so that the installed tree still works when it is moved or staged with DESTDIR.
file(RELATIVE_PATH link_value "${KESTALON_LAUNCHER_DIR_FULL}" "${KESTALON_LAUNCHER_TARGET_FULL}")
set(link_path "$ENV{DESTDIR}${KESTALON_LAUNCHER_DIR_FULL}/pc-kestalon")

message(STATUS "Installing: ${link_path} -> ${link_value}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${KESTALON_LAUNCHER_DIR_FULL}")
file(REMOVE "${link_path}")
file(CREATE_LINK "${link_value}" "${link_path}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link_path}")
