#!/usr/bin/env bash
# Makes the chart seeds from the script seeds: every script in corpus/script
# saves a chart, and those charts are the seeds in corpus/chart.
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
