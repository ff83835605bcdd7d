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

# What is built beyond the two libraries. TRIANGLE_BUILD_TESTS and
# TRIANGLE_BUILD_BENCHMARKS are ON, OFF or AUTO. AUTO, the default, is decided
# afresh at every configure: in a build of this project on its own, ON where
# what the part needs is found, so that a tool installed since the last
# configure is used; inside another project, OFF, with nothing searched for, so
# that a project that adds this one with add_subdirectory or FetchContent gets
# the libraries alone, no tests in its CTest, and its own cache untouched but
# for these prefixed options. The tests also need CMake 3.25.
triangle_cache_variable(TRIANGLE_BUILD_TESTS STRING AUTO "Build the tests (needs GoogleTest): ON, OFF or AUTO")
triangle_cache_variable(TRIANGLE_BUILD_BENCHMARKS STRING AUTO
                        "Build triangle_bench (needs Google Benchmark): ON, OFF or AUTO")
option(TRIANGLE_INTEGRATION_TESTS "Also test the project as other projects and tools use it (needs those tools)" OFF)
foreach(part IN ITEMS TESTS BENCHMARKS)
    if(DEFINED CACHE{TRIANGLE_BUILD_${part}})
        set_property(CACHE TRIANGLE_BUILD_${part} PROPERTY STRINGS AUTO ON OFF)
    endif()
    string(TOUPPER "${TRIANGLE_BUILD_${part}}" triangle_option_value)
    string(COMPARE EQUAL "${triangle_option_value}" AUTO triangle_auto_${part})
    if(triangle_auto_${part})
        set(TRIANGLE_BUILD_${part} ${triangle_is_top_level})
    endif()
endforeach()
# The integration tests demand every tool of theirs, GoogleTest among them.
if(TRIANGLE_INTEGRATION_TESTS)
    set(TRIANGLE_BUILD_TESTS ON)
    set(triangle_auto_TESTS OFF)
endif()
if(TRIANGLE_BUILD_TESTS AND NOT TRIANGLE_GTEST_SOURCE_DIR)
    find_package(GTest 1.10 QUIET)
    if(triangle_auto_TESTS AND NOT (GTest_FOUND AND CMAKE_VERSION VERSION_GREATER_EQUAL 3.25))
        set(TRIANGLE_BUILD_TESTS OFF)
    endif()
elseif(TRIANGLE_BUILD_TESTS)
    # GoogleTest from its sources, built for the target with the project's
    # compiler, never installed, and with its own warnings left as warnings.
    block()
        set(CMAKE_POLICY_DEFAULT_CMP0077 NEW)
        set(BUILD_GMOCK OFF)
        set(INSTALL_GTEST OFF)
        set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)
        set(CMAKE_CXX_STANDARD 17)
        set(CMAKE_CXX_EXTENSIONS OFF)
        add_subdirectory(${TRIANGLE_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    endblock()
endif()
if(TRIANGLE_BUILD_BENCHMARKS)
    find_package(benchmark QUIET)
    if(triangle_auto_BENCHMARKS AND NOT benchmark_FOUND)
        set(TRIANGLE_BUILD_BENCHMARKS OFF)
    endif()
endif()
triangle_option_when(TRIANGLE_BUILD_DEMO "Build the demonstration program triangle_demo" triangle_is_top_level)
triangle_option_when(TRIANGLE_INSTALL "Generate the install rules, with the CMake and pkg-config packages"
                     triangle_is_top_level)

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
# With GCC and Clang: -fno-fast-math keeps NaN and infinity meaningful,
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
# when asked for, to `target`. Its standard is ISO C++17, not GNU's dialect (the
# project uses no extension), which also puts -std=c++17 in compile_commands.json
# where it is g++'s default, gnu++17, for clang tools whose default differs.
function(triangle_configure_target target)
    # A program finds a shared libtriangle in the build tree from its own place,
    # so that what is built does not depend on the build folder's path.
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF BUILD_RPATH_USE_ORIGIN ON)
    target_compile_options(
        ${target} PRIVATE "$<${gcc_like}:${TRIANGLE_GCC_WARNINGS}>" "$<${cl_like}:${TRIANGLE_CL_WARNINGS}>"
                          ${TRIANGLE_FLOATING_POINT})
    # GCC and Clang link start-up code that sets flush-to-zero and
    # denormals-are-zero for the whole process (crtfastmath.o) into a program,
    # and GCC 12 into a shared library too, whose link line holds -ffast-math,
    # -funsafe-math-optimizations or -Ofast. A later -fno- option takes back
    # either of the first two, and only a later -O level the last: -O3, which is
    # -Ofast without its fast math.
    string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
    set(user_flags " ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}} ${CMAKE_EXE_LINKER_FLAGS} ")
    string(REGEX MATCH " -Ofast " ofast "${user_flags}")
    target_link_options(${target} PRIVATE "$<${gcc_like}:-fno-fast-math;-fno-unsafe-math-optimizations>"
                        "$<$<AND:${gcc_like},$<BOOL:${ofast}>>:-O3>")
    # valgrind 3.19, which the integration tests run, cannot read the DWARF 5
    # that clang writes by default.
    if(TRIANGLE_INTEGRATION_TESTS)
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
