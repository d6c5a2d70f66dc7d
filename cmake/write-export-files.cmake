# Build step: writes the module-definition file that gives the DLL every export under its plain and
# its decorated name, and a header with the same names for the Windows tests.
#
# cmake -DSOURCE_DIR=... -DCLANGXX=... -DLLVM_NM=... -DTARGET=<clang triple> -DWORK_DIR=...
#       -DSHARED_BODIES=<plain=plain,...> -DDEF_FILE=... -DHEADER_FILE=... -P write-export-files.cmake
#
# SHARED_BODIES names exports that run another export's code: "GetNumberOfSets=GetExchgCount0".
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/export-names.cmake)

gacw_export_names(names SOURCE_DIR "${SOURCE_DIR}" CLANGXX "${CLANGXX}" LLVM_NM "${LLVM_NM}"
                  TARGET "${TARGET}" WORK_DIR "${WORK_DIR}")

set(plain_exports "")
set(decorated_exports "")
set(header_rows "")
foreach(item IN LISTS names)
  gacw_export_name_parts("${item}" plain_name decorated_name)
  gacw_export_body(body "${plain_name}" "${SHARED_BODIES}")

  # ld takes the name after "=" undecorated, as the C function's name (no leading underscore).
  if(body STREQUAL plain_name)
    string(APPEND plain_exports "    ${plain_name}\n")
  else()
    string(APPEND plain_exports "    ${plain_name} = ${body}\n")
  endif()
  string(APPEND decorated_exports "    \"${decorated_name}\" = ${body}\n")
  string(APPEND header_rows "    {\"${plain_name}\", \"${decorated_name}\", \"${body}\"},\n")
endforeach()

file(WRITE "${DEF_FILE}"
     "; Generated from plugin/exports.h by cmake/write-export-files.cmake.\n"
     "EXPORTS\n${plain_exports}${decorated_exports}")
file(WRITE "${HEADER_FILE}"
     "// Generated from plugin/exports.h by cmake/write-export-files.cmake.\n"
     "#pragma once\n\n"
     "// Each export's plain name, its decorated name and the export whose code both run.\n"
     "struct ExportName {\n"
     "    const char* plain;\n"
     "    const char* decorated;\n"
     "    const char* body;\n"
     "};\n\n"
     "inline constexpr ExportName kExportNames[] = {\n${header_rows}};\n")
