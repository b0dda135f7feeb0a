#!/usr/bin/env bash
# loopora-cli end to end: a scripted chart is saved, exported, rendered and
# dumped again, and the outputs agree; bad input ends with a clear message.
set -euo pipefail
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/chart.script" <<'SCRIPT'
# A small doily: a double, an arc of doubles around it, a label.
new 300 300 1 30
tool double
drag 150 160 150 110
answer menu 33043
answer ok count=8 angle=360
rclick 150 135
drag 150 150 150 90
tool text
drag 10 10 120 40
answer menu 33038
answer ok "text=Ряд 1"
rclick 20 20
save CHART
export BITMAP
SCRIPT
sed -i "s#CHART#$work/chart.lpc#; s#BITMAP#$work/script.bmp#" "$work/chart.script"
"$cli" script "$work/chart.script" > "$work/script.out"

"$cli" render "$work/chart.lpc" "$work/render.bmp"
cmp "$work/script.bmp" "$work/render.bmp" || { echo "export and render differ"; exit 1; }
[ "$(stat -c %s "$work/render.bmp")" -eq $((54 + 300 * 300 * 4)) ] || { echo "wrong bitmap size"; exit 1; }

"$cli" dump "$work/chart.lpc" > "$work/dump.json"
grep -q '"name": "rings"' "$work/dump.json" || { echo "the arc is missing from the dump"; exit 1; }
grep -q '"text": "Ряд 1"' "$work/dump.json" || { echo "the label is missing from the dump"; exit 1; }
grep -q '"count": 8' "$work/dump.json" || { echo "the arc's count is missing"; exit 1; }

# The key: the template double and the arc's eight, in both languages and as JSON.
"$cli" legend "$work/chart.lpc" > "$work/legend.txt"
grep -q "^ссн  *столбик с накидом  *9$" "$work/legend.txt" || { echo "no doubles in the key: $(cat "$work/legend.txt")"; exit 1; }
grep -q "Символов: 9 · Провязано в петли: 9 · Получено петель: 9" "$work/legend.txt" || { echo "no totals in the key"; exit 1; }
"$cli" legend "$work/chart.lpc" --lang en | grep -q "^dc  *double crochet  *9$" || { echo "no English key"; exit 1; }
"$cli" legend --json "$work/chart.lpc" --lang en > "$work/legend.json"
grep -q '"type": 153, "name": "arc", "parent": -1, "index": 1,' "$work/legend.json" || { echo "no arc in: $(cat "$work/legend.json")"; exit 1; }
if "$cli" legend "$work/chart.lpc" --lang de 2> "$work/err.txt"; then echo "an unknown language passed"; exit 1; fi
grep -q "ru or en" "$work/err.txt" || { echo "no word on the language"; exit 1; }

# The same script from standard input gives the same output.
"$cli" script - < "$work/chart.script" > "$work/stdin.out"
cmp "$work/script.out" "$work/stdin.out"

# A damaged file is refused with its offset; a script error names its line.
head -c 50 "$work/chart.lpc" > "$work/short.lpc"
if "$cli" dump "$work/short.lpc" 2> "$work/err.txt"; then echo "a truncated chart loaded"; exit 1; fi
grep -q "offset" "$work/err.txt" || { echo "no offset in: $(cat "$work/err.txt")"; exit 1; }
printf 'new 300 300 1 30\nrclick 10 10\n' > "$work/bad.script"
if "$cli" script "$work/bad.script" 2> "$work/err2.txt" > /dev/null; then echo "an unanswered menu passed"; exit 1; fi
grep -q "script line 2:" "$work/err2.txt" || { echo "no line number in: $(cat "$work/err2.txt")"; exit 1; }

# A folder, a device or a pipe is refused at once with a message, as is an open step naming one.
mkfifo "$work/pipe"
for odd in "$work" /dev/zero "$work/pipe"; do
  for verb in dump render; do
    status=0
    timeout 20 "$cli" $verb "$odd" $([ $verb = render ] && echo "$work/odd.bmp") 2> "$work/err3.txt" || status=$?
    [ "$status" -eq 1 ] || { echo "$verb $odd ended with $status"; exit 1; }
    grep -q "$odd" "$work/err3.txt" || { echo "$verb $odd: no file named in: $(cat "$work/err3.txt")"; exit 1; }
  done
