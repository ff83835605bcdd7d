# The Debian packages, named and split as Debian policy names a library, one
# per component: libtriangle1, the shared library, named after its SONAME, with
# its shlibs file and an ldconfig trigger; libtriangle-dev, the headers, the
# CMake and pkg-config packages and the link to the shared library (or the
# static library, in a static build); triangle-demo, the demonstration and its
# manual page. Each has in /usr/share/doc/<package> a copyright file in Debian's
# machine-readable format, made from LICENSE, and a Debian changelog; the -dev
# package also the project's documents. They and the manual page are compressed
# with gzip -9n, as policy asks, and installed only with their component, so
# that a plain install keeps the layout of docs.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(triangle_about
    "A Triangle, given by three points, computes its area only when asked, keeps"
    "it in a Validated<double>, a value paired with a validity flag whose read"
    "aborts when the value is stale, returns the kept area on later queries, and"
    "throws it away when its first vertex moves.")
list(JOIN triangle_about "\n" triangle_about)
set(triangle_packages "")
# Names the Debian package of `component` `package`, in `section`, described by
# the synopsis and the last paragraph that follow, and gives it its documents.
function(triangle_debian_package component package section synopsis last)
    string(TOUPPER ${component} name)
    set(CPACK_DEBIAN_${name}_PACKAGE_NAME ${package} PARENT_SCOPE)
    set(CPACK_DEBIAN_${name}_PACKAGE_SECTION ${section} PARENT_SCOPE)
    set(CPACK_COMPONENT_${name}_DESCRIPTION "${synopsis}\n${triangle_about}\n\n${last}" PARENT_SCOPE)
    install(FILES ${debian}/copyright ${debian}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
            COMPONENT ${component} EXCLUDE_FROM_ALL)
    set(triangle_components ${triangle_components} ${component} PARENT_SCOPE)
endfunction()

set(debian ${PROJECT_BINARY_DIR}/debian)
set(triangle_components "")
set(triangle_runtime_depends "")
set(triangle_compressed "")
# Compresses `source` into `output`.gz (gzip -9n: no name and no time in it).
function(triangle_gzip source output)
    add_custom_command(OUTPUT ${output}.gz COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}
                       COMMAND gzip -9nf ${output} DEPENDS ${source} VERBATIM)
    set(triangle_compressed ${triangle_compressed} ${output}.gz PARENT_SCOPE)
endfunction()

# The copyright file, from LICENSE: its copyright line, and the text after it
# as the license's, each line indented and each empty line a ".".
file(READ LICENSE triangle_license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])" triangle_license "${triangle_license}")
string(REPLACE "\n\n" "\n.\n" triangle_license_text "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " triangle_license_text " ${triangle_license_text}")
file(WRITE ${debian}/copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: ${PROJECT_NAME}\nUpstream-Contact: ${CPACK_PACKAGE_CONTACT}\n\nFiles: *\n"
     "Copyright: ${CMAKE_MATCH_1}\nLicense: Expat\n${triangle_license_text}\n")
# The Debian changelog is kept by hand, a release's entry with the release.
file(STRINGS cmake/debian-changelog triangle_entry LIMIT_COUNT 1)
if(NOT triangle_entry MATCHES "\\(${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}\\)")
    message(FATAL_ERROR "cmake/debian-changelog begins with '${triangle_entry}', not with release ${PROJECT_VERSION}")
endif()
triangle_gzip(${PROJECT_SOURCE_DIR}/cmake/debian-changelog ${debian}/changelog.Debian)

if(triangle_shared)
    # dpkg-shlibdeps computes the library's dependencies when CPack packs it:
    # CPack's own run would add maintainer scripts that call ldconfig, which
    # the trigger replaces. The shlibs file names the release whose ABI this is.
    set(libtriangle libtriangle${PROJECT_VERSION_MAJOR})
    triangle_debian_package(runtime ${libtriangle} libs "triangle with a lazily computed, cached area - library"
                            "This package holds the shared library.")
    file(WRITE ${debian}/shlibs "libtriangle ${PROJECT_VERSION_MAJOR} ${libtriangle} (>= 1.1.0)\n")
    file(WRITE ${debian}/triggers "activate-noawait ldconfig\n")
    file(WRITE ${debian}/debian/control "") # dpkg-shlibdeps runs only beside one
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${debian}/shlibs ${debian}/triggers)
    set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
    set(CPACK_COMPONENT_DEMO_DEPENDS runtime)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
    string(CONFIGURE [[
    execute_process(COMMAND dpkg-shlibdeps -O @PROJECT_BINARY_DIR@/libtriangle.so.@PROJECT_VERSION@
                    WORKING_DIRECTORY @debian@ OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE "^shlibs:Depends=|\n$" "" CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "${depends}")
]] triangle_runtime_depends @ONLY)
endif()
triangle_debian_package(development libtriangle-dev libdevel
                        "triangle with a lazily computed, cached area - development files"
                        "This package holds the headers and the CMake and pkg-config packages.")
triangle_gzip(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${debian}/changelog)
triangle_gzip(${PROJECT_SOURCE_DIR}/README.md ${debian}/README.md)
install(FILES ${debian}/changelog.gz ${debian}/README.md.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libtriangle-dev
        COMPONENT development EXCLUDE_FROM_ALL)
file(GLOB triangle_documents RELATIVE ${PROJECT_SOURCE_DIR}/docs ${PROJECT_SOURCE_DIR}/docs/*.md)
foreach(document IN LISTS triangle_documents)
    triangle_gzip(${PROJECT_SOURCE_DIR}/docs/${document} ${debian}/docs/${document})
    install(FILES ${debian}/docs/${document}.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libtriangle-dev/docs
            COMPONENT development EXCLUDE_FROM_ALL)
endforeach()
if(TARGET triangle_demo)
    triangle_debian_package(demo triangle-demo misc "triangle with a lazily computed, cached area - demonstration"
                            "This package holds triangle_demo, which shows the cache at work.")
    set(CPACK_DEBIAN_DEMO_PACKAGE_SHLIBDEPS ON)
    triangle_gzip(${PROJECT_BINARY_DIR}/triangle_demo.1 ${debian}/triangle_demo.1)
    install(FILES ${debian}/triangle_demo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT demo EXCLUDE_FROM_ALL)
endif()
add_custom_target(triangle_debian_documents ALL DEPENDS ${triangle_compressed})

string(CONFIGURE [[
if(CPACK_GENERATOR STREQUAL "DEB")
    if(NOT "@CMAKE_INSTALL_PREFIX@" STREQUAL "/usr")
        message(FATAL_ERROR "Debian packages are made from a build for /usr, as the release preset's: "
                            "this one is for @CMAKE_INSTALL_PREFIX@")
    endif()
    set(CPACK_COMPONENTS_ALL @triangle_components@)
    unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY) # each description begins with its package's own
@triangle_runtime_depends@endif()
]] triangle_deb_project_config @ONLY)
