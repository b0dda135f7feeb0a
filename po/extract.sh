#!/usr/bin/env bash
# Writes the template of every text the code marks with _ or N_ (the Russian
# keys, with no translation) to the file given.
#   po/extract.sh OUT.pot
# To bring the English catalogue up to date after texts changed in the code:
#   po/extract.sh /tmp/loopora.pot
#   msgmerge --update --no-fuzzy-matching --no-wrap --no-location --sort-output --backup=none po/en.po /tmp/loopora.pot
# then give every new entry its English text.
set -euo pipefail
out=$1
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
  xgettext --from-code=UTF-8 --language=C++ --keyword=_ --keyword=N_ --qt --no-wrap --no-location --sort-output \
           --package-name=loopora --files-from=- --output="$out"
