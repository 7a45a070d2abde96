# GoogleTest for the cross build, compiled from the sources that the Debian
# package googletest installs, with the same toolchain as the tests.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to cross-build")

if(NOT TARGET GTest::gtest_main)
  if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # The program's GBK execution character set is not GoogleTest's: under
    # C++20, <chrono> holds a "\u00b5s" literal that GBK cannot encode.
    foreach(target gtest gtest_main)
      get_target_property(options ${target} COMPILE_OPTIONS)
      list(REMOVE_ITEM options -fexec-charset=GBK)
      set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "${options}")
    endforeach()
  endif()
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GTest REQUIRED_VARS GTEST_SOURCE_DIR)
