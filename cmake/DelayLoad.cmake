# velmora_delay_load(TARGET LIBRARY...)
# The named system libraries load at the first call into them rather than
# before the program starts. The player needs sound, the mixer, the network
# and the shell only after its window shows; under Wine each library loaded
# up front adds to the wait for that window.
#
# For each library a delay-load import library of the same name is made from
# the toolchain's own (its exported names, given to dlltool) in a folder that
# only TARGET searches first, so the libraries that name it stay as they are.
set(VELMORA_DELAY_LOAD_DIR ${CMAKE_BINARY_DIR}/delay-load)

function(velmora_make_delay_import_lib library)
    set(output ${VELMORA_DELAY_LOAD_DIR}/lib${library}.a)
    if(EXISTS ${output})
        return()
    endif()
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${library}.a
                    OUTPUT_VARIABLE import_lib OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${CMAKE_NM} ${import_lib} OUTPUT_VARIABLE symbols
                    RESULT_VARIABLE nm_failed)
    if(nm_failed OR NOT IS_ABSOLUTE "${import_lib}")
        message(FATAL_ERROR "No import library for ${library} to delay-load")
    endif()
    string(REGEX MATCHALL "__imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE "^__imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    set(definitions ${VELMORA_DELAY_LOAD_DIR}/${library}.def)
    file(WRITE ${definitions} "LIBRARY ${library}.dll\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${definitions}
                            --dllname ${library}.dll --output-delaylib ${output}
                    RESULT_VARIABLE dlltool_failed)
    if(dlltool_failed)
        message(FATAL_ERROR "dlltool could not make a delay-load library for ${library}")
    endif()
endfunction()

function(velmora_delay_load target)
    if(NOT MINGW OR NOT CMAKE_DLLTOOL)
        return()
    endif()
    file(MAKE_DIRECTORY ${VELMORA_DELAY_LOAD_DIR})
    foreach(library IN LISTS ARGN)
        velmora_make_delay_import_lib(${library})
    endforeach()
    target_link_directories(${target} BEFORE PRIVATE ${VELMORA_DELAY_LOAD_DIR})
endfunction()
