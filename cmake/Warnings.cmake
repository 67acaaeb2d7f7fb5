# Every target of the project compiles with these; a warning fails the build.
function(plv7_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
