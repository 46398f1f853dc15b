# Cross-builds for 64-bit Windows with Debian's MinGW-w64 and runs the
# programs it builds (tests, test discovery) under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KP_MINGW_PREFIX x86_64-w64-mingw32)

# The posix thread model brings std::thread, std::mutex and friends.
find_program(KP_MINGW_CXX NAMES ${KP_MINGW_PREFIX}-g++-posix ${KP_MINGW_PREFIX}-g++ REQUIRED)
find_program(KP_MINGW_CC NAMES ${KP_MINGW_PREFIX}-gcc-posix ${KP_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${KP_MINGW_CXX})
if(KP_MINGW_CC)
  set(CMAKE_C_COMPILER ${KP_MINGW_CC})
endif()
set(CMAKE_RC_COMPILER ${KP_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KP_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no libgcc, libstdc++ or winpthread DLLs to find.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(KP_WINE NAMES wine64 wine)
if(KP_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KP_WINE})
endif()
