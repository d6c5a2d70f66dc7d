# The DLL imports system DLLs only: the C and C++ runtimes, libgcc and winpthreads are linked in,
# since the host's machine has none of mingw-w64's DLLs.
# cmake -DOBJDUMP=... -DDLL=... -P check-dll-imports.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dll "^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|advapi32|shell32|shlwapi|uxtheme|winmm|version|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\\.dll$")

execute_process(COMMAND "${OBJDUMP}" -p "${DLL}" OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${DLL}")
endif()
set(foreign "")
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" name "${import}")
  string(TOLOWER "${name}" lower_name)
  if(NOT lower_name MATCHES "${system_dll}")
    list(APPEND foreign "${name}")
  endif()
  message(STATUS "imports ${name}")
endforeach()
if(foreign)
  message(FATAL_ERROR "imports DLLs that are not the system's: ${foreign}")
endif()
