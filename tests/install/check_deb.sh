#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a fresh directory tree and (as root) installs it with
# apt-get, then checks the installed files and runs both programs from them.
# Usage: tests/install/check_deb.sh [BUILD_DIR] [--keep]   (--keep leaves the package installed)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir="$source_dir/build-deb"
keep=0
for argument in "$@"; do
  case "$argument" in
    --keep) keep=1 ;;
    *) build_dir=$(realpath -m "$argument") ;;
  esac
done

failures=0
pass() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi
}

# Tools the checks use: dpkg-shlibdeps (dpkg-dev), desktop-file-validate, groff.
missing=()
command -v dpkg-shlibdeps >/dev/null || missing+=(dpkg-dev)
command -v desktop-file-validate >/dev/null || missing+=(desktop-file-utils)
command -v groff >/dev/null || missing+=(groff-base)
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

echo "== building the package in $build_dir"
# An existing build directory is used as it is configured (no second full build).
if [ -f "$build_dir/CMakeCache.txt" ]; then
  cmake "$build_dir" >/dev/null
else
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQUELM_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build_dir" -j2 >/dev/null
rm -f "$build_dir"/quelm_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/quelm_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends Recommends

depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  check "depends on $library" grep -q "$library" <<<"$depends"
done
check "section video" test "$(dpkg-deb --field "$deb" Section)" = video

# Checks an installed tree; $1 = the prefix (…/usr).
check_tree() {
  local prefix=$1 data
  data=$prefix/share
  check "bin/quelm" test -x "$prefix/bin/quelm"
  check "bin/quelm-cli" test -x "$prefix/bin/quelm-cli"
  check "share/quelm/outputini has the formats" test -f "$data/quelm/outputini/srt.ini"
  check "share/quelm/fixrules has the look-alike rules" test -f "$data/quelm/fixrules/en.ini"
  check "share/quelm/languages has the translations" \
    test "$(find "$data/quelm/languages" -name '*.ini' | wc -l)" -ge 1
  check "desktop entry is valid" desktop-file-validate "$data/applications/quelm.desktop"
  check "desktop entry names the VOB types" \
    grep -q '^MimeType=.*video/x-ms-vob' "$data/applications/quelm.desktop"
  check "scalable icon" test -s "$data/icons/hicolor/scalable/apps/quelm.svg"
  for size in 16 22 24 32 48 64 128 256; do
    check "icon ${size}x${size}" test -s "$data/icons/hicolor/${size}x${size}/apps/quelm.png"
  done
  for page in quelm quelm-cli; do
    local manual
    manual=$(ls "$data/man/man1/$page.1"* 2>/dev/null | head -n 1)
    if [ -n "$manual" ] && [ -z "$(zcat -f "$manual" | groff -man -Tutf8 -ww -z 2>&1)" ] &&
       zcat -f "$manual" | groff -man -Tutf8 -P-cbou 2>/dev/null | grep -q "^NAME"; then
      pass "man page $page(1) formats without warnings"
    else
      fail "man page $page(1)"
    fi
  done

  local version
  version=$("$prefix/bin/quelm-cli" --version 2>&1 || true)
  check "quelm-cli --version: $version" grep -qx 'quelm-cli [0-9].*' <<<"$version"
  local help
  help=$("$prefix/bin/quelm-cli" --help 2>&1 || true)
  for command in convert render dict extract; do
    check "quelm-cli --help describes $command" grep -q "quelm-cli $command" <<<"$help"
  done
  local gui_version
  gui_version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/quelm" --version 2>&1 || true)
  check "quelm --version: $gui_version" grep -qx 'Quelm [0-9].*' <<<"$gui_version"
  check "quelm and quelm-cli show the same version" \
    test "${gui_version#Quelm }" = "${version#quelm-cli }"
  check "quelm --help" sh -c "env -u DISPLAY '$prefix/bin/quelm' --help | grep -q -- --settings"

  # The installed quelm-cli finds its formats in share/quelm/: with empty settings the menu's
  # first format (ass.ini) renders the records.
  local work out
  work=$(mktemp -d)
  printf '<SUB_START>\n00:00:01\n0\n<SUB_END>\n' >"$work/records.txt"
  : >"$work/quelm.ini"
  mkdir "$work/dict"
  out=$("$prefix/bin/quelm-cli" render --records "$work/records.txt" --settings "$work/quelm.ini" \
    --dict "$work/dict" 2>&1 || true)
  check "installed quelm-cli renders with the format from share/quelm/outputini" \
    grep -q '^\[Script Info\]' <<<"$out"
  printf '<SUB_START>\n00:00:01\n0\nl see\n<SUB_END>\n' >"$work/fix.records"
  out=$("$prefix/bin/quelm-cli" render --records "$work/fix.records" --settings "$work/quelm.ini" \
    --dict "$work/dict" --format "$data/quelm/outputini/plain.ini" 2>&1 || true)
  check "installed quelm-cli chooses look-alikes by the rules in share/quelm/fixrules" \
    grep -q '^I see$' <<<"$out"
  rm -rf "$work"
}

echo "== unpacked into a fresh tree (dpkg -x)"
tree=$(mktemp -d)
dpkg -x "$deb" "$tree"
check_tree "$tree/usr"
# The programs look for their data relative to themselves, wherever the tree lies.
rm -rf "$tree"

if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  echo "== installed with apt-get install"
  was_installed=0
  dpkg -s quelm >/dev/null 2>&1 && was_installed=1
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >/dev/null
  check "dpkg knows quelm" sh -c "dpkg -s quelm | grep -q 'Status: install ok installed'"
  check_tree /usr
  check "quelm on PATH" test "$(command -v quelm)" = /usr/bin/quelm
  check "man finds quelm(1)" sh -c "man -w quelm"
  if [ "$keep" -eq 0 ] && [ "$was_installed" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quelm >/dev/null
    check "removed again" sh -c "! test -e /usr/bin/quelm"
  fi
else
  echo "== not root: apt-get install skipped"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
