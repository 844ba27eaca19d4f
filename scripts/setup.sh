# Shared by scripts/run and scripts/test: installs what is missing from
# Debian's packages, then configures and builds into build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

# dbus-daemon: the private session bus a test of the desktop's notifications
# runs on (dbus-run-session).
PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n libgl-dev
          libglib2.0-dev shared-mime-info fonts-ipafont-mincho fonts-ipafont-gothic xvfb xauth
          desktop-file-utils libglib2.0-bin dbus-daemon)
# What scripts/test needs besides: clang and its sanitizer runtime, for the
# fuzz targets.
if [ -n "${ZENTAK_TESTING:-}" ]; then
    PACKAGES+=(clang libclang-rt-14-dev poppler-utils)
fi
# What bench/run needs besides: Google Benchmark and the X client library.
if [ -n "${ZENTAK_BENCHING:-}" ]; then
    PACKAGES+=(libbenchmark-dev libxcb1-dev)
fi

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "These Debian packages are missing and this user cannot install them: ${missing[*]}" >&2
            exit 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j"$(nproc)"
}

install_missing
# bench/run builds a build of its own.
[ -n "${ZENTAK_BENCHING:-}" ] || build
