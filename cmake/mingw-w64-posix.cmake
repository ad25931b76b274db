# Cross-compiles for 64-bit Windows with the posix-threads flavour of mingw-w64, so that
# std::thread and friends work, and links everything statically so the .exe runs alone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CORVANTI_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${CORVANTI_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CORVANTI_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${CORVANTI_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CORVANTI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Windows test binaries run under Wine; the test script keeps one wineserver alive.
find_program(CORVANTI_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVANTI_WINE})
