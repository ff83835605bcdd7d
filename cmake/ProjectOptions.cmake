# Compiler settings for the project's own targets only; dependencies and users'
# targets are left alone.

set(TRIANGLE_WARNINGS
    -Wall
    -Wextra
    -Wpedantic
    -Wshadow
    -Wconversion
    -Wsign-conversion
    -Wold-style-cast
    -Wnon-virtual-dtor
    -Wcast-align
    -Wdouble-promotion
    -Woverloaded-virtual
    -Wnull-dereference
    -Wformat=2
    -Wimplicit-fallthrough)

# Adds the project's warnings to `target`.
function(triangle_configure_target target)
    target_compile_options(${target} PRIVATE ${TRIANGLE_WARNINGS})
    if(TRIANGLE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
