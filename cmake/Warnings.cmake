# Every target of the project compiles with these; with PLV7_WERROR a warning fails the build.
function(plv7_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(PLV7_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
