#!/usr/bin/env bash
# The program inside a network lab with three simulated devices (./run --lab).
#
# The lab is a set of network namespaces (tests/lab/netlab.sh): the program
# runs in the lab's computer namespace, each simulated device in a namespace
# of its own, and nothing the engine sends reaches a real interface. The
# window shows on the user's display when there is one; otherwise on a
# private Xvfb display, and then a screenshot is saved after the first
# countdown and its path printed with the devices the window lists.
#
#   app/ApplicationLabRun.sh BUILD_BIN_DIR
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
netlab="$here/tests/lab/netlab.sh"

if [ "${1:-}" != "--inside" ]; then
    bin=${1:?build bin folder}
    if [ "$(id -u)" -ne 0 ]; then
        echo "run --lab: the network lab needs root (it creates network namespaces); run: sudo ./run --lab" >&2
        exit 1
    fi
    exec "$netlab" --devices 3 -- "${BASH_SOURCE[0]}" --inside "$bin"
fi

bin=$2
# shellcheck source=../tests/lab/lab-window-session.sh
source "$here/tests/lab/lab-window-session.sh"
trap lab_session_cleanup EXIT

# Three devices, each with a host name and product of its own.
lab_start_devices R1 R2 S1

# The user's display, when one can be opened; else a private one.
headless=1
if [ -n "${DISPLAY:-}" ] && "$bin/scoutrel-screenshot" /dev/null >/dev/null 2>&1; then
    headless=0
else
    lab_start_private_xvfb 90 120
fi

# The program's configuration folder lives in the lab's scratch folder.
base="$LAB_DIR/base"
mkdir -p "$base"
report="$LAB_DIR/listed-devices.txt"
"$netlab" exec computer env DISPLAY="$DISPLAY" ${XAUTHORITY:+XAUTHORITY="$XAUTHORITY"} \
    SCOUTREL_BASE_DIR="$base" SCOUTREL_LIST_REPORT="$report" "$bin/scoutrel" &
program_pid=$!

if [ "$headless" = 0 ]; then
    echo "run --lab: the window is on display $DISPLAY with three simulated devices; close it to end the lab."
    wait "$program_pid"
    status=$?
    program_pid=
    exit "$status"
fi

# Without a display of the user's: one countdown (ten seconds), then the
# picture and the list.
for _ in $(seq 150); do
    [ -e "$report" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
sleep 0.5
shot="$(dirname "$bin")/lab-screenshot.png"
if ! "$bin/scoutrel-screenshot" "$shot"; then
    echo "run --lab: no screenshot could be taken" >&2
    exit 1
fi
echo "run --lab: screenshot after the first countdown: $shot"
if [ -e "$report" ]; then
    echo "run --lab: devices listed in the window (host name, address, product):"
    if [ -s "$report" ]; then sed 's/^/  /' "$report"; else echo "  (none)"; fi
else
    echo "run --lab: the window reported no list (did it start? see $LAB_DIR)" >&2
    exit 1
fi
