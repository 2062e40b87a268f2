#!/usr/bin/env bash
# Runs the real client in a real X window (Xvfb), takes a screenshot, closes it
# with SIGTERM (SDL turns it into a quit event) and checks: exit status 0, about
# 60 loop iterations per second once the pacing has settled, no sanitizer report.
# The delay starts at 30 ms and falls by 1 ms per slow second, so the rate needs
# about half a minute or more to reach 60 on a machine that draws a frame in ~10 ms.
# Usage: play_smoke.sh BUILD_DIR SCREENSHOT_PNG   (SMOKE_SECONDS overrides the run time)
set -u
build=$1
shot=$2
seconds=${SMOKE_SECONDS:-45}
cd "$build" || exit 1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Port 9 on loopback has no server: the client shows its connecting screen.
# In a sanitizer build a leak alone does not change the exit status: the leaks of
# the system's libraries that SDL loads and unloads (X11, D-Bus, drivers) are not
# ours, so the report is read below and only leaks through our code fail the test.
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}exitcode=0
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  ./korvane --server 127.0.0.1:9 --log-level 4 2>"$0" &
  pid=$!
  sleep "$2"
  import -window root "$1" 2>/dev/null
  kill -TERM $pid
  wait $pid
  echo "exit=$?" >>"$0"
' "$log" "$shot" "$seconds"
grep -v -E 'loadFromFile|IMG_Load .* load ok|^ALSA lib' "$log" | tail -8
status=0
grep -q '^exit=0$' "$log" || { echo "FAIL: the client did not exit 0"; status=1; }
if grep -q -E 'ERROR: AddressSanitizer|runtime error:|ThreadSanitizer' "$log"; then
  echo "FAIL: sanitizer report"; status=1
fi
# A leak whose allocation stack passes through our sources or our binary is ours.
ours=$(awk '/^(Direct|Indirect) leak/ {block = $0; next}
            block != "" && /^ *#[0-9]/ {block = block "\n" $0;
              if ($0 ~ /(client|wire)\/[a-z_\/]+\.(cpp|h)/ || $0 ~ /korvane\+0x/) print block; next}
            {block = ""}' "$log")
if [ -n "$ours" ]; then
  echo "FAIL: leaks through the client's code:"; echo -e "$ours" | head -40; status=1
elif grep -q 'LeakSanitizer: detected memory leaks' "$log"; then
  echo "note: leaks reported only in system libraries: $(grep -c '^\(Direct\|Indirect\) leak' "$log") blocks"
fi
# The last three pacing windows: about 60 iterations each on average.
rates=$(grep -o 'pacing: [0-9]* iterations' "$log" | awk '{print $2}' | tail -n 3)
echo "iterations per second, last windows: $(echo $rates)"
if [ -z "$rates" ]; then
  echo "FAIL: no pacing lines"; status=1
else
  mean=$(echo "$rates" | awk '{s += $1; n++} END {printf "%d", s / n}')
  if [ "$mean" -lt 48 ] || [ "$mean" -gt 72 ]; then echo "FAIL: $mean iterations per second"; status=1; fi
fi
[ -s "$shot" ] || { echo "FAIL: no screenshot"; status=1; }
exit $status
