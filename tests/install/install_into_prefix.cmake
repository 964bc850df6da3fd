# Test step: installs the build into a fresh prefix, as a player or packager would.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -P install_into_prefix.cmake
unset(ENV{DESTDIR})
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed: ${result}")
endif()
