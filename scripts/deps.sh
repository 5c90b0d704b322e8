# Sourced by the other scripts: installs with apt-get what a fresh Debian 12
# machine lacks for building, running and testing the program.
#   tarvo_pakete_sicherstellen PAKET...
tarvo_pakete_sicherstellen() {
    local fehlend=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages: ${fehlend[*]}" >&2
        echo "Install them as root: apt-get install ${fehlend[*]}" >&2
        return 1
    fi
    echo "Installing: ${fehlend[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${fehlend[@]}"
}

TARVO_BAU_PAKETE=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools
    libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n libjpeg62-turbo fonts-liberation fonts-dejavu-core
    libcups2-dev poppler-utils)
