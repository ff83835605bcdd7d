# The sanitizers in TRIANGLE_SANITIZERS, as for -fsanitize= (e.g. address,undefined), for the
# project's own targets. Any report stops the program.
function(triangle_set_sanitizers target)
    if(NOT TRIANGLE_SANITIZERS)
        return()
    endif()
    if(MSVC)
        target_compile_options(${target} PRIVATE /fsanitize=${TRIANGLE_SANITIZERS})
    else()
        set(flags -fsanitize=${TRIANGLE_SANITIZERS} -fno-sanitize-recover=all
                  -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE ${flags})
        target_link_options(${target} PRIVATE ${flags})
    endif()
endfunction()