done
printf 'open %s\n' "$work" > "$work/folder.script"
if "$cli" script "$work/folder.script" 2> "$work/err4.txt" > /dev/null; then echo "a folder opened as a chart"; exit 1; fi
grep -q "script line 1: .*is a folder" "$work/err4.txt" || { echo "no reason in: $(cat "$work/err4.txt")"; exit 1; }

# A folder given as the script is an error, not an empty success.
mkdir "$work/folder"
if "$cli" script "$work/folder" 2> "$work/err3.txt"; then echo "a folder ran as a script"; exit 1; fi
grep -q "is a folder" "$work/err3.txt" || { echo "no word on the folder: $(cat "$work/err3.txt")"; exit 1; }

# --lang en, wherever it stands, gives the editor's menus, dialogs and
# messages in English; Russian is the default.
printf 'new 300 300 1 30\ntool double\ndrag 150 160 150 110\nanswer menu 33042\nanswer ok count=99\nanswer cancel\nrclick 150 135\n' \
  > "$work/menu.script"
"$cli" script "$work/menu.script" > "$work/ru.out"
grep -q '^menu 156: "Размер" "Цвет"' "$work/ru.out" || { echo "not Russian by default: $(cat "$work/ru.out")"; exit 1; }
for args in "--lang en script $work/menu.script" "script $work/menu.script --lang en"; do
  "$cli" $args > "$work/en.out"
  grep -q '^menu 156: "Size" "Color" "Ungroup"' "$work/en.out" || { echo "$args: $(cat "$work/en.out")"; exit 1; }
  grep -q '^dialog: “Count (2...50)”: enter a whole number from 2 to 50.$' "$work/en.out" ||
    { echo "$args: $(cat "$work/en.out")"; exit 1; }
done
if "$cli" --lang fr script "$work/menu.script" 2> "$work/err5.txt" > /dev/null; then echo "--lang fr was taken"; exit 1; fi
grep -q -- "--lang takes ru or en" "$work/err5.txt" || { echo "no word on --lang fr: $(cat "$work/err5.txt")"; exit 1; }

"$cli" catalogue "$work/catalogue.bmp" --size 40 > /dev/null
# A range of ids: only those symbols; a range holding none, or no range, is refused.
"$cli" catalogue "$work/one.bmp" --ids 7-7 | grep -q '^1 symbols in 1 x 1 cells$' || { echo "--ids 7-7 is not one symbol"; exit 1; }
if "$cli" catalogue "$work/none.bmp" --ids 144-147 2> /dev/null; then echo "a catalogue of no symbol passed"; exit 1; fi
if "$cli" catalogue "$work/none.bmp" --ids 9-x 2> /dev/null; then echo "--ids 9-x was taken"; exit 1; fi

# Print-quality exports: each format by its extension, the bitmap as render writes it.
for ext in pdf svg png bmp; do
  "$cli" export "$work/chart.lpc" "$work/export.$ext" || { echo "export to $ext failed"; exit 1; }
done
cmp "$work/export.bmp" "$work/render.bmp" || { echo "the exported bitmap differs from the rendered one"; exit 1; }
[ "$(head -c 5 "$work/export.pdf")" = "%PDF-" ] || { echo "no PDF written"; exit 1; }
grep -q '<svg' "$work/export.svg" || { echo "no SVG written"; exit 1; }
"$cli" export "$work/chart.lpc" "$work/sized.png" --page chart --dpi 192 --black
[ "$(od -An -tx1 -j16 -N8 "$work/sized.png" | tr -d ' \n')" = "0000025800000258" ] || { echo "the PNG is not 600 x 600"; exit 1; }
"$cli" export "$work/chart.lpc" "$work/letter.pdf" --page Letter --landscape --margin 15 --scale 2

