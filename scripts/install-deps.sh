#!/usr/bin/env bash
# Installs the Debian packages this project needs to build, test and run.
# Idempotent: it asks apt only when at least one package is missing, and it
# says what it installs and why when it cannot.
set -euo pipefail

packages=(
  # Tool chain.
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  # Engine.
  libboost-dev libboost-thread-dev libboost-system-dev libboost-date-time-dev
  # Layout documents.
  libpugixml-dev
  # User interface: window system, drawing and text, fonts (CJK for the
  # Chinese and Japanese layouts).
  libsdl2-dev libcairo2-dev libpango1.0-dev libx11-dev libxext-dev
  fonts-dejavu-core fonts-noto-cjk
  # Tests and benchmarks.
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils iproute2 libcap2-bin procps psmisc
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing missing Debian packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  else
    echo "install-deps: these packages are missing and this user is not root (and sudo is not available):" >&2
    echo "  ${missing[*]}" >&2
    echo "install-deps: run as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get update; then
  echo "install-deps: 'apt-get update' failed; check the network and the apt sources." >&2
  exit 1
fi
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
  echo "install-deps: 'apt-get install' failed for: ${missing[*]}" >&2
  exit 1
fi
echo "install-deps: done."
