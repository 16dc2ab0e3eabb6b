#!/usr/bin/env bash
# netlab.sh: a small network made of network namespaces, for the tests that
# run the search engine and the device simulator on real sockets.
#
#   netlab.sh [OPTIONS] -- COMMAND [ARG...]
#       Builds a lab, runs COMMAND with the lab described in LAB_* variables,
#       removes the lab again (always: on success, failure and signals) and
#       exits with COMMAND's status.
#   netlab.sh exec computer|N COMMAND [ARG...]
#       Inside COMMAND: runs a command in the computer's namespace or in the
#       namespace of device N (1-based), e.g. `netlab.sh exec 2 scoutrel-devsim`.
#   netlab.sh cleanup
#       Removes what labs of processes that no longer exist left behind (a lab
#       whose owner was killed with SIGKILL cannot remove itself). Every lab
#       start does this too.
#
# Options:
#   --devices N          device namespaces on the computer's first network (1)
#   --addresses K        IPv4 addresses in each device namespace (1, at most 254)
#   --second-interface   give the computer a second interface, on a second network
#   --lan2-devices M     device namespaces on the second network (1 with
#                        --second-interface, which this option implies)
#   --in-computer        run COMMAND inside the computer's namespace (default:
#                        in the caller's namespace; reach the lab with
#                        `ip netns exec` or `netlab.sh exec`)
#   --timeout SECONDS    stop COMMAND (SIGTERM, then SIGKILL 2 s later) after this
#
# The network (nothing is created in the caller's namespace):
#
#   computer namespace        bridge namespace          device namespaces
#   pc0 198.18.0.1/16  ---- pc0 [br1] d1 ... dN ---- eth0 198.18.I.1..K/16
#   pc1 198.19.0.1/16  ---- pc1 [br2] eN+1 ...  ---- eth0 198.19.J.1..K/16
#
# The computer has routes for 255.255.255.255 and 224.0.0.0/4 through pc0,
# each device namespace through its eth0; the bridges do not snoop multicast.
#
# Variables COMMAND sees:
#   LAB_ID                  unique name of this lab (prefix of its namespaces)
#   LAB_DIR                 scratch folder, removed with the lab
#   LAB_NETLAB              this script
#   LAB_BRIDGE_NS           the bridges' namespace
#   LAB_COMPUTER_NS         the computer's namespace
#   LAB_COMPUTER_IP, LAB_COMPUTER_IF          first interface (198.18.0.1, pc0)
#   LAB_COMPUTER_IP2, LAB_COMPUTER_IF2        second interface, when there is one
#   LAB_DEVICE_COUNT        number of device namespaces (first network, then second)
#   LAB_DEVICE_<I>_NS       namespace of device I (1-based)
#   LAB_DEVICE_<I>_IP       its first address
#   LAB_DEVICE_<I>_IPS      all its addresses, separated by spaces
#   LAB_DEVICE_<I>_NET      1 or 2: the network it is on
# The same assignments are in $LAB_DIR/lab.env.
#
# The lab needs root (network namespaces). Without it this script fails with
# a message saying so: a lab test never passes without having run.
set -uo pipefail

readonly NETLAB_PREFIX=scl
self=$(readlink -f "${BASH_SOURCE[0]}")

die() {
    echo "netlab: $*" >&2
    exit 1
}

need_root() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "netlab: FAILED: the network lab needs root: it creates network namespaces, veth pairs" >&2
        echo "netlab: and bridges. Run the lab tests as root (for example: sudo ctest --test-dir build -L lab)." >&2
        exit 1
    fi
    command -v ip >/dev/null 2>&1 || die "FAILED: the 'ip' command (iproute2) is missing"
}

# Namespaces of labs whose owner process is gone.
cleanup_stale() {
    local ns owner pids
    for ns in $(ip netns list 2>/dev/null | awk '{print $1}'); do
        [[ $ns =~ ^${NETLAB_PREFIX}-([0-9]+)-[0-9a-f]{4}- ]] || continue
        owner=${BASH_REMATCH[1]}
        kill -0 "$owner" 2>/dev/null && continue
        pids=$(ip netns pids "$ns" 2>/dev/null)
        # shellcheck disable=SC2086
        [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
        ip netns del "$ns" 2>/dev/null && echo "netlab: removed stale namespace $ns" >&2
    done
}

case "${1:-}" in
exec)
    shift
    [ $# -ge 2 ] || die "usage: netlab.sh exec computer|N COMMAND [ARG...]"
    target=$1
    shift
    if [ "$target" = computer ]; then
        ns=${LAB_COMPUTER_NS:-}
    else
        [[ $target =~ ^[0-9]+$ ]] || die "exec: 'computer' or a device number, not '$target'"
        var=LAB_DEVICE_${target}_NS
        ns=${!var:-}
    fi
    [ -n "$ns" ] || die "exec: no such namespace in this lab (run inside 'netlab.sh -- COMMAND')"
    exec ip netns exec "$ns" "$@"
    ;;
cleanup)
    need_root
    cleanup_stale
    exit 0
    ;;
