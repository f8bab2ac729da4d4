# Warnings every Quillbat target is built with; -Werror comes from QUILLBAT_WERROR (CI).
function(quillbat_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
    if(QUILLBAT_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_features(${target} PUBLIC cxx_std_20)
endfunction()

# A core library of the program: standard C++20 only.
function(quillbat_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    quillbat_warnings(${target})
endfunction()

# A GoogleTest program registered with CTest, one per folder of tests.
function(quillbat_test target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(${target} PRIVATE
        QUILLBAT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        QUILLBAT_BUILD_DIR="${PROJECT_BINARY_DIR}")
    quillbat_warnings(${target})
    gtest_discover_tests(${target} WORKING_DIRECTORY ${PROJECT_BINARY_DIR} DISCOVERY_TIMEOUT 60)
endfunction()
