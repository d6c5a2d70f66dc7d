# gacw_add_export_definitions(<dll target> [SHARED_BODIES <plain=plain>...])
#
# Gives the DLL a module-definition file, generated at build time from plugin/exports.h, that
# exports every function under its plain and its decorated name; SHARED_BODIES points an export
# at another's code. Also writes export_names.h into GACW_GENERATED_DIR, the same names for tests.
find_program(GACW_CLANGXX clang++ REQUIRED)
find_program(GACW_LLVM_NM llvm-nm REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/export-names.cmake)
set(GACW_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)

function(gacw_add_export_definitions target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SHARED_BODIES")
  list(JOIN arg_SHARED_BODIES "," shared_bodies)
  gacw_msvc_target(msvc_target ${CMAKE_SIZEOF_VOID_P})
  set(def_file ${GACW_GENERATED_DIR}/${target}.def)
  set(header_file ${GACW_GENERATED_DIR}/export_names.h)
  add_custom_command(
    OUTPUT ${def_file} ${header_file}
    COMMAND ${CMAKE_COMMAND}
            -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DCLANGXX=${GACW_CLANGXX} -DLLVM_NM=${GACW_LLVM_NM}
            -DTARGET=${msvc_target} -DWORK_DIR=${GACW_GENERATED_DIR}/export-names
            -DSHARED_BODIES=${shared_bodies} -DDEF_FILE=${def_file} -DHEADER_FILE=${header_file}
            -P ${PROJECT_SOURCE_DIR}/cmake/write-export-files.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/plugin/exports.h ${PROJECT_SOURCE_DIR}/cmake/write-export-files.cmake
            ${PROJECT_SOURCE_DIR}/cmake/export-names.cmake
    COMMENT "Decorating the export names of plugin/exports.h"
    VERBATIM)
  target_sources(${target} PRIVATE ${def_file})
  set_property(TARGET ${target} PROPERTY GACW_SHARED_EXPORT_BODIES "${shared_bodies}")
endfunction()
