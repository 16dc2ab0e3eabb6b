#!/usr/bin/env bash
# The real program end to end, in a network lab with three simulated devices,
# on a private Xvfb display, driven by synthetic mouse input (xdotool). The
# URL opener and the GIO tool are recording stand-ins on PATH, so nothing is
# opened for real.
#
#   MainWindowLabTest.sh BIN_DIR
# Prints the measured start-up time, resident memory and idle processor use.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
netlab="$here/tests/lab/netlab.sh"

if [ "${1:-}" != "--inside" ]; then
    exec "$netlab" --devices 3 --timeout 120 -- "${BASH_SOURCE[0]}" --inside "${1:?bin folder}"
fi
bin=$2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shellcheck source=../lab/lab-window-session.sh
source "$here/tests/lab/lab-window-session.sh"
trap lab_session_cleanup EXIT

lab_start_devices
lab_start_private_xvfb 130 170

# Recording stand-ins for the desktop tools.
stubs="$LAB_DIR/stubs"
mkdir -p "$stubs"
opened="$LAB_DIR/opened.txt"
cat >"$stubs/xdg-open" <<STUB
#!/bin/sh
echo "\$*" >>"$opened"
STUB
cat >"$stubs/gio" <<STUB
#!/bin/sh
echo "gio \$*" >>"$LAB_DIR/gio.txt"
STUB
chmod +x "$stubs/xdg-open" "$stubs/gio"

base="$LAB_DIR/base"
mkdir -p "$base"
report="$LAB_DIR/listed.txt"
started=$(date +%s%N)
"$netlab" exec computer env DISPLAY="$DISPLAY" PATH="$stubs:$PATH" SCOUTREL_BASE_DIR="$base" \
    SCOUTREL_LIST_REPORT="$report" "$bin/scoutrel" >"$LAB_DIR/program.log" 2>&1 &
program_pid=$!

# Time to the first painted window: until the window is mapped on the display.
window=
for _ in $(seq 500); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Zelvo Roamvera"/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.01
done
[ -n "$window" ] || fail "no window appeared; program log: $(cat "$LAB_DIR/program.log")"
shown=$(date +%s%N)
echo "measured: start to first window on screen: $(( (shown - started) / 1000000 )) ms"

info=$(xwininfo -id "$window")
X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
WIDTH=$(awk '/Width:/ {print $2}' <<<"$info")
HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
[ "$WIDTH" = 328 ] && [ "$HEIGHT" = 245 ] || fail "window is ${WIDTH}x${HEIGHT}, not 328x245"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click "${3:-1}"; }

# The first countdown lists all three devices.
for _ in $(seq 150); do [ -e "$report" ] && break; sleep 0.1; done
[ -e "$report" ] || fail "the first countdown did not end"
[ "$(wc -l <"$report")" = 3 ] || fail "the window lists $(wc -l <"$report") devices, not 3: $(cat "$report")"
for i in 1 2 3; do grep -q "^travelbox-$i	198.18.$i.1	" "$report" || fail "travelbox-$i missing: $(cat "$report")"; done
"$bin/scoutrel-screenshot" "$(dirname "$bin")/mainwindow-lab.png" 2>/dev/null
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$program_pid/status")
echo "measured: resident memory after the first countdown: ${rss} kB"
read -r -a stat1 <"/proc/$program_pid/stat"
sleep 5
read -r -a stat2 <"/proc/$program_pid/stat"
ticks=$(( (stat2[13] + stat2[14]) - (stat1[13] + stat1[14]) ))
echo "measured: processor time while idle for 5 s: $(( ticks * 1000 / $(getconf CLK_TCK) )) ms"

first=$(sed -n 1p "$report" | cut -f2)
second=$(sed -n 2p "$report" | cut -f2)

# Row 0 lies just below the list's header (list at 10,50).
row_y() { echo $((50 + 30 + 19 * $1)); }
click 100 "$(row_y 0)"
sleep 0.3
click 57 221  # Log In
sleep 0.5
grep -qx "http://$first" "$opened" 2>/dev/null || fail "Log In did not open http://$first: $(cat "$opened" 2>/dev/null)"

xdotool mousemove $((X + 100)) $((Y + $(row_y 1))) click --repeat 2 --delay 60 1
sleep 0.6
grep -qx "http://$second" "$opened" || fail "double-click did not open http://$second: $(cat "$opened")"

click 267 221  # My Storage (on the row selected by the double-click)
for _ in $(seq 30); do grep -qx "smb://$second/" "$opened" && break; sleep 0.1; done
grep -qx "smb://$second/" "$opened" || fail "My Storage did not open smb://$second/: $(cat "$opened")"

# A device that leaves (byebye) is gone after the next Refresh.
kill "${device_pids[0]}"
wait "${device_pids[0]}" 2>/dev/null
sleep 0.5
rm -f "$report"
click 166 221  # Refresh
for _ in $(seq 150); do [ -e "$report" ] && break; sleep 0.1; done
[ -e "$report" ] || fail "the second countdown did not end"
grep -q "^travelbox-1	" "$report" && fail "travelbox-1 is still listed after Refresh"
[ "$(wc -l <"$report")" = 2 ] || fail "after Refresh: $(cat "$report")"

# The close button ends the process.
click 305 15
for _ in $(seq 30); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the close button did not end the program"
wait "$program_pid"
status=$?
program_pid=
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "PASS: three devices listed, Log In, double-click, My Storage, byebye and Refresh, close"
