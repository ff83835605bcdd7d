# IEEE double arithmetic for the project's targets, rounded at every step, whatever the user's flags
# say. The project's own arithmetic then gives the same bits with g++ and clang++ at every
# optimisation level. Triangle.cpp also keeps to these rules by itself, for other builds than this
# one (docs/numerics.md).

# x86 of either word size, and 32-bit x86, whose x87 registers are wider than double. A 32-bit
# build may name a 64-bit processor (g++ -m32 on x86-64, MSVC's x86 compiler on 64-bit Windows).
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^([iI].86|x86|X86|x86_64|AMD64)$"
   OR CMAKE_CXX_COMPILER_ARCHITECTURE_ID MATCHES "^(X86|x64)$")
    set(triangle_x86 ON)
else()
    set(triangle_x86 OFF)
endif()
if(triangle_x86 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(triangle_x86_32 ON)
else()
    set(triangle_x86_32 OFF)
endif()

function(triangle_set_floating_point target)
    if(MSVC)
        # MSVC and clang-cl. No -ffp-contract=off, which clang-cl warns of: Triangle.cpp's own
        # pragmas forbid contraction.
        target_compile_options(${target} PRIVATE /fp:precise)
        if(triangle_x86_32)
            target_compile_options(${target} PRIVATE /arch:SSE2)
        endif()
    else()
        # -fno-fast-math keeps NaN and infinity meaningful, -ffp-contract=off forbids fused
        # multiply-add, and SSE2 takes the place of the x87 registers.
        target_compile_options(${target} PRIVATE -fno-fast-math -ffp-contract=off)
        if(triangle_x86_32)
            target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
        endif()
        # GCC and Clang link start-up code that sets flush-to-zero and denormals-are-zero for the
        # whole process (crtfastmath.o) into a program, and GCC 12 into a shared library too, whose
        # link line holds -ffast-math, -funsafe-math-optimizations or -Ofast. A later -fno- option
        # takes back either of the first two, and only a later -O level the last: -O3, which is
        # -Ofast without its fast math.
        target_link_options(${target} PRIVATE -fno-fast-math -fno-unsafe-math-optimizations)
        string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
        set(flags " ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}} ")
        string(APPEND flags "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_SHARED_LINKER_FLAGS} ")
        if(flags MATCHES " -Ofast ")
            target_link_options(${target} PRIVATE -O3)
        endif()
    endif()
endfunction()
