# GoogleTest for the tests. A native build uses Debian's libraries; a cross-build for Windows
# compiles the sources that Debian's libgtest-dev ships, with the same compiler as the program,
# so the very same tests run on both systems.
if(CMAKE_CROSSCOMPILING)
    set(QUILLBAT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross-builds")
    set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest" FORCE)
    # Defines the same GTest:: targets as Debian's package.
    add_subdirectory(${QUILLBAT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)
