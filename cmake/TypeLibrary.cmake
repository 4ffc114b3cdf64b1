# velmora_type_library(TARGET IDL)
# Compiles a COM server's .idl with Wine's widl into its header, its
# interface identifiers (compiled into TARGET) and its type library, which
# the target's .rc embeds as TYPELIB 1 (the .rc names the .tlb by file name).
find_program(WIDL NAMES widl widl-stable REQUIRED)
set(WIDL_INCLUDE_DIR /usr/include/wine/wine/windows CACHE PATH "Wine's IDL include folder")
# Where widl finds stdole2.tlb for importlib().
set(WIDL_LIBRARY_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH
    "Folder with Wine's stdole2.tlb")

function(velmora_type_library target idl)
    get_filename_component(name ${idl} NAME_WE)
    get_filename_component(source ${idl} ABSOLUTE)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/generated)
    set(widl ${WIDL} -m64 -I ${WIDL_INCLUDE_DIR} -L ${WIDL_LIBRARY_DIR})
    add_custom_command(
        OUTPUT ${out}/${name}.h ${out}/${name}_i.c ${out}/${name}.tlb
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
        COMMAND ${widl} -h -o ${out}/${name}.h ${source}
        COMMAND ${widl} -u -o ${out}/${name}_i.c ${source}
        COMMAND ${widl} -t -o ${out}/${name}.tlb ${source}
        DEPENDS ${source}
        COMMENT "Compiling ${name}.idl"
        VERBATIM)
    target_sources(${target} PRIVATE ${out}/${name}.h ${out}/${name}_i.c)
    target_include_directories(${target} PUBLIC ${out})
    get_target_property(sources ${target} SOURCES)
    foreach(source_file ${sources})
        if(source_file MATCHES "\\.rc$")
            set_property(SOURCE ${source_file} APPEND PROPERTY OBJECT_DEPENDS ${out}/${name}.tlb)
        endif()
    endforeach()
endfunction()
