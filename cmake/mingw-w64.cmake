# Cross-builds the tools for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# which std::thread and Qt need). Qt for Windows comes from the prefix in
# PUMPTOOLS_WINDOWS_QT (scripts/windows passes the one it built or found). Test
# programs run under Wine, so CTest runs the cross-built tests here too.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PUMPTOOLS_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PUMPTOOLS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PUMPTOOLS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PUMPTOOLS_MINGW_TRIPLET}-windres)

set(PUMPTOOLS_WINDOWS_QT "$ENV{PUMPTOOLS_WINDOWS_QT}" CACHE PATH
    "Prefix of Qt 5 built for x86_64-w64-mingw32 (holds bin/qmake and lib/cmake/Qt5)")
set(CMAKE_FIND_ROOT_PATH /usr/${PUMPTOOLS_MINGW_TRIPLET} ${PUMPTOOLS_WINDOWS_QT})
set(CMAKE_PREFIX_PATH ${PUMPTOOLS_WINDOWS_QT})
# Programs (moc, uic, rcc, Wine) are this machine's; headers, libraries and CMake
# packages only the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's wine64 package installs the loader outside PATH.
find_program(PUMPTOOLS_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(PUMPTOOLS_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PUMPTOOLS_WINE})
endif()
