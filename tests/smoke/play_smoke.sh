#!/usr/bin/env bash
# Runs the real client in a real X window (Xvfb) for a few seconds, takes a
# screenshot, closes it with SIGTERM (SDL turns it into a quit event) and checks:
# exit status 0, about 60 loop iterations per second, no sanitizer report.
# Usage: play_smoke.sh BUILD_DIR SCREENSHOT_PNG
set -u
build=$1
shot=$2
cd "$build" || exit 1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  ./korvane --server 127.0.0.1:9 --log-level 4 2>"$0" &
  pid=$!
  sleep 4
  import -window root "$1" 2>/dev/null
  kill -TERM $pid
  wait $pid
  echo "exit=$?" >>"$0"
' "$log" "$shot"
cat "$log" | grep -v '^korvane\[4\]: loadFromFile\|IMG_Load .* load ok' | tail -20
status=0
grep -q '^exit=0$' "$log" || { echo "FAIL: the client did not exit 0"; status=1; }
if grep -q -E 'AddressSanitizer|LeakSanitizer|runtime error:|ThreadSanitizer' "$log"; then
  echo "FAIL: sanitizer report"; status=1
fi
# The last full pacing windows: between 50 and 70 iterations each.
rates=$(grep -o 'pacing: [0-9]* iterations' "$log" | awk '{print $2}' | tail -n 2)
[ -n "$rates" ] || { echo "FAIL: no pacing lines"; status=1; }
for r in $rates; do
  if [ "$r" -lt 50 ] || [ "$r" -gt 70 ]; then echo "FAIL: $r iterations in a second"; status=1; fi
done
echo "iterations per second: $(echo $rates | tr '\n' ' ')"
[ -s "$shot" ] || { echo "FAIL: no screenshot"; status=1; }
exit $status
