# Warnings for the project's own targets; third-party code is not compiled with them.
function(quelvarin_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor
        -Woverloaded-virtual -Wimplicit-fallthrough)
endfunction()
