#!/usr/bin/env bash
# package_test.sh BUILD VERSION: makes the Debian package from the build and checks its name and
# its control fields.
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
package=$work/tessarine_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no $(basename "$package") among: $(ls "$work")"

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = tessarine ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = graphics ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "Depends: '$depends'"
contents=$(dpkg-deb -c "$package")
for file in usr/bin/tessarine usr/bin/tessarine-cli usr/share/tessarine/micra.wbmp \
    usr/share/applications/org.tessarine.Tessarine.desktop; do
  grep -q " \./$file\$" <<<"$contents" || fail "not in the package: /$file"
done
echo "$(basename "$package"): Depends: $depends"
