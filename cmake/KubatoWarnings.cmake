# Strict warnings for the project's own targets; warnings are errors in our code.
function(kubato_strict_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wformat=2
        -Wimplicit-fallthrough -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # GCC 12 reports -Wrestrict for plain std::string assignments at -O3 (a known false
        # positive of its libstdc++ inlining), so the warning cannot tell real faults here.
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()
