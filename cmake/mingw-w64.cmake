# What both mingw-w64 toolchain files share; they set GACW_MINGW_TRIPLE first.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: the win32 one has no std::thread nor std::mutex.
set(CMAKE_C_COMPILER ${GACW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GACW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GACW_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GACW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes are linked in, so the DLL and the test programs import system DLLs only.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
