# The project's options, and the compiler settings for its own targets only;
# dependencies and users' targets are left alone. Warnings are errors only
# where CMAKE_COMPILE_WARNING_AS_ERROR is on, as CI's presets set it.

# Declares the cache variable `name` unless a parent project has set a normal
# variable of that name, which is then kept: CMake before 3.21 (policy CMP0126)
# would drop it in favour of the cache's default on the first configure.
macro(triangle_cache_variable name type default doc)
    if(NOT DEFINED ${name} OR DEFINED CACHE{${name}})
        set(${name} "${default}" CACHE ${type} "${doc}")
    endif()
endmacro()

triangle_cache_variable(TRIANGLE_SANITIZERS STRING ""
                        "Sanitizers for the project's targets, as for -fsanitize=, e.g. address,undefined")
triangle_cache_variable(TRIANGLE_GTEST_SOURCE_DIR PATH ""
                        "GoogleTest's sources (e.g. /usr/src/googletest), built for the target instead of an installed GoogleTest")

# Declares the option `name`, ON by default when the condition that follows `doc` holds.
macro(triangle_option_when name doc)
    if(${ARGN})
        option(${name} "${doc}" ON)
    else()
        option(${name} "${doc}" OFF)
    endif()
endmacro()

# Declares the switch `name`: ON, OFF, or AUTO, the default, which turns it on
# when the condition that follows `doc` holds. AUTO is decided afresh at every
# configure, so that a tool installed since the last one is used; an ON or OFF
# that the user gives is kept.
macro(triangle_auto_option name doc)
    triangle_cache_variable(${name} STRING AUTO "${doc}: ON, OFF or AUTO (on where what it needs is found)")
    if(DEFINED CACHE{${name}})
        set_property(CACHE ${name} PROPERTY STRINGS AUTO ON OFF)
    endif()
    string(TOUPPER "${${name}}" triangle_option_value)
    if(triangle_option_value STREQUAL "AUTO")
        if(${ARGN})
            set(${name} ON)
        else()
            set(${name} OFF)
        endif()
    endif()
endmacro()

# What is built beyond the two libraries. Each part is on by default only in a
# top-level build that has what the part needs, so a project that adds this one
# with add_subdirectory or FetchContent gets the libraries alone, no tests in its
# CTest, and its own cache untouched but for these prefixed options. Nothing is
# searched for unless the part may be built. The tests also need CMake 3.25.
if(TRIANGLE_GTEST_SOURCE_DIR)
    set(triangle_have_gtest ON)
elseif(triangle_is_top_level OR TRIANGLE_BUILD_TESTS)
    find_package(GTest 1.10 QUIET)
    set(triangle_have_gtest ${GTest_FOUND})
endif()
if(triangle_is_top_level OR TRIANGLE_BUILD_BENCHMARKS)
    find_package(benchmark QUIET)
endif()
triangle_auto_option(TRIANGLE_BUILD_TESTS "Build the unit, end-to-end and consumer tests (needs GoogleTest)"
                     triangle_is_top_level AND triangle_have_gtest AND CMAKE_VERSION VERSION_GREATER_EQUAL 3.25)
triangle_auto_option(TRIANGLE_BUILD_BENCHMARKS "Build triangle_bench (needs Google Benchmark)"
                     triangle_is_top_level AND benchmark_FOUND)
triangle_option_when(TRIANGLE_BUILD_DEMO "Build the demonstration program triangle_demo" triangle_is_top_level)
triangle_option_when(TRIANGLE_INSTALL "Generate the install rules, the CMake and pkg-config packages and CPack's"
                     triangle_is_top_level)

# valgrind runs programs built for the host's own architecture, without sanitizers.
set(TRIANGLE_MEMCHECK_CANNOT_RUN "")
if(CMAKE_CROSSCOMPILING OR (CMAKE_HOST_SYSTEM_PROCESSOR MATCHES "64" AND CMAKE_SIZEOF_VOID_P EQUAL 4))
    set(TRIANGLE_MEMCHECK_CANNOT_RUN "valgrind runs only programs built for the host's architecture")
elseif(TRIANGLE_SANITIZERS)
    set(TRIANGLE_MEMCHECK_CANNOT_RUN "valgrind cannot run a program built with sanitizers")
