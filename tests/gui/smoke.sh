#!/usr/bin/env bash
# Smoke test of the desktop editor on a virtual X display: a chart made by the
# script runner is opened with `loopora CHART`; once the main window is up,
# a screenshot must show the sheet (light grey background circles and black
# stitch strokes); then the editor is ended, and started again in English.
#   smoke.sh LOOPORA LOOPORA_CLI XWD_CHECK
set -euo pipefail
loopora=$1 cli=$2 check=$3
work=$(mktemp -d)
xvfb_pid= app_pid=
finish() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

cat > "$work/chart.script" <<SCRIPT
new 600 600 1 30
tool double
drag 150 300 150 180
tool double1to5
drag 300 420 300 280
tool chain
drag 400 200 460 200
save $work/chart
SCRIPT
"$cli" script "$work/chart.script" >/dev/null

# The server takes a display number nobody uses and says which once it is
# ready, so two runs side by side never race for one number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "smoke: the virtual display never started"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 100); do xwd -root -silent >/dev/null 2>&1 && break; sleep 0.1; done

# The main window is up once the X server knows a window of that caption.
wait_for_window() {
  for _ in $(seq 300); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"$1\""; then return 0; fi
    if ! kill -0 "$app_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  echo "smoke: the main window \"$1\" never appeared"; cat "$work/loopora.log"; exit 1
}

"$loopora" "$work/chart" >"$work/loopora.log" 2>&1 &
app_pid=$!
wait_for_window LooporaRus
# Painting follows the mapping; give it a moment, then look until the sheet shows.
shown=
for attempt in $(seq 20); do
  sleep 0.25
  xwd -root -silent >"$work/screen.xwd"
  if "$check" "$work/screen.xwd" ${LOOPORA_SMOKE_PNG:+--png "$LOOPORA_SMOKE_PNG"}; then
    shown=1
    break
  fi
done
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
if [ -z "$shown" ]; then echo "smoke: no sheet on the screen"; cat "$work/loopora.log"; exit 1; fi
echo "smoke: the sheet is on the screen"

# In English the program's caption is its plain name.
"$loopora" --lang en "$work/chart" >"$work/loopora.log" 2>&1 &
app_pid=$!
wait_for_window Loopora
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "smoke: the editor starts in English with --lang en"
