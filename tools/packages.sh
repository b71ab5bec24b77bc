# Debian packages the program needs, installed when missing. Sourced by tools/run and
# tools/test.
build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins
    libcups2-dev fonts-ipafont qt6-translations-l10n)
test_packages=(poppler-utils cups cups-client cups-bsd)
# tools/run without a display: a virtual X display and a VNC server for it.
headless_packages=(xvfb x11vnc)

ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# build_project [--target NAME --] [cmake options]: configures build/ and builds NAME,
# or everything.
build_project() {
    local target=()
    if [ "${1:-}" = --target ]; then
        target=(--target "$2")
        shift 3
    fi
    # ccache, where installed, keeps the compiled files of earlier builds and clones.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAIKYO_WERROR=ON \
        "${launcher[@]}" "$@" >/dev/null
    cmake --build build -j2 "${target[@]}"
}
