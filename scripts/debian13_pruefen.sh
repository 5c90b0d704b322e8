#!/usr/bin/env bash
# The README's test command on Debian 13: in a Debian 13 root made with
# debootstrap from Debian's archive (kept in /var/cache/tarvo and reused),
# the source tree as committed plus the work tree's changes is built and the
# whole suite run, in namespaces of its own: no network but its loopback, so
# no service of this machine is reached, and its own spooler, X servers and
# buses, ended with it. What the suite would install is installed first,
# while the network is there.
#   scripts/debian13_pruefen.sh [ctest arguments]
#   scripts/debian13_pruefen.sh --paket path/to/tarvo_....deb
# With --paket it installs the package with apt-get in a fresh copy of the
# plain root instead (apt resolving every dependency) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
[ "$(id -u)" -eq 0 ] || { echo "Needs root (debootstrap, chroot, namespaces)." >&2; exit 1; }
tarvo_pakete_sicherstellen debootstrap

ablage="${TARVO_DEBIAN13_ABLAGE:-/var/cache/tarvo}"
basis="$ablage/debian13-basis"
wurzel="$ablage/debian13"
spiegel=http://deb.debian.org/debian

# A fresh machine as a school gets it: the minimal system plus compiler,
# CMake and git, and nothing of Qt.
basis_anlegen() {
    [ -f "$basis/.tarvo-fertig" ] && return 0
    rm -rf "$basis" "$basis.neu"
    mkdir -p "$ablage"
    debootstrap --variant=minbase trixie "$basis.neu" "$spiegel"
    echo "deb $spiegel trixie-updates main" >>"$basis.neu/etc/apt/sources.list"
    echo "deb http://deb.debian.org/debian-security trixie-security main" >>"$basis.neu/etc/apt/sources.list"
    im_root "$basis.neu" netz 'apt-get update -qq && apt-get install -y -qq --no-install-recommends build-essential cmake git'
    im_root "$basis.neu" netz 'apt-get clean'
    touch "$basis.neu/.tarvo-fertig"
    mv "$basis.neu" "$basis"
}

# Runs a command as root inside ROOT in its own mount and process namespaces
# (everything it starts ends with it); "netz" keeps this machine's network
# for apt-get, "ohne" gives it a loopback of its own only.
#   im_root ROOT netz|ohne BEFEHL
im_root() {
    local root=$1 netz=$2 befehl=$3 trennen=(--mount --pid --fork --kill-child)
    [ "$netz" = ohne ] && trennen+=(--net)
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    unshare "${trennen[@]}" bash -euc '
        root=$1; shift
        ip link set lo up 2>/dev/null || true
        mount -t proc proc "$root/proc"
        mount -t sysfs sys "$root/sys"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs tmpfs "$root/tmp"
        mount -t tmpfs tmpfs "$root/run"
        mkdir -p "$root/run/lock"
        exec chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            HOME=/root TERM=dumb LANG=C.UTF-8 CI="${CI:-}" bash -euc "$1"
    ' _ "$root" "$befehl"
}

basis_anlegen

if [ "${1:-}" = --paket ]; then
    paket="$(realpath "$2")"
    frisch="$(mktemp -d "$ablage/paket.XXXXXX")"
    trap 'rm -rf "$frisch"' EXIT
    cp -a "$basis/." "$frisch/"
    cp "$paket" "$frisch/root/"
    mkdir -p "$frisch/root/scripts"
    cp scripts/start_pruefen.sh "$frisch/root/scripts/"
    im_root "$frisch" netz "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./root/$(basename "$paket") ${TARVO_X_PAKETE[*]}"
    im_root "$frisch" ohne 'root/scripts/start_pruefen.sh'
    exit 0
fi

if [ ! -f "$wurzel/.tarvo-fertig" ]; then
    rm -rf "$wurzel"
    cp -a "$basis" "$wurzel"
    rm "$wurzel/.tarvo-fertig"
fi
quelle="$wurzel/root/tarvo"
rm -rf "$quelle"
mkdir -p "$quelle"
git ls-files -z --cached --others --exclude-standard | tar --null --ignore-failed-read -T - -c | tar -x -C "$quelle"
im_root "$wurzel" netz '. /root/tarvo/scripts/deps.sh
    tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}" "${TARVO_DRUCK_PAKETE[@]}" "${TARVO_PRUEF_PAKETE[@]}"
    apt-get clean'
touch "$wurzel/.tarvo-fertig"
im_root "$wurzel" ohne "cd /root/tarvo && scripts/test.sh $*" 2>&1 | tee "$ablage/debian13.log"
