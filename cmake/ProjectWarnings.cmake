# Warnings for the project's own targets; third-party code is not compiled with them. The
# project's own builds (the Makefile, CI) turn warnings into errors with QUELVARIN_WERROR; a
# packager's build with other compilers or flags keeps them as warnings.
option(QUELVARIN_WERROR "Treat the project's compiler warnings as errors" OFF)

function(quelvarin_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic
        -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor
        -Woverloaded-virtual -Wimplicit-fallthrough)
    if(QUELVARIN_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
