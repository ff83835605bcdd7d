#!/bin/sh
# Makes a build's Debian packages with CPack, and checks them: exactly the packages named are made,
# with the library and the CMake and pkg-config packages in the library folder, and lintian finds no
# error and no warning. check_debian_package.sh CPACK CPACK_CONFIG OUTPUT LIBDIR LIBRARY "PACKAGE..."
set -eu
cpack=$1 config=$2 output=$3 libdir=$4 library=$5
set -- $6 # the packages' names, one word each
rm -rf "$output"
"$cpack" -G DEB -B "$output" --config "$config" >/dev/null
cd "$output"
fail() { printf '%s\n' "$@" "CPack made:" ./*.deb >&2; exit 1; }
[ "$(ls -- *.deb | sed 's/_.*//' | sort)" = "$(printf '%s\n' "$@" | sort)" ] || fail "the packages asked for: $*"
for deb in ./*.deb; do dpkg-deb --contents "$deb"; done | sed -n 's|.* \./usr/||p' >contents
for path in "$libdir/$library" "$libdir/pkgconfig/triangle.pc" "$libdir/cmake/triangle/triangleConfig.cmake"; do
    grep -qxF "$path" contents || fail "no package holds /usr/$path"
done
lintian --fail-on error,warning ./*.deb
