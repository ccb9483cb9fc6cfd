#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# As root it runs apt-get itself; otherwise it prints the exact command and fails.
set -euo pipefail

PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-webengine-dev
    libgtest-dev
    fonts-liberation fontconfig
    locales
    python3
    chromium
    dpkg-dev desktop-file-utils shared-mime-info file
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
# The browser tests run on node; any node of 18 or later with npm will do.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    missing+=(nodejs npm)
fi

if ((${#missing[@]})); then
    if [[ $(id -u) -eq 0 ]]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing packages: ${missing[*]}" >&2
        echo "Run as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
fi

# The number-format tests run under a decimal-comma locale; make sure one exists.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    if [[ $(id -u) -eq 0 ]]; then
        localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "warning: could not generate de_DE.UTF-8" >&2
    else
        echo "note: locale de_DE.UTF-8 is missing; as root run: localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
    fi
fi

# The browser tests' node packages, pinned by tests/player/package-lock.json; reinstalled only
# when the lock file changes.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PLAYER_TESTS="$ROOT/tests/player"
lock_hash=$(sha256sum "$PLAYER_TESTS/package-lock.json" | cut -d' ' -f1)
stamp="$PLAYER_TESTS/node_modules/.installed-from-lock"
if [[ ! -f $stamp || $(cat "$stamp") != "$lock_hash" ]]; then
    if (cd "$PLAYER_TESTS" && npm ci --no-audit --no-fund --loglevel=error); then
        echo "$lock_hash" >"$stamp"
    elif [[ ${CI:-} == true ]]; then
        echo "npm ci failed in tests/player" >&2
        exit 1
    else
        echo "warning: npm ci failed in tests/player; the browser tests will be skipped" >&2
    fi
fi
