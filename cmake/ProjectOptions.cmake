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

# Adds the project's warnings, and the sanitizers when asked for, to `target`.
function(triangle_configure_target target)
    target_compile_options(${target} PRIVATE ${TRIANGLE_WARNINGS})
    if(TRIANGLE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # valgrind 3.19 cannot read the DWARF 5 that clang writes by default.
    if(TRIANGLE_MEMCHECK AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE $<$<CONFIG:Debug,RelWithDebInfo>:-gdwarf-4>)
    endif()
    if(TRIANGLE_SANITIZERS)
        set(flags -fsanitize=${TRIANGLE_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE ${flags})
        target_link_options(${target} PRIVATE ${flags})
    endif()
endfunction()
