# 32-bit Windows, cdecl: the plug-in DLL as the host loads it. Nothing built here runs on this machine.
set(GACW_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