# The key on an export, in Russian unless asked otherwise.
"$cli" export "$work/chart.lpc" "$work/key.pdf" --legend
pdftotext -layout "$work/key.pdf" - | grep -q "ссн  *столбик с накидом  *9" || { echo "no key in the PDF"; exit 1; }
"$cli" export "$work/chart.lpc" "$work/key-en.pdf" --legend --lang en
pdftotext -layout "$work/key-en.pdf" - | grep -q "dc  *double crochet  *9" || { echo "no English key in the PDF"; exit 1; }
"$cli" export "$work/chart.lpc" "$work/key.svg" --legend
grep -q '<g class="legend"' "$work/key.svg" || { echo "no key in the SVG"; exit 1; }
"$cli" export "$work/chart.lpc" "$work/key.png" --legend --dpi 100

# Options a format does not take, unknown ones and bad values are refused
# before anything is written; so is a file that cannot be written, and
# nothing is left behind.
expect_refused() {
  local status=0
  "$cli" export "$work/chart.lpc" "$@" 2> "$work/err5.txt" || status=$?
  [ "$status" -ne 0 ] || { echo "export $* passed"; exit 1; }
  [ -s "$work/err5.txt" ] || { echo "export $* said nothing"; exit 1; }
}
expect_refused "$work/refused.pdf" --dpi 300
expect_refused "$work/refused.bmp" --black
expect_refused "$work/refused.svg" --page A4
expect_refused "$work/refused.png" --dpi many
expect_refused "$work/refused.png" --margin -3
expect_refused "$work/refused.png" --page A5
expect_refused "$work/refused.png" --frobnicate
expect_refused "$work/refused.gif"
expect_refused "$work/refused.png" --scale 0
expect_refused "$work/refused.bmp" --legend
expect_refused "$work/refused.pdf" --legend --lang de
expect_refused "$work/no-such-folder/chart.pdf"
grep -q "chart.pdf" "$work/err5.txt" || { echo "the unwritable file is not named: $(cat "$work/err5.txt")"; exit 1; }
# Each refusal with the words that tell the user what to do instead.
while IFS='|' read -r out options words; do
  # shellcheck disable=SC2086
  expect_refused "$work/$out" $options
  grep -q -- "$words" "$work/err5.txt" || { echo "export $out $options: no '$words' in: $(cat "$work/err5.txt")"; exit 1; }
done <<'REFUSALS'
refused.pdf|--scale 1|--scale 1.58 or more
refused.pdf|--scale 1|--page chart
refused.png|--scale 1 --dpi 50|--scale 1.58 or more
refused.pdf|--page Letter --landscape --scale 1|--scale 1.54 or more
refused.pdf|--page chart --scale 0.01|larger than the 5080 mm a side
refused.png|--dpi 100 --width 300|give one of them
refused.pdf|--crop --page A4|--crop makes the page
refused.png|--crop --landscape|--crop makes the page
refused.svg|--margin 3|only with --crop
refused.bmp|--crop|does not apply to BMP
refused.bmp|--no-background|does not apply to BMP
REFUSALS
if ls "$work" | grep -q refused; then echo "a refused export left a file: $(ls "$work")"; exit 1; fi
printf 'new 300 300 1 30\nexport %s --crop\n' "$work/refused.pdf" > "$work/empty.script"
if "$cli" script "$work/empty.script" 2> "$work/err5.txt" > /dev/null; then echo "an empty chart was cropped"; exit 1; fi
grep -q "nothing is drawn" "$work/err5.txt" || { echo "no word on the empty chart: $(cat "$work/err5.txt")"; exit 1; }

# A script's export takes the format from the extension, as export does,
# with the same options; an extension it does not know is refused.
printf 'open %s\nexport %s\nexport %s --legend\nexport %s --dpi 50\nexport %s\n' "$work/chart.lpc" \
  "$work/step.pdf" "$work/step.svg" "$work/step.png" "$work/step.bmp" > "$work/formats.script"
