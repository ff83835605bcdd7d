# Install rules: the libraries as the exported CMake package `triangle` with the namespace
# triangle::, a pkg-config file, the demonstration with its manual page, and the documents. The
# Debian packages (debian/) split what they install.
#
# The headers go under include/triangle/, so that their generic names never land bare in a system
# include folder; the installed targets point there, and users write #include "Triangle.hpp" as they
# do in-tree. Install folders may be relative to the prefix, which keeps the packages relocatable,
# or absolute, as Nix and Guix set them.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(triangle_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/triangle)

# The installed targets name include/triangle as their include folder.
install(TARGETS triangle_validated triangle EXPORT triangleTargets INCLUDES
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/triangle)
install(FILES include/Validated.hpp include/Triangle.hpp
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/triangle)
install(EXPORT triangleTargets NAMESPACE triangle:: DESTINATION ${triangle_cmake_dir})
configure_package_config_file(
    cmake/triangleConfig.cmake.in ${PROJECT_BINARY_DIR}/triangleConfig.cmake
    INSTALL_DESTINATION ${triangle_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/triangleConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/triangleConfig.cmake
              ${PROJECT_BINARY_DIR}/triangleConfigVersion.cmake DESTINATION ${triangle_cmake_dir})

# Under a relative library folder, the .pc file finds its prefix from where it lies, so a moved tree
# still works; an absolute folder is written as it is, with each space escaped, as pkg-config
# escapes the folder it finds itself in.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
    set(triangle_pc_prefix ${CMAKE_INSTALL_PREFIX})
else()
    file(RELATIVE_PATH triangle_pc_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig
         ${CMAKE_INSTALL_PREFIX})
    string(REGEX REPLACE "/$" "" triangle_pc_prefix "\${pcfiledir}/${triangle_pc_prefix}")
endif()
foreach(folder IN ITEMS LIBDIR INCLUDEDIR)
    if(IS_ABSOLUTE "${CMAKE_INSTALL_${folder}}")
        set(triangle_pc_${folder} ${CMAKE_INSTALL_${folder}})
    else()
        set(triangle_pc_${folder} "\${prefix}/${CMAKE_INSTALL_${folder}}")
    endif()
endforeach()
foreach(value IN ITEMS prefix LIBDIR INCLUDEDIR)
    string(REPLACE " " "\\ " triangle_pc_${value} "${triangle_pc_${value}}")
endforeach()
configure_file(cmake/triangle.pc.in ${PROJECT_BINARY_DIR}/triangle.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/triangle.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(TARGET triangle_demo)
    # A shared libtriangle is found from the program's own place, wherever the prefix is installed
    # or moved, by a run path relative to it.
    get_target_property(triangle_type triangle TYPE)
    if(triangle_type STREQUAL "SHARED_LIBRARY")
        file(RELATIVE_PATH triangle_lib_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
             ${CMAKE_INSTALL_FULL_LIBDIR})
        set_target_properties(triangle_demo PROPERTIES INSTALL_RPATH
                                                       "$ORIGIN/${triangle_lib_from_bin}")
    endif()
    install(TARGETS triangle_demo)
    # The manual page names this release and its date, from CHANGELOG.md's latest release.
    file(STRINGS CHANGELOG.md triangle_release REGEX "^## \\[[0-9]" LIMIT_COUNT 1)
    if(NOT triangle_release MATCHES "^## \\[${PROJECT_VERSION}\\] - ([0-9]+-[0-9]+-[0-9]+)$")
        message(
            FATAL_ERROR
                "CHANGELOG.md's latest release is '${triangle_release}', not ${PROJECT_VERSION}")
    endif()
    set(triangle_release_date ${CMAKE_MATCH_1})
    configure_file(docs/triangle_demo.1.in ${PROJECT_BINARY_DIR}/triangle_demo.1 @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/triangle_demo.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
# Inside another project, CMAKE_INSTALL_DOCDIR is that project's folder.
if(triangle_is_top_level)
    set(triangle_doc_dir ${CMAKE_INSTALL_DOCDIR})
else()
    set(triangle_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/triangle)
endif()
install(FILES LICENSE README.md CHANGELOG.md DESTINATION ${triangle_doc_dir})
install(DIRECTORY docs DESTINATION ${triangle_doc_dir} FILES_MATCHING PATTERN "*.md")
