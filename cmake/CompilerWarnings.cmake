# The warnings of the project's own targets. They are errors where CMAKE_COMPILE_WARNING_AS_ERROR is
# on, as CI's presets set it, so that a newer compiler's new warning never breaks a user's build.
function(triangle_set_warnings target)
    if(MSVC) # and clang-cl
        # /W4 and standard conformance, and warnings that MSVC leaves off by default: narrowing
        # conversions, a function that hides a virtual one, a class with virtual functions and a
        # public non-virtual destructor, comparisons that are always false.
        target_compile_options(${target} PRIVATE /W4 /permissive- /w14242 /w14254 /w14263 /w14265
                                                 /w14287 /w14296)
    else()
        target_compile_options(
            ${target}
            PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
                    -Wold-style-cast -Wnon-virtual-dtor -Wcast-align -Wdouble-promotion
                    -Woverloaded-virtual -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough)
    endif()
endfunction()