"$cli" script "$work/formats.script" > /dev/null
[ "$(head -c 5 "$work/step.pdf")" = "%PDF-" ] || { echo "a script's PDF is not a PDF"; exit 1; }
grep -q '<g class="legend"' "$work/step.svg" || { echo "a script's SVG is not an SVG with its key"; exit 1; }
[ "$(head -c 4 "$work/step.png" | tail -c 3)" = "PNG" ] || { echo "a script's PNG is not a PNG"; exit 1; }
cmp "$work/step.bmp" "$work/render.bmp" || { echo "a script's bitmap differs from the rendered one"; exit 1; }
for step in "export $work/step.gif|does not end in" "export $work/step.pdf --dpi 300|does not apply to PDF"; do
  printf 'open %s\n%s\n' "$work/chart.lpc" "${step%%|*}" > "$work/refused.script"
  if "$cli" script "$work/refused.script" 2> "$work/err5.txt" > /dev/null; then echo "$step passed"; exit 1; fi
  grep -q "script line 2: .*${step##*|}" "$work/err5.txt" || { echo "$step: $(cat "$work/err5.txt")"; exit 1; }
done
[ ! -e "$work/step.gif" ] || { echo "a refused script export left a file"; exit 1; }

# A write that fails part way (a full disk) leaves the file that was there
# and says so, whichever command writes it; so does a leftover folder in
# the way of the file written first, which the message names.
for writer in "render $work/chart.lpc" "export $work/chart.lpc" "script $work/full.script"; do
  printf 'open %s\nexport %s\n' "$work/chart.lpc" "$work/full.bmp" > "$work/full.script"
  printf 'old picture' > "$work/full.bmp"
  status=0
  # shellcheck disable=SC2086
  (trap '' XFSZ; ulimit -f 16; "$cli" $writer $([ "${writer%% *}" = script ] || echo "$work/full.bmp")) \
    > "$work/err7.txt" 2>&1 || status=$?
  [ "$status" -ne 0 ] || { echo "$writer on a full disk passed"; exit 1; }
  [ "$(cat "$work/full.bmp")" = "old picture" ] || { echo "$writer on a full disk spoilt the old file"; exit 1; }
  grep -q "full.bmp was left as it was" "$work/err7.txt" || { echo "$writer: $(cat "$work/err7.txt")"; exit 1; }
done
mkdir "$work/full.bmp.saving"
if "$cli" render "$work/chart.lpc" "$work/full.bmp" 2> "$work/err7.txt"; then echo "a folder in the way passed"; exit 1; fi
grep -q "full.bmp.saving.*in the way" "$work/err7.txt" || { echo "the folder in the way is not named: $(cat "$work/err7.txt")"; exit 1; }
rmdir "$work/full.bmp.saving"
if ls "$work" | grep -q "saving"; then echo "a failed write left its temporary file: $(ls "$work")"; exit 1; fi

# The whole catalogue as a chart, out in every format: one SVG group per
# symbol at the top, the PDF's page the sheet's size at 96 pixels an inch.
"$cli" catalogue "$work/catalogue.lpc" --chart > "$work/catalogue.txt"
symbols=$(grep -o '^[0-9]*' "$work/catalogue.txt")
[ "$symbols" -gt 100 ] || { echo "a catalogue of $symbols symbols"; exit 1; }
for out in "catalogue.pdf --page chart" "catalogue.png --page chart" catalogue.svg catalogue.bmp; do
  set -- $out
  "$cli" export "$work/catalogue.lpc" "$work/$1" "${@:2}" 2> "$work/err6.txt" ||
    { echo "the catalogue's export to $1 failed: $(cat "$work/err6.txt")"; exit 1; }
