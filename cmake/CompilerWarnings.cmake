# Warnings are errors in both builds: a warning left alone in one target hides real faults in
# the other. GoogleTest is built with its own flags (it is added as a subdirectory later).
function(corvanti_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
        -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
        -Wimplicit-fallthrough -Wmissing-declarations)
endfunction()
