#!/bin/sh
# Validates the desktop entry or the AppStream metainfo with the freedesktop tools.
# Usage: validate.sh desktop|metainfo|names PATH-WITHOUT-EXTENSION
# Exits 77 (reported as skipped) when the validator is not installed.
set -eu
kind=$1
base=$2
id=${base##*/}
if [ "$kind" = names ]; then
  # The desktop matches window, entry, icon and AppStream data by one id.
  dir=${base%/*}
  fail=0
  grep -qx "Icon=$id" "$base.desktop" || { echo "$id.desktop does not name the icon $id"; fail=1; }
  grep -q "<id>$id</id>" "$base.metainfo.xml" || { echo "metainfo id is not $id"; fail=1; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$base.metainfo.xml" ||
    { echo "metainfo does not launch $id.desktop"; fail=1; }
  for icon in "$dir/icons/$id.png" "$dir/icons/$id.svg"; do
    [ -f "$icon" ] || { echo "missing $icon"; fail=1; }
  done
  exit $fail
fi
case $kind in
  desktop) tool=desktop-file-validate; file=$base.desktop; set -- "$file" ;;
  metainfo) tool=appstreamcli; file=$base.metainfo.xml; set -- validate --no-net "$file" ;;
  *) echo "unknown check: $kind" >&2; exit 2 ;;
esac
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "SKIPPED: $tool is not installed (Debian: desktop-file-utils / appstream)"
  exit 77
fi
output=$("$tool" "$@" 2>&1) || { echo "$output"; exit 1; }
echo "$output"
# desktop-file-validate exits 0 on hints and warnings; treat any message as a failure.
if [ "$kind" = desktop ] && [ -n "$output" ]; then exit 1; fi
exit 0
