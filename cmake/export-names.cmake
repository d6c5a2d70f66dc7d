# gacw_export_names(<out> SOURCE_DIR <dir> CLANGXX <clang++> LLVM_NM <llvm-nm> TARGET <triple> WORK_DIR <dir>)
#
# Sets <out> to the plug-in's exports as "plain=decorated" items. The names come from the
# GACW_EXPORT(plain, decorated) declarations in plugin/exports.h; the decoration from clang
# compiling those declarations for the MSVC target, which decorates as the host's compiler does.
# A list, not a table kept by hand, so the decorated names cannot drift from the declarations.
function(gacw_export_names out)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SOURCE_DIR;CLANGXX;LLVM_NM;TARGET;WORK_DIR" "")
  set(declaration "GACW_EXPORT\\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\\)\\(")

  file(READ "${arg_SOURCE_DIR}/plugin/exports.h" header)
  string(REGEX MATCHALL "${declaration}" declarations "${header}")
  if(NOT declarations)
    message(FATAL_ERROR "no GACW_EXPORT declarations in plugin/exports.h")
  endif()

  # A source that takes the address of every declared function, so each shows up as an
  # undefined symbol under its decorated name.
  set(references "")
  foreach(item IN LISTS declarations)
    string(REGEX REPLACE "${declaration}" "\\2" source_name "${item}")
    string(APPEND references "    reinterpret_cast<const void*>(&${source_name}),\n")
  endforeach()
  file(MAKE_DIRECTORY "${arg_WORK_DIR}")
  file(WRITE "${arg_WORK_DIR}/export_references.cpp"
       "#include \"plugin/exports.h\"\n\nextern const void* const exportReferences[] = {\n${references}};\n")

  execute_process(
    COMMAND "${arg_CLANGXX}" "--target=${arg_TARGET}" -std=c++20 -DGACW_DECORATED_DECLARATIONS
            "-I${arg_SOURCE_DIR}" -c export_references.cpp -o export_references.obj
    WORKING_DIRECTORY "${arg_WORK_DIR}"
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(
    COMMAND "${arg_LLVM_NM}" --undefined-only --just-symbol-name export_references.obj
    WORKING_DIRECTORY "${arg_WORK_DIR}"
    OUTPUT_VARIABLE symbols
    COMMAND_ERROR_IS_FATAL ANY)

  set(names "")
  foreach(item IN LISTS declarations)
    string(REGEX REPLACE "${declaration}" "\\1" plain_name "${item}")
    string(REGEX REPLACE "${declaration}" "\\2" source_name "${item}")
    string(REGEX MATCH "\\?${source_name}@@[^\n]*" decorated_name "${symbols}")
    if(NOT decorated_name)
      message(FATAL_ERROR "clang gave no decorated name for ${source_name}")
    endif()
    list(APPEND names "${plain_name}=${decorated_name}")
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# The clang target whose decoration the host's compiler uses for this build's pointer size.
function(gacw_msvc_target out pointer_size)
  if(pointer_size EQUAL 4)
    set(${out} i686-pc-windows-msvc PARENT_SCOPE)
  else()
    set(${out} x86_64-pc-windows-msvc PARENT_SCOPE)
  endif()
endfunction()

# Splits an item of gacw_export_names into its plain and its decorated name.
function(gacw_export_name_parts item plain_out decorated_out)
  string(REGEX REPLACE "=.*" "" plain "${item}")
  string(REGEX REPLACE "^[^=]*=" "" decorated "${item}")
  set(${plain_out} "${plain}" PARENT_SCOPE)
  set(${decorated_out} "${decorated}" PARENT_SCOPE)
endfunction()

# The export whose code the export <plain> runs: itself, unless <shared_bodies> ("a=b,c=d")
# points it at another's.
function(gacw_export_body out plain shared_bodies)
  set(body "${plain}")
  string(REPLACE "," ";" shared_bodies "${shared_bodies}")
  foreach(shared IN LISTS shared_bodies)
    if(shared MATCHES "^${plain}=(.+)$")
      set(body "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${body}" PARENT_SCOPE)
endfunction()
