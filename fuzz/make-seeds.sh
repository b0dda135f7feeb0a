#!/usr/bin/env bash
# Makes the chart seeds from the script seeds: every script in corpus/script
# saves a chart, and those charts are the seeds in corpus/chart. The export
# seeds in corpus/export are those charts with four bytes of export options
# after each, a different choice for each chart (the hostile-* seeds there
# are kept as they are).
#   fuzz/make-seeds.sh LOOPORA-CLI
set -euo pipefail
cli=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for script in "$here"/corpus/script/*.script; do
  (cd "$work" && "$cli" script "$script" > /dev/null)
done
rm -f "$here"/corpus/chart/*.chart
cp "$work"/*.chart "$here"/corpus/chart/
ls "$here"/corpus/chart
mkdir -p "$here"/corpus/export
rm -f "$here"/corpus/export/*.export
i=0
for chart in "$here"/corpus/chart/*.chart; do
  options=$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(((i * 37) % 256)) $(((i * 13) % 256)) $(((i * 29) % 256)) $((i % 16)))
  { cat "$chart"; printf "$options"; } > "$here/corpus/export/$(basename "$chart" .chart).export"
  i=$((i + 1))
done
ls "$here"/corpus/export
