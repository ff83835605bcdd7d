# The project's options, and the compiler settings for its own targets only;
# dependencies and users' targets are left alone.

option(TRIANGLE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors (CI turns this on)" OFF)
set(TRIANGLE_SANITIZERS "" CACHE STRING "Sanitizers for the project's targets, as for -fsanitize=, e.g. address,undefined")

# Declares the option `name`, ON by default when the condition that follows `doc` holds.
macro(triangle_option_when name doc)
    if(${ARGN})
        option(${name} "${doc}" ON)
    else()
        option(${name} "${doc}" OFF)
    endif()
endmacro()

# What is built beyond the two libraries. Each part defaults to ON only in a
# top-level build that has what the part needs, so a project that adds this one
# with add_subdirectory or FetchContent gets the libraries alone, no tests in its
# CTest, and its own cache untouched but for these prefixed options. Nothing is
# searched for unless the part may be built.
if(PROJECT_IS_TOP_LEVEL OR TRIANGLE_BUILD_TESTS)
    find_package(GTest 1.10 QUIET)
endif()
if(PROJECT_IS_TOP_LEVEL OR TRIANGLE_BUILD_BENCHMARKS)
    find_package(benchmark QUIET)
endif()
triangle_option_when(TRIANGLE_BUILD_TESTS "Build the unit, end-to-end and consumer tests (needs GoogleTest)"
                     PROJECT_IS_TOP_LEVEL AND GTest_FOUND)
triangle_option_when(TRIANGLE_BUILD_BENCHMARKS "Build triangle_bench (needs Google Benchmark)"
                     PROJECT_IS_TOP_LEVEL AND benchmark_FOUND)
triangle_option_when(TRIANGLE_BUILD_DEMO "Build the demonstration program triangle_demo" PROJECT_IS_TOP_LEVEL)
triangle_option_when(TRIANGLE_INSTALL "Generate the install rules, the CMake and pkg-config packages and CPack's"
                     PROJECT_IS_TOP_LEVEL)
if(TRIANGLE_BUILD_TESTS)
    find_program(TRIANGLE_VALGRIND valgrind)
    triangle_option_when(TRIANGLE_MEMCHECK "Also run the demonstration under valgrind memcheck in the tests"
                         TRIANGLE_VALGRIND)
endif()

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

# IEEE double arithmetic, rounded at every step, whatever the user's flags say:
# -fno-fast-math keeps NaN and infinity meaningful (and, when linking, leaves
# out the start-up code that flushes subnormals to zero), -ffp-contract=off
# forbids fused multiply-add, and on 32-bit x86 SSE2 takes the place of the x87
# registers, whose intermediates are wider than double. The areas are then the
# same bits with g++ and clang++ at every optimisation level, on x86-64 and
# 32-bit x86, for one math library: acos and sin come from the platform's, and
# another (Windows', say) may differ in the last bits.
set(TRIANGLE_FLOATING_POINT -fno-fast-math -ffp-contract=off)
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "^([iI].86|x86|X86|x86_64|AMD64|amd64)$")
    list(APPEND TRIANGLE_FLOATING_POINT -msse2 -mfpmath=sse)
endif()

# Adds the project's warnings and floating-point settings, and the sanitizers
# when asked for, to `target`.
function(triangle_configure_target target)
    target_compile_options(${target} PRIVATE ${TRIANGLE_WARNINGS} ${TRIANGLE_FLOATING_POINT})
    target_link_options(${target} PRIVATE -fno-fast-math)
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