done
"$cli" render "$work/catalogue.lpc" "$work/catalogue-render.bmp"
cmp "$work/catalogue.bmp" "$work/catalogue-render.bmp" || { echo "the catalogue's bitmaps differ"; exit 1; }
groups=$(xmllint --xpath "count(/*[local-name()='svg']/*[local-name()='g'][@class!='background'])" "$work/catalogue.svg")
[ "$groups" = "$symbols" ] || { echo "$groups groups for $symbols symbols in the SVG"; exit 1; }
pdfinfo "$work/catalogue.pdf" | grep -q "^Pages: *1$" || { echo "the catalogue's PDF is not one page"; exit 1; }
read -r width height < <(sed -n 's/.* of a \([0-9]*\) x \([0-9]*\) sheet$/\1 \2/p' "$work/catalogue.txt")
points=$(awk -v w="$width" -v h="$height" 'BEGIN { print w * 0.75 " x " h * 0.75 " pts" }')
pdfinfo "$work/catalogue.pdf" | grep -q "^Page size: *$points" ||
  { echo "the catalogue's page is not $points: $(pdfinfo "$work/catalogue.pdf" | grep 'Page size')"; exit 1; }
if "$cli" catalogue "$work/too-large.lpc" --chart --size 60 2> "$work/err6.txt"; then echo "a catalogue too large for a sheet passed"; exit 1; fi
grep -q "smaller --size" "$work/err6.txt" || { echo "no advice in: $(cat "$work/err6.txt")"; exit 1; }
[ ! -e "$work/too-large.lpc" ] || { echo "a refused catalogue left a file"; exit 1; }

# The written instructions and the check: a magic ring, a ch-3 standing as
# the first double, eleven doubles and the join on the ch-3's top.
cat > "$work/ring.script" <<'SCRIPT'
new 600 600 0 30
tool circle
drag 280 300 320 300
tool chain3
drag 300 280 300 240
tool double
drag 290 283 270 248
drag 283 290 248 270
drag 280 300 240 300
drag 283 310 248 330
drag 290 317 270 352
drag 300 320 300 360
drag 310 317 330 352
drag 317 310 352 330
drag 320 300 360 300
drag 317 290 352 270
drag 310 283 330 248
tool slipstitch
drag 297 240 303 240
save RING
pattern
check
SCRIPT
sed -i "s#RING#$work/ring.lpc#" "$work/ring.script"
"$cli" --lang en script "$work/ring.script" > "$work/ring.out"
ring_line='Rnd 1: Ch 3 (counts as dc), 11 dc in ring, join with sl st to top of beg ch-3. (12 dc)'
grep -qxF "$ring_line" "$work/ring.out" || { echo "the script's pattern step: $(cat "$work/ring.out")"; exit 1; }
grep -qx "Rnd 1: made 12, worked into 0, skipped 0" "$work/ring.out" || { echo "the script's check step: $(cat "$work/ring.out")"; exit 1; }
"$cli" pattern "$work/ring.lpc" --lang en > "$work/pattern.txt"
[ "$(cat "$work/pattern.txt")" = "$(printf 'Make a magic ring.\n%s' "$ring_line")" ] || { echo "pattern: $(cat "$work/pattern.txt")"; exit 1; }
"$cli" pattern "$work/ring.lpc" --lang en --terms uk | grep -qF "11 tr in ring" || { echo "no UK terms"; exit 1; }
"$cli" pattern "$work/ring.lpc" | grep -qF "3 в. п. подъёма (считаются за ссн), 11 ссн в кольцо" || { echo "no Russian pattern"; exit 1; }
"$cli" pattern "$work/ring.lpc" --json --lang en > "$work/pattern.json"
for key in '"language": "en", "terms": "us"' '"foundation": {"kind": "ring", "path": \[0\]' '"kind": "round"' \
           '"makes": 12, "workedInto": 0' '"abbreviation": "dc", "makes": 1, "into": \[{"kind": "ring", "round": 0' \
           '"type": 46, "abbreviation": "sl st", "makes": 0, "into": \[{"kind": "stitch", "round": 1, "index": 0' '"warnings": \[\]'; do
  grep -q "$key" "$work/pattern.json" || { echo "no $key in: $(cat "$work/pattern.json")"; exit 1; }
done
python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$work/pattern.json" || { echo "pattern --json is not JSON"; exit 1; }

