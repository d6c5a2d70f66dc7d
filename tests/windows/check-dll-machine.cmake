# The DLL is a PE file for the machine this build targets: i386 for the host, x86-64 for Wine.
# cmake -DOBJDUMP=... -DDLL=... -DPOINTER_SIZE=4|8 -P check-dll-machine.cmake
cmake_minimum_required(VERSION 3.25)
if(POINTER_SIZE EQUAL 4)
  set(expected pei-i386)
else()
  set(expected pei-x86-64)
endif()
execute_process(COMMAND "${OBJDUMP}" -f "${DLL}" OUTPUT_VARIABLE header COMMAND_ERROR_IS_FATAL ANY)
if(NOT header MATCHES "file format ${expected}\n")
  message(FATAL_ERROR "expected file format ${expected}:\n${header}")
endif()
message(STATUS "file format ${expected}")
