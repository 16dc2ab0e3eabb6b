# Shared steps of the scripts that run the windowed program inside a network
# lab: three simulated devices, a private X display, and the cleanup of
# everything they started. Sourced from inside the lab (netlab.sh has set
# LAB_DIR); the caller sets $netlab (the lab script) and $bin (the build's
# bin folder) and installs lab_session_cleanup as its EXIT trap.

device_pids=()
xvfb_pid=
program_pid=

# Ends the program (given time to shut down in order), the devices and the
# display; each only when it was started.
lab_session_cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null
        for _ in $(seq 30); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$program_pid" 2>/dev/null
    fi
    for pid in "${device_pids[@]}"; do kill "$pid" 2>/dev/null; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
}

# Starts the simulated devices travelbox-1 to travelbox-3, one in each device
# namespace, optionally with the given products (one per device), and waits
# until each has said it is ready.
lab_start_devices() {
    local products=("$@")
    local i
    for i in 1 2 3; do
        local product=()
        [ -n "${products[i-1]:-}" ] && product=(--product "${products[i-1]}")
        "$netlab" exec "$i" "$bin/scoutrel-devsim" --host "travelbox-$i" "${product[@]}" \
            --id "5ca1ab1e-0000-4000-8000-00000000000$i" --ready-file "$LAB_DIR/device-$i.ready" \
            >"$LAB_DIR/device-$i.log" 2>&1 &
        device_pids+=($!)
    done
    for _ in $(seq 50); do
        [ -f "$LAB_DIR/device-1.ready" ] && [ -f "$LAB_DIR/device-2.ready" ] && [ -f "$LAB_DIR/device-3.ready" ] && break
        sleep 0.1
    done
}

# Starts Xvfb on the first free display number from FIRST to LAST, exports
# DISPLAY and waits until the display accepts clients.
lab_start_private_xvfb() {
    local first=$1 last=$2 n
    for n in $(seq "$first" "$last"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    export DISPLAY=":$n"
    Xvfb "$DISPLAY" -screen 0 640x400x24 -nolisten tcp >"$LAB_DIR/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        "$bin/scoutrel-screenshot" /dev/null >/dev/null 2>&1 && break
        sleep 0.1
    done
}
