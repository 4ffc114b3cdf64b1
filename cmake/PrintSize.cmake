# cmake -DBINARY=<file> -P PrintSize.cmake: prints the shipped size of a
# deliverable after the build has stripped it.
file(SIZE ${BINARY} bytes)
get_filename_component(name ${BINARY} NAME)
math(EXPR kilobytes "(${bytes} + 512) / 1024")
message("${name}: ${kilobytes} KB as shipped (stripped)")
