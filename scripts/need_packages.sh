# shellcheck shell=bash
# need_packages PACKAGE...: installs the Debian packages that are missing when run as root;
# otherwise prints the one apt-get line needed and stops.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    if ((EUID != 0)); then
        echo "Missing packages. Install them as root, then try again:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q && apt-get install -y -q "${missing[@]}"
}
