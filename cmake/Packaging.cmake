# Install rules: the libraries as the exported CMake package `triangle` with the
# namespace triangle::, a pkg-config file, the demonstration, and packages by CPack.
# The headers go under include/triangle/, so that their generic names never
# land bare in a system include folder; the installed targets point there, and
# users write #include "Triangle.hpp" as they do in-tree.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(triangle_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/triangle)

install(
    TARGETS triangle_validated triangle
    EXPORT triangleTargets
    FILE_SET HEADERS
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/triangle)
install(EXPORT triangleTargets NAMESPACE triangle:: DESTINATION ${triangle_cmake_dir})
configure_package_config_file(cmake/triangleConfig.cmake.in ${PROJECT_BINARY_DIR}/triangleConfig.cmake
                              INSTALL_DESTINATION ${triangle_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/triangleConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/triangleConfig.cmake ${PROJECT_BINARY_DIR}/triangleConfigVersion.cmake
        DESTINATION ${triangle_cmake_dir})

# The .pc file finds its prefix from where it lies, so a moved tree still works.
file(RELATIVE_PATH triangle_pc_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" triangle_pc_prefix "${triangle_pc_prefix}")
configure_file(cmake/triangle.pc.in ${PROJECT_BINARY_DIR}/triangle.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/triangle.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(TARGET triangle_demo)
    install(TARGETS triangle_demo)
endif()
install(FILES LICENSE README.md CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# CPack reads and writes variables of its own: configured only when this is the
# top-level project, never inside a user's build.
if(PROJECT_IS_TOP_LEVEL)
    set(CPACK_PACKAGE_VENDOR "the triangle authors")
    set(CPACK_PACKAGE_CONTACT "the triangle project")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
    set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
    set(CPACK_GENERATOR TGZ)
    set(CPACK_SOURCE_GENERATOR TGZ)
    set(CPACK_VERBATIM_VARIABLES ON)
    set(CPACK_SOURCE_IGNORE_FILES "^${PROJECT_SOURCE_DIR}/(\\.git|build[^/]*)/")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the triangle project")
    set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    include(CPack)
endif()