# build is pattern the other way round: the text read back is the text built,
# and a wrong line is refused by its number and words, nothing written.
"$cli" pattern "$work/ring.lpc" --lang en > "$work/ring.txt"
"$cli" build "$work/ring.txt" "$work/built.lpc" --lang en || { echo "build refused the ring's pattern"; exit 1; }
"$cli" pattern "$work/built.lpc" --lang en | cmp -s - "$work/ring.txt" || { echo "the built ring reads back otherwise"; exit 1; }
"$cli" check "$work/built.lpc" --lang en > /dev/null || { echo "the built ring does not check clean"; exit 1; }
"$cli" build --shape granny --rounds 4 "$work/granny.lpc" --lang en || { echo "no granny square"; exit 1; }
"$cli" export "$work/granny.lpc" "$work/granny.pdf" --legend --pattern --rounds --lang en || { echo "the granny square does not export"; exit 1; }
printf 'Make a magic ring.\nRnd 1: 12 dc in ring. (12 dc)\nRnd 2: dc2tgo in each st around. (24 dc)\n' > "$work/bad.txt"
if "$cli" build "$work/bad.txt" "$work/bad.lpc" --lang en 2> "$work/bad.err"; then echo "build took a word that is no stitch"; exit 1; fi
grep -qxF 'loopora-cli: line 3: "dc2tgo": not a stitch' "$work/bad.err" || { echo "build: $(cat "$work/bad.err")"; exit 1; }
[ ! -e "$work/bad.lpc" ] || { echo "a refused build wrote a chart"; exit 1; }
printf 'build %s\npattern\n' "$work/ring.txt" | "$cli" script - --lang en | grep -qF "$ring_line" || { echo "the script's build step"; exit 1; }
"$cli" check "$work/ring.lpc" > /dev/null || { echo "a sound chart did not check"; exit 1; }
# A double dragged off into nowhere: the check says so and ends with 1.
sed -e 's#^drag 320 300 360 300$#drag 560 560 560 520#' -e '/^pattern$/d' -e '/^check$/d' "$work/ring.script" > "$work/stray.script"
sed -i "s#$work/ring.lpc#$work/stray.lpc#" "$work/stray.script"
"$cli" script "$work/stray.script"
status=0
"$cli" check "$work/stray.lpc" --lang en > "$work/check.txt" || status=$?
[ "$status" -eq 1 ] || { echo "check of a stray stitch ended with $status"; exit 1; }
grep -q "worked into nothing" "$work/check.txt" || { echo "check: $(cat "$work/check.txt")"; exit 1; }
status=0
"$cli" check "$work/short.lpc" 2> /dev/null || status=$?
[ "$status" -eq 2 ] || { echo "check of an unreadable chart ended with $status"; exit 1; }
status=0
"$cli" pattern "$work/ring.lpc" --terms au 2> "$work/err8.txt" || status=$?
[ "$status" -eq 2 ] && grep -q -- "--terms takes us or uk" "$work/err8.txt" || { echo "--terms au: $status"; exit 1; }

# The written instructions after the chart, and the rounds drawn on it.
"$cli" export "$work/ring.lpc" "$work/ring.pdf" --pattern --lang en
pdftotext "$work/ring.pdf" - | grep -qF "11 dc in ring, join with sl st" || { echo "no pattern in the PDF"; exit 1; }
pdfinfo "$work/ring.pdf" | grep -q "^Pages: *2$" || { echo "the pattern is not on a page of its own"; exit 1; }
"$cli" export "$work/ring.lpc" "$work/ring.svg" --rounds --pattern
for class in 'class="double round-1"' 'class="chain3 round-1"' 'class="rounds"' 'class="pattern"'; do
  grep -q "$class" "$work/ring.svg" || { echo "no $class in the SVG"; exit 1; }
done
"$cli" export "$work/ring.lpc" "$work/plain.png" --dpi 50
"$cli" export "$work/ring.lpc" "$work/text.png" --dpi 50 --pattern --rounds
png_height() { od -An -tu1 -j20 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
[ "$(png_height "$work/text.png")" -gt "$(png_height "$work/plain.png")" ] || { echo "no pattern below the PNG"; exit 1; }
expect_refused "$work/refused.bmp" --pattern
expect_refused "$work/refused.bmp" --rounds

echo "loopora-cli checks passed"
