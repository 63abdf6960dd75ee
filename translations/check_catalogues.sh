#!/bin/sh
# Fails when a catalogue is out of date with the source (lupdate would change
# it), has an unfinished entry or has no help file beside the English one, so
# no shipped language shows English.
# usage: check_catalogues.sh CATALOGUE_FOLDER HELP_FOLDER GENERATOR PROJECT_IN PROJECT_JSON LUPDATE [OPTION...]
# GENERATOR, PROJECT_IN and PROJECT_JSON are Qt's: they list the sources as the
# update_translations target gives them to lupdate.
set -eu
folder=$1 help=$2 generator=$3 project_in=$4 project_json=$5 lupdate=$6
shift 6
cmake -DIN_FILE="$project_in" -DOUT_FILE="$project_json" -P "$generator"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$folder"/*.ts; do
  copy="$work/$(basename "$catalogue")"
  cp "$catalogue" "$copy"
  "$lupdate" -silent -project "$project_json" "$@" -ts "$copy"
  if ! diff -u "$catalogue" "$copy"; then
    echo "$(basename "$catalogue") is out of date: run cmake --build <build> --target update_translations" >&2
    status=1
  fi
  language=$(basename "$catalogue" .ts)
  language=${language#velmor-calculator_}
  [ -f "$help/calculator_$language.hlp" ] || { echo "no help file calculator_$language.hlp" >&2; status=1; }
  unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
  if [ "$unfinished" -ne 0 ]; then
    echo "$(basename "$catalogue") has $unfinished unfinished entries" >&2
    status=1
  fi
done
exit $status