endif()
if(TRIANGLE_BUILD_TESTS)
    find_program(TRIANGLE_VALGRIND valgrind)
    # Where it cannot run, the memcheck test reports itself skipped, and why.
    triangle_auto_option(TRIANGLE_MEMCHECK "Also run the demonstration under valgrind memcheck in the tests"
                         TRIANGLE_VALGRIND)
endif()

# The compiler families, by the command line they take: MSVC's (MSVC and
# clang-cl) or GCC's (GCC and Clang).
if(MSVC)
    set(cl_like 1)
else()
    set(cl_like 0)
endif()
set(gcc_like "$<NOT:${cl_like}>")
# The target's processor: x86 of either word size, and 32-bit x86 alone.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^([iI].86|x86|X86|x86_64|AMD64|amd64)$"
   OR CMAKE_CXX_COMPILER_ARCHITECTURE_ID MATCHES "^(X86|x64)$")
    set(x86 ON)
else()
    set(x86 OFF)
endif()
if(x86 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(x86_32 ON)
else()
    set(x86_32 OFF)
endif()

set(TRIANGLE_GCC_WARNINGS
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
# /W4 and standard conformance, plus warnings that MSVC leaves off by default:
# narrowing conversions, a function that hides a virtual one, a class with
# virtual functions and a public non-virtual destructor, comparisons that are
# always false.
set(TRIANGLE_CL_WARNINGS /W4 /permissive- /w14242 /w14254 /w14263 /w14265 /w14287 /w14296)

# IEEE double arithmetic, rounded at every step, whatever the user's flags say.
# With GCC and Clang: -fno-fast-math keeps NaN and infinity meaningful (and,
# when linking, leaves out the start-up code that flushes subnormals to zero),
# -ffp-contract=off forbids fused multiply-add, and on 32-bit x86 SSE2 takes
# the place of the x87 registers, whose intermediates are wider than double.
# With MSVC and clang-cl, /fp:precise, while Triangle.cpp's own pragmas forbid
# contraction (clang-cl 21 warns when -ffp-contract=off overrides /fp:precise).
# The project's own arithmetic then gives the same bits with g++ and clang++ at
# every optimisation level; acos and sin are the math library's, whose bits differ
# between libraries and, in glibc, between word sizes and CPUs. Triangle.cpp
# also keeps to these rules by itself, for other builds than this one.
set(TRIANGLE_FLOATING_POINT
    "$<${gcc_like}:-fno-fast-math;-ffp-contract=off>"
    "$<$<AND:${gcc_like},$<BOOL:${x86_32}>>:-msse2;-mfpmath=sse>"
    "$<${cl_like}:/fp:precise>"
    "$<$<AND:${cl_like},$<BOOL:${x86_32}>>:/arch:SSE2>")

# Adds the project's warnings and floating-point settings, and the sanitizers
# when asked for, to `target`.
function(triangle_configure_target target)
    target_compile_options(
        ${target} PRIVATE "$<${gcc_like}:${TRIANGLE_GCC_WARNINGS}>" "$<${cl_like}:${TRIANGLE_CL_WARNINGS}>"
                          ${TRIANGLE_FLOATING_POINT})
    target_link_options(${target} PRIVATE "$<${gcc_like}:-fno-fast-math>")
    # valgrind 3.19 cannot read the DWARF 5 that clang writes by default.
    if(TRIANGLE_MEMCHECK)
        target_compile_options(
            ${target} PRIVATE "$<$<AND:${gcc_like},$<CXX_COMPILER_ID:Clang>,$<CONFIG:Debug,RelWithDebInfo>>:-gdwarf-4>")
    endif()
    if(TRIANGLE_SANITIZERS)
        string(REPLACE "," "$<COMMA>" sanitizers "${TRIANGLE_SANITIZERS}")
        set(gcc_flags -fsanitize=${sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE "$<${cl_like}:/fsanitize=${sanitizers}>"
                                                 "$<${gcc_like}:${gcc_flags}>")
        target_link_options(${target} PRIVATE "$<${gcc_like}:${gcc_flags}>")
    endif()
endfunction()
