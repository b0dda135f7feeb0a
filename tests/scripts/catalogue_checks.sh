#!/usr/bin/env bash
# The English catalogue against the code: every text the code marks with _ or
# N_ has an English translation that is neither empty nor fuzzy, the
# catalogue keeps no text the code no longer has, and no translation is left
# in Russian or Chinese.
#   catalogue_checks.sh SOURCE_DIR
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "catalogue: $*"; exit 1; }
export LC_ALL=C.UTF-8

"$source/po/extract.sh" "$work/loopora.pot"
grep -q '^msgid "Готов"' "$work/loopora.pot" || fail "xgettext found none of the marked texts"

msgcmp "$source/po/en.po" "$work/loopora.pot" || fail "texts of the code above have no English translation in po/en.po"
msgcmp --use-untranslated "$work/loopora.pot" "$source/po/en.po" ||
  fail "po/en.po above holds texts the code no longer has"

untranslated=$(msggrep -T -E -e '[А-яЁё一-鿿]' "$source/po/en.po" | grep -c '^msgid' || true)
if [ "$untranslated" != 0 ]; then
  msggrep -T -E -e '[А-яЁё一-鿿]' "$source/po/en.po"
  fail "the translations above are not in English"
fi
echo "catalogue: $(( $(grep -c "^msgstr" "$work/loopora.pot") - 1 )) texts, each with its English translation"
