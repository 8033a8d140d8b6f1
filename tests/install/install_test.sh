#!/usr/bin/env bash
# install_test.sh BUILD VERSION: installs the build into a temporary prefix and runs the installed
# programs from there, with no display, no TESSARINE_DATA_DIR and the build tree out of reach.
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
unset TESSARINE_DATA_DIR DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tessarine bin/tessarine-cli share/tessarine/micra.wbmp \
    share/tessarine/help/index.html share/tessarine/examples/demo.tsc \
    share/applications/org.tessarine.Tessarine.desktop \
    share/metainfo/org.tessarine.Tessarine.metainfo.xml share/mime/packages/tessarine.xml \
    share/icons/hicolor/scalable/apps/org.tessarine.Tessarine.svg \
    share/icons/hicolor/256x256/apps/org.tessarine.Tessarine.png \
    share/bash-completion/completions/tessarine-cli; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.tessarine.Tessarine.metainfo.xml" >/dev/null ||
    fail "the metainfo file does not validate"
fi

# First line of standard output (starting with the expected text), status 0, nothing on
# standard error.
expect_first_line() {
  local expected=$1 out err
  shift
  out=$("$@" 2>"$prefix/err") || fail "$* exited with $?"
  [ ! -s "$prefix/err" ] || fail "$* wrote to stderr: $(cat "$prefix/err")"
  [[ $(head -n1 <<<"$out") == "$expected"* ]] || fail "$*: first line '$(head -n1 <<<"$out")', expected '$expected'"
}
cli=$prefix/bin/tessarine-cli editor=$prefix/bin/tessarine
expect_first_line "tessarine-cli $version" "$cli" --version
expect_first_line "tessarine $version" "$editor" --version
expect_first_line "usage: tessarine-cli COMMAND [ARGUMENTS]" "$cli" --help
expect_first_line "usage: tessarine-cli texture IN.ttx " "$cli" texture --help
expect_first_line "Usage: $editor [options] [PACK.tsc]" "$editor" --help
for program in "$cli" "$editor"; do
  status=0
  "$program" --no-such-option >/dev/null 2>"$prefix/err" || status=$?
  [ "$status" -eq 2 ] || fail "$program --no-such-option exited with $status, expected 2"
  grep -qi usage "$prefix/err" || fail "$program --no-such-option printed no usage"
done

# Every link between the help pages leads to a page, and to an anchor that page has.
help=$prefix/share/tessarine/help
for page in "$help"/*.html; do
  for link in $(grep -o 'href="[^":]*"' "$page" | sed 's/^href="//; s/"$//'); do
    target=$help/${link%%#*}
    [ -f "$target" ] || fail "$(basename "$page") links to a missing page: $link"
    [[ $link != *#* ]] || grep -q "id=\"${link#*#}\"" "$target" ||
      fail "$(basename "$page") links to a missing anchor: $link"
  done
done

# The installed font draws DrwTxt: without it the same texture comes out different.
texture=$prefix/share/tessarine/examples/dusk.ttx
"$cli" texture "$texture" --raw "$prefix/installed.raw" >/dev/null
TESSARINE_DATA_DIR=$prefix/nowhere "$cli" texture "$texture" --raw "$prefix/blank.raw" >/dev/null
cmp -s "$prefix/installed.raw" "$prefix/blank.raw" && fail "the installed font was not used"

# Completion offers the commands and a command's options.
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _tessarine_cli
  echo "${COMPREPLY[*]}"
}
source "$prefix/share/bash-completion/completions/tessarine-cli"
PATH=$prefix/bin:$PATH
[ "$(complete_words tessarine-cli te)" = texture ] || fail "no completion of the command texture"
[ "$(complete_words tessarine-cli texture --fo)" = --font ] || fail "no completion of --font"
echo "installed and ran from $prefix"
