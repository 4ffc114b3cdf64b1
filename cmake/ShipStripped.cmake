# velmora_ship_stripped(TARGET)
# The static runtime brings its debug sections into every deliverable, most
# of each file. After each link the symbols move to a file of their own in
# build/<preset>/symbols/ (kept there for crash analysis; the binary names it
# in its debug link), the binary is stripped, and its size printed.
set(VELMORA_SYMBOLS_DIR ${CMAKE_BINARY_DIR}/symbols)

function(velmora_ship_stripped target)
    if(NOT CMAKE_OBJCOPY)
        return()
    endif()
    set(binary $<TARGET_FILE:${target}>)
    set(symbols ${VELMORA_SYMBOLS_DIR}/$<TARGET_FILE_NAME:${target}>.debug)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_SYMBOLS_DIR}
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${binary} ${symbols}
        COMMAND ${CMAKE_OBJCOPY} --strip-unneeded --add-gnu-debuglink=${symbols} ${binary}
        COMMAND ${CMAKE_COMMAND} -DBINARY=${binary} -P ${CMAKE_SOURCE_DIR}/cmake/PrintSize.cmake
        VERBATIM)
endfunction()
