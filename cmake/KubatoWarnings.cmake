# Strict warnings for the project's own targets; warnings are errors in our code.
function(kubato_strict_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wformat=2
        -Wimplicit-fallthrough -Werror)
endfunction()
