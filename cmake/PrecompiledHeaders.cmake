# Most of a compile here is spent reading the same big headers again:
# <windows.h> costs each Windows source about 1.5 s of processor time, and
# GoogleTest's header each test source nearly 2 s more with the standard
# library it pulls in. Each is read once, into a precompiled header that
# every target of its kind reuses:
#   velmora_windows_headers  the Windows API, for the Windows code;
#   velmora_test_headers     GoogleTest (and the Windows API under Windows),
#                            for the test programs and their support.
# The portable core's sources read only the standard library, quickly, and
# take none.
#
# The Windows code's precompiled header holds no standard library header:
# with one, GCC 12 reports mingw-w64's inline wmemcpy (a system header) as
# an array-bounds or a read-overrun fault of every source that copies a
# short wide string, warnings it keeps quiet about without the precompiled
# header. GoogleTest cannot come without the standard library, so the
# Windows test programs go without those two warnings instead; the host
# build still gives them.
#
# Sources still include what they use: a precompiled header only makes
# those includes quick. The sanitizer build switches them off
# (VELMORA_PRECOMPILED_HEADERS), so a source that forgets an include fails
# to build there.
option(VELMORA_PRECOMPILED_HEADERS "Read the big system headers once per kind of target" ON)

# velmora_add_header_owner(NAME HEADER... [LIBRARIES LIBRARY...])
# The target that builds one precompiled header, from a source of its own
# with nothing in it, finding the headers through LIBRARIES; the others
# reuse its header.
function(velmora_add_header_owner name)
    if(NOT VELMORA_PRECOMPILED_HEADERS)
        return()
    endif()
    cmake_parse_arguments(OWNER "" "" "LIBRARIES" ${ARGN})
    set(source ${CMAKE_BINARY_DIR}/${name}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// Only builds the precompiled header.\n")
    add_library(${name} OBJECT ${source})
    target_precompile_headers(${name} PRIVATE ${OWNER_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${OWNER_LIBRARIES})
endfunction()

set(VELMORA_WINDOWS_HEADERS <windows.h> <commctrl.h>)
if(WIN32)
    velmora_add_header_owner(velmora_windows_headers ${VELMORA_WINDOWS_HEADERS})
endif()

# Every target defined in DIRECTORY and the folders below it.
function(velmora_targets_in directory out)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(folders DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(folder IN LISTS folders)
        velmora_targets_in(${folder} inner)
        list(APPEND targets ${inner})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The owner whose header TARGET reuses, in OUT; empty for a target of the
# portable core (NAME_core), one that compiles no C++, and GoogleTest's own
# build, which is not ours.
function(velmora_header_owner_of target out)
    set(${out} "" PARENT_SCOPE)
    get_target_property(type ${target} TYPE)
    get_target_property(folder ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    cmake_path(IS_PREFIX CMAKE_SOURCE_DIR "${folder}" ours)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY)$"
       OR NOT ours OR NOT sources OR target MATCHES "_core$")
        return()
    endif()
    if(libraries MATCHES "(^|;)(gtest|GTest::gtest|GTest::gtest_main|wine_test_support)(;|$)")
        set(${out} velmora_test_headers PARENT_SCOPE)
    elseif(WIN32)
        set(${out} velmora_windows_headers PARENT_SCOPE)
    endif()
endfunction()

# Gives every target its kind's precompiled header; called once every
# target is defined. Only C++ sources take it: the headers are C++ ones.
function(velmora_precompile_headers)
    if(NOT VELMORA_PRECOMPILED_HEADERS)
        return()
    endif()
    velmora_targets_in(${CMAKE_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        velmora_header_owner_of(${target} owner)
        if(NOT owner)
            continue()
        endif()
        target_precompile_headers(${target} REUSE_FROM ${owner})
        if(owner STREQUAL velmora_test_headers AND WIN32)
            target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overread)
        endif()
        get_target_property(sources ${target} SOURCES)
        list(FILTER sources INCLUDE REGEX "\\.c$")
        if(sources)
            set_source_files_properties(${sources} TARGET_DIRECTORY ${target}
                                        PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
    endforeach()
endfunction()
