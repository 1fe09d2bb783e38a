# Debian packages the build, the tests and run.sh need. Source it and call
# tarnwick_ensure_packages; as root it installs what is missing, otherwise it
# prints the command to run.

TARNWICK_PACKAGES=(
    cmake make g++ googletest libbenchmark-dev python3
    clang-14 libclang-rt-14-dev libstb-dev libmpg123-dev libid3tag0-dev sox lame
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 libasound2 xvfb xauth imagemagick xdotool icewm x11-utils
    nsis zip unzip locales
)

tarnwick_ensure_packages() {
    local missing=() p
    for p in "${TARNWICK_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
