# GoogleTest for the cross build, compiled from the sources that the Debian
# package googletest installs, with the same toolchain as the tests.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to cross-build")

if(NOT TARGET GTest::gtest_main)
  if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GTest REQUIRED_VARS GTEST_SOURCE_DIR)
