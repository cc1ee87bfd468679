# Import libraries whose functions bind at their first call, not when the program is loaded:
# made from the toolchain's own import libraries, one entry per function they name.
#
# A library imported the ordinary way is loaded, with every library it needs in turn, before the
# program's first line runs, and those are looked for in the program's folder first. Delayed,
# they are loaded once the program has kept the search to the system folder.
function(add_delay_import_libraries out_var)
  set(made)
  foreach(name IN LISTS ARGN)
    find_library(${name}_IMPORT_LIBRARY ${name} REQUIRED)
    set(import ${${name}_IMPORT_LIBRARY})
    set(delayed ${CMAKE_BINARY_DIR}/delay-imports/lib${name}.a)
    if(NOT EXISTS ${delayed} OR ${import} IS_NEWER_THAN ${delayed})
      execute_process(COMMAND ${CMAKE_DLLTOOL} --identify ${import}
                      OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE
                      COMMAND_ERROR_IS_FATAL ANY)
      execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${import}
                      OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
      # Functions are the code symbols; 32-bit ones carry a leading underscore that their
      # export name has not, and a "@bytes" suffix that -k takes off the name it imports.
      string(REGEX MATCHALL " T [^\n]+" functions "${symbols}")
      list(TRANSFORM functions REPLACE "^ T " "")
      set(kill_at)
      if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        list(TRANSFORM functions REPLACE "^_" "")
        set(kill_at -k)
      endif()
      list(JOIN functions "\n" exports)
      set(def ${CMAKE_BINARY_DIR}/delay-imports/${name}.def)
      file(WRITE ${def} "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
      execute_process(COMMAND ${CMAKE_DLLTOOL} ${kill_at} -d ${def} -y ${delayed} -D ${dll}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    list(APPEND made ${delayed})
  endforeach()
  set(${out_var} ${made} PARENT_SCOPE)
endfunction()
