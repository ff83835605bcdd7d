# Usage: cmake -DCHANGELOG=debian/changelog -DVERSION=x.y.z -P debian_version.cmake
#
# Fails, naming the file, unless the latest entry of the Debian changelog is of release VERSION.
file(STRINGS ${CHANGELOG} entry LIMIT_COUNT 1)
if(NOT entry MATCHES "^triangle \\(${VERSION}-[0-9]+\\) ")
    message(FATAL_ERROR "${CHANGELOG}'s latest entry is '${entry}', not of release ${VERSION}")
endif()