esac

devices=1
addresses=1
second=0
lan2_devices=
in_computer=0
timeout_s=0
while [ $# -gt 0 ]; do
    case "$1" in
    --devices) devices=${2:?--devices needs a number}; shift 2 ;;
    --addresses) addresses=${2:?--addresses needs a number}; shift 2 ;;
    --second-interface) second=1; shift ;;
    --lan2-devices) lan2_devices=${2:?--lan2-devices needs a number}; second=1; shift 2 ;;
    --in-computer) in_computer=1; shift ;;
    --timeout) timeout_s=${2:?--timeout needs seconds}; shift 2 ;;
    --) shift; break ;;
    -h | --help) sed -n '2,/^set -uo/p' "$self" | sed '$d' | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) die "unknown option '$1' (see --help)" ;;
    esac
done
[ $# -gt 0 ] || die "no command given: netlab.sh [OPTIONS] -- COMMAND [ARG...]"
[ -n "$lan2_devices" ] || lan2_devices=$second
for n in "$devices" "$addresses" "$lan2_devices" "$timeout_s"; do
    [[ $n =~ ^[0-9]+$ ]] || die "not a whole number: '$n'"
done
[ "$addresses" -ge 1 ] && [ "$addresses" -le 254 ] || die "--addresses takes 1 to 254"
[ "$devices" -le 254 ] && [ "$lan2_devices" -le 254 ] || die "at most 254 devices on a network"

need_root
cleanup_stale

LAB_ID=$(printf '%s-%d-%04x' "$NETLAB_PREFIX" $$ $((RANDOM % 65536)))
LAB_DIR=$(mktemp -d "${TMPDIR:-/tmp}/$LAB_ID.XXXXXX") || die "FAILED: cannot create a scratch folder"
created=()

teardown() {
    local rc=$? ns pids i
    trap - EXIT INT TERM HUP
    # Processes still running in the lab (started by COMMAND) go first, or
    # their namespaces would outlive the lab.
    for ns in "${created[@]}"; do
        pids=$(ip netns pids "$ns" 2>/dev/null)
        # shellcheck disable=SC2086
        [ -n "$pids" ] && kill -TERM $pids 2>/dev/null
    done
    for i in 1 2 3 4 5 6 7 8 9 10; do
        pids=
        for ns in "${created[@]}"; do pids+=$(ip netns pids "$ns" 2>/dev/null); done
        [ -z "$pids" ] && break
        sleep 0.1
    done
    for ns in "${created[@]}"; do
        pids=$(ip netns pids "$ns" 2>/dev/null)
        # shellcheck disable=SC2086
        [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
    done
    for ((i = ${#created[@]} - 1; i >= 0; i--)); do
        ip netns del "${created[i]}" 2>/dev/null || echo "netlab: could not remove namespace ${created[i]}" >&2
    done
    rm -rf "$LAB_DIR"
    exit "$rc"
}
trap teardown EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Runs `ip` in a namespace and stops the lab with a message when it fails.
nsip() {
    local ns=$1
    shift
    ip -n "$ns" "$@" || die "FAILED: ip -n $ns $*"
}

new_ns() {
    ip netns add "$1" || die "FAILED: cannot create network namespace $1"
    created+=("$1")
    nsip "$1" link set lo up
    # IPv4 only, no reverse-path filter, no IPv6 chatter on the wire.
    ip netns exec "$1" sh -c '
        echo 0 >/proc/sys/net/ipv4/conf/all/rp_filter
        echo 0 >/proc/sys/net/ipv4/conf/default/rp_filter
        echo 1 >/proc/sys/net/ipv6/conf/all/disable_ipv6
        echo 1 >/proc/sys/net/ipv6/conf/default/disable_ipv6' 2>/dev/null || true
}

# A veth pair: PORT in the bridges' namespace, attached to BRIDGE; IFNAME in NS.
wire() {
    local port=$1 bridge=$2 ns=$3 ifname=$4
    nsip "$LAB_BRIDGE_NS" link add "$port" type veth peer name "$ifname" netns "$ns"
    nsip "$LAB_BRIDGE_NS" link set "$port" master "$bridge" up
    nsip "$ns" link set "$ifname" up
}

LAB_BRIDGE_NS=$LAB_ID-br
LAB_COMPUTER_NS=$LAB_ID-pc
new_ns "$LAB_BRIDGE_NS"
for br in br1 $([ "$second" = 1 ] && echo br2); do
    nsip "$LAB_BRIDGE_NS" link add "$br" type bridge stp_state 0 mcast_snooping 0
    nsip "$LAB_BRIDGE_NS" link set "$br" up
done

new_ns "$LAB_COMPUTER_NS"
LAB_COMPUTER_IF=pc0
LAB_COMPUTER_IP=198.18.0.1
wire pc0 br1 "$LAB_COMPUTER_NS" pc0
nsip "$LAB_COMPUTER_NS" addr add "$LAB_COMPUTER_IP/16" dev pc0
if [ "$second" = 1 ]; then
    LAB_COMPUTER_IF2=pc1
    LAB_COMPUTER_IP2=198.19.0.1
    wire pc1 br2 "$LAB_COMPUTER_NS" pc1
    nsip "$LAB_COMPUTER_NS" addr add "$LAB_COMPUTER_IP2/16" dev pc1
fi
nsip "$LAB_COMPUTER_NS" route add 255.255.255.255/32 dev pc0
nsip "$LAB_COMPUTER_NS" route add 224.0.0.0/4 dev pc0

env_file=$LAB_DIR/lab.env
{
    printf 'LAB_ID=%s\nLAB_DIR=%s\nLAB_NETLAB=%s\n' "$LAB_ID" "$LAB_DIR" "$self"
    printf 'LAB_BRIDGE_NS=%s\nLAB_COMPUTER_NS=%s\n' "$LAB_BRIDGE_NS" "$LAB_COMPUTER_NS"
    printf 'LAB_COMPUTER_IP=%s\nLAB_COMPUTER_IF=%s\n' "$LAB_COMPUTER_IP" "$LAB_COMPUTER_IF"
    if [ "$second" = 1 ]; then
        printf 'LAB_COMPUTER_IP2=%s\nLAB_COMPUTER_IF2=%s\n' "$LAB_COMPUTER_IP2" "$LAB_COMPUTER_IF2"
    fi
} >"$env_file"

index=0
add_device() {
    local net=$1 number=$2 ns port bridge net_octet ips k
    index=$((index + 1))
    ns=$LAB_ID-d$index
    if [ "$net" = 1 ]; then port=d$index bridge=br1 net_octet=18; else port=e$index bridge=br2 net_octet=19; fi
    new_ns "$ns"
    wire "$port" "$bridge" "$ns" eth0
    ips=
    {
        for ((k = 1; k <= addresses; k++)); do
            echo "addr add 198.$net_octet.$number.$k/16 dev eth0"
            ips+="${ips:+ }198.$net_octet.$number.$k"
        done
        echo "route add 255.255.255.255/32 dev eth0"
        echo "route add 224.0.0.0/4 dev eth0"
    } >"$LAB_DIR/device$index.batch"
    ip -n "$ns" -batch "$LAB_DIR/device$index.batch" || die "FAILED: addresses of $ns"
    export "LAB_DEVICE_${index}_NS=$ns" "LAB_DEVICE_${index}_IP=198.$net_octet.$number.1" \
        "LAB_DEVICE_${index}_IPS=$ips" "LAB_DEVICE_${index}_NET=$net"
    printf 'LAB_DEVICE_%d_NS=%s\nLAB_DEVICE_%d_IP=%s\nLAB_DEVICE_%d_IPS="%s"\nLAB_DEVICE_%d_NET=%s\n' \
        "$index" "$ns" "$index" "198.$net_octet.$number.1" "$index" "$ips" "$index" "$net" >>"$env_file"
}
for ((d = 1; d <= devices; d++)); do add_device 1 "$d"; done
for ((d = 1; d <= lan2_devices; d++)); do add_device 2 "$d"; done
LAB_DEVICE_COUNT=$index
echo "LAB_DEVICE_COUNT=$LAB_DEVICE_COUNT" >>"$env_file"

export LAB_ID LAB_DIR LAB_BRIDGE_NS LAB_COMPUTER_NS LAB_COMPUTER_IP LAB_COMPUTER_IF LAB_DEVICE_COUNT
export LAB_NETLAB=$self
if [ "$second" = 1 ]; then export LAB_COMPUTER_IP2 LAB_COMPUTER_IF2; fi

command=("$@")
if [ "$in_computer" = 1 ]; then command=(ip netns exec "$LAB_COMPUTER_NS" "${command[@]}"); fi
if [ "$timeout_s" -gt 0 ]; then command=(timeout --kill-after=2 "$timeout_s" "${command[@]}"); fi
"${command[@]}"
rc=$?
if [ "$timeout_s" -gt 0 ] && [ "$rc" -eq 124 ]; then
    echo "netlab: FAILED: the command did not finish within $timeout_s s" >&2
fi
exit "$rc"
