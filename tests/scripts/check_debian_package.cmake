# Makes the Debian package of a build with CPack and checks that it holds what
# a user of the library needs: the headers, the library, the CMake package and
# the pkg-config file; and, where it holds a dynamically linked file, that it
# depends on the C library.
#
#   -DCPACK_CONFIG=path  the build's CPackConfig.cmake
#   -DDPKG_DEB=path      dpkg-deb
#   -DLIBDIR=lib         the library folder under the prefix
#   -DLIBRARY=name       the library's file name, e.g. libtriangle.a
#   -DLINKED=ON          the package holds a program or a shared library
#   -DOUTPUT=dir         where to make the package
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${OUTPUT} --config ${CPACK_CONFIG} OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
file(GLOB package ${OUTPUT}/*.deb)
execute_process(COMMAND ${DPKG_DEB} --contents ${package} OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
foreach(path IN ITEMS include/triangle/Validated.hpp include/triangle/Triangle.hpp ${LIBDIR}/${LIBRARY}
                      ${LIBDIR}/cmake/triangle/triangleConfig.cmake ${LIBDIR}/cmake/triangle/triangleConfigVersion.cmake
                      ${LIBDIR}/cmake/triangle/triangleTargets.cmake ${LIBDIR}/pkgconfig/triangle.pc)
    string(FIND "${contents}" " ./usr/${path}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${package} lacks ./usr/${path}; it holds:\n${contents}")
    endif()
endforeach()
execute_process(COMMAND ${DPKG_DEB} --field ${package} Depends OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
if(LINKED AND NOT depends MATCHES "(^|, )libc6 ")
    message(FATAL_ERROR "${package} should depend on libc6, but depends on: '${depends}'")
endif()
