# GoogleTest for a cross build: Debian's googletest package ships its sources, built here with the
# project's toolchain as a static library. Provides GTest::gtest and GTest::gtest_main.
set(GACW_GOOGLETEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest's sources")
set(gtest_force_shared_crt OFF)
# Win32 threads rather than winpthreads inside GoogleTest.
set(gtest_disable_pthreads ON)
set(BUILD_SHARED_LIBS OFF)
add_subdirectory(${GACW_GOOGLETEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own warning settings, not the project's.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
