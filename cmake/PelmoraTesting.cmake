# GoogleTest from Debian's sources, and how a Windows test runs under wine64.

include(GoogleTest)

set(PELMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${PELMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# pelmora_gtest(target): lets CTest list and run each test case of a GoogleTest program.
# Under Wine the listing runs when CTest starts (a fresh prefix can outlast a build step's
# timeout), through the build's emulator.
function(pelmora_gtest target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 ${ARGN})
endfunction()
