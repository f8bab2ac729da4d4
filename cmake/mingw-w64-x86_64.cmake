# Cross-builds Quillbat for 64-bit Windows with Debian's MinGW-w64 compilers, the desktop
# program from win32/ in place of the Qt one:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# Programs and tests built this way run under Wine, which CMake and CTest start for them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: the win32 one lacks std::thread and std::mutex.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Header-only packages hold no machine code, so Debian's copies serve the Windows build too. They
# are offered through a folder of links that holds nothing else: adding /usr/include itself
# would put the Linux C library's headers before MinGW's.
set(QUILLBAT_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
foreach(link include/CLI include/nlohmann share/cmake/CLI11 share/cmake/nlohmann_json)
    if(EXISTS /usr/${link} AND NOT EXISTS ${QUILLBAT_HOST_HEADERS}/${link})
        get_filename_component(parent ${QUILLBAT_HOST_HEADERS}/${link} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK /usr/${link} ${QUILLBAT_HOST_HEADERS}/${link} SYMBOLIC)
    endif()
endforeach()
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${QUILLBAT_HOST_HEADERS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A fully static executable needs no MinGW DLLs (libstdc++, libgcc, libwinpthread) beside it,
# on Windows as under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(QUILLBAT_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QUILLBAT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLBAT_WINE})
endif()
