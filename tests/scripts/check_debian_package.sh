#!/bin/sh
# Makes the Debian package of a build with CPack, and checks that it holds what a user of the
# library needs and, where it holds a program or a shared library, that it depends on libc6:
#
#   check_debian_package.sh CPACK CPACK_CONFIG OUTPUT LINKED(0|1) LIBDIR LIBRARY
set -eu
cpack=$1 config=$2 output=$3 linked=$4 libdir=$5 library=$6
rm -rf "$output"
"$cpack" -G DEB -B "$output" --config "$config" >/dev/null
package=$(echo "$output"/*.deb)
contents=$(dpkg-deb --contents "$package")
paths=$(printf '%s\n' "$contents" | sed -n 's|.* \./usr/||p')
for path in include/triangle/Validated.hpp include/triangle/Triangle.hpp "$libdir/$library" \
    "$libdir/cmake/triangle/triangleConfig.cmake" "$libdir/cmake/triangle/triangleConfigVersion.cmake" \
    "$libdir/cmake/triangle/triangleTargets.cmake" "$libdir/pkgconfig/triangle.pc"; do
    printf '%s\n' "$paths" | grep -qxF "$path" || { printf '%s lacks ./usr/%s; it holds:\n%s\n' \
        "$package" "$path" "$contents" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$package" Depends)
[ "$linked" = 0 ] || printf '%s\n' "$depends" | grep -qE '(^|, )libc6 ' ||
    { echo "$package should depend on libc6, but depends on: '$depends'" >&2; exit 1; }
