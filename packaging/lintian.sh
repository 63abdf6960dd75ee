#!/bin/sh
# Builds the Debian package from a build folder and checks it as a distribution
# would: lintian --pedantic must report no error and no warning. Info and
# pedantic tags are printed but do not fail the check.
# Usage: lintian.sh BUILD_DIR
# Exits 77 (reported as skipped) when lintian is not installed.
set -eu
build=$(cd "$1" && pwd)
if ! command -v lintian >/dev/null 2>&1; then
  echo "SKIPPED: lintian is not installed (Debian: lintian; scripts/setup.sh installs it)"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
deb=$(ls "$work"/*.deb)
# The package carries every shipped language: its catalogue and its help file.
data=/usr/share/velmor-calculator
contents=$(dpkg-deb --contents "$deb")
for catalogue in "$build"/bin/translations/*.qm; do
  name=${catalogue##*/}
  language=${name#velmor-calculator_}
  language=${language%.qm}
  for file in "$data/translations/$name" "$data/calculator_$language.hlp"; do
    echo "$contents" | grep -q " \.$file\$" || { echo "the package lacks $file"; exit 1; }
  done
done
echo "lintian --pedantic on ${deb##*/}:"
# lintian warns about being run as root on stderr; the tags go to stdout.
status=0
lintian --pedantic --display-info --fail-on error,warning "$deb" >"$work/tags.txt" || status=$?
cat "$work/tags.txt"
[ -s "$work/tags.txt" ] || echo "(no tags)"
exit $status
