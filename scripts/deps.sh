# Sourced by the other scripts: installs with apt-get what a fresh Debian 12
# or 13 machine lacks for building, running and testing the program.
# Returns 1 when packages are missing and only root could install them, 2
# when installing failed.
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
    apt-get -o DPkg::Lock::Timeout=600 update -qq &&
        apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${fehlend[@]}" ||
        { echo "Could not install: ${fehlend[*]}" >&2; return 2; }
}

# The newest clang the machine's archive offers whose sanitizer runtime is
# packaged too (clang-14 on Debian 12, clang-19 on Debian 13).
tarvo_neuestes_clang() {
    apt-cache pkgnames libclang-rt- 2>/dev/null | sed -n 's/^libclang-rt-\([0-9]\+\)-dev$/\1/p' | sort -n | tail -n1
}

TARVO_BAU_PAKETE=(build-essential cmake ninja-build pkgconf qt6-base-dev qt6-base-dev-tools
    libqt6printsupport6 qt6-qpa-plugins qt6-wayland qt6-translations-l10n libjpeg62-turbo fonts-liberation fonts-dejavu-core
    libcups2-dev libxcb1-dev poppler-utils)
TARVO_DRUCK_PAKETE=(cups cups-client cups-bsd printer-driver-cups-pdf)
# What the checks on a virtual X server or in a Wayland compositor need, by
# what they start; each installs the lists it misses.
TARVO_X_PAKETE=(xvfb x11-utils)
TARVO_FENSTERMANAGER_PAKETE=(openbox)
TARVO_ATSPI_PAKETE=(dbus at-spi2-core python3-pyatspi)
TARVO_ORCA_PAKETE=(orca xdotool bsdutils)
TARVO_WAYLAND_PAKETE=(sway qt6-wayland grim wtype)
TARVO_SPRACH_PAKETE=(locales)
# All of them: a machine without a network (the Debian 13 leg's namespace)
# gets them beforehand.
TARVO_PRUEF_PAKETE=("${TARVO_X_PAKETE[@]}" "${TARVO_FENSTERMANAGER_PAKETE[@]}" "${TARVO_ATSPI_PAKETE[@]}"
    "${TARVO_ORCA_PAKETE[@]}" "${TARVO_WAYLAND_PAKETE[@]}" "${TARVO_SPRACH_PAKETE[@]}")
