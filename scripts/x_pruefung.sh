# Sourced by the checks that run the program on a virtual X server or in a
# Wayland compositor.

# Installs the given missing Debian packages as root; as another user the
# check ends as skipped (exit 77), naming them.
#   tarvo_fehlende_installieren PAKET...
tarvo_fehlende_installieren() {
    [ $# -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIP: missing $* and not root to install them" >&2
        exit 77
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "$@" >/dev/null ||
        { apt-get -o DPkg::Lock::Timeout=600 update -qq >/dev/null &&
          apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "$@" >/dev/null; } ||
        { echo "could not install $*" >&2; exit 2; }
}

# Starts Xvfb on a free display (other checks run their own; it writes the
# number to fd 5) and waits until it takes clients; sets DISPLAY and xvfb_pid.
#   tarvo_xvfb_starten ARBEITSORDNER BREITExHOEHE
tarvo_xvfb_starten() {
    rm -f "$1/display"
    Xvfb -displayfd 5 -screen 0 "$2x24" -nolisten tcp 5>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; cat "$1/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$1/display")"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "the X server on $DISPLAY takes no clients" >&2
    cat "$1/xvfb.log" >&2
    return 1
}

# Starts the sway compositor headless with an output of the given size and
# title bars as desktops draw them; its runtime folder is ARBEITSORDNER/
# laufzeit. sway refuses to run as root, so as root the session belongs to
# the user nobody (ARBEITSORDNER is handed to it). Sets sway_pid and the
# array "sitzung", which runs a command inside the session as its user.
#   tarvo_sway_starten ARBEITSORDNER BREITExHOEHE
tarvo_sway_starten() {
    local arbeit=$1
    sitzung=(env XDG_RUNTIME_DIR="$arbeit/laufzeit" HOME="$arbeit" WAYLAND_DISPLAY=wayland-1)
    rm -rf "$arbeit/laufzeit"
    mkdir -m 700 "$arbeit/laufzeit"
    chmod 755 "$arbeit"
    if [ "$(id -u)" -eq 0 ]; then
        sitzung=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${sitzung[@]}")
        chown -R nobody:nogroup "$arbeit"
    fi
    printf 'output HEADLESS-1 resolution %s position 0 0\ndefault_border normal\n' "$2" >"$arbeit/sway.conf"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${sitzung[@]}" sway -c "$arbeit/sway.conf" >"$arbeit/sway.log" 2>&1 &
    sway_pid=$!
    for _ in $(seq 100); do
        [ -S "$arbeit/laufzeit/wayland-1" ] && return 0
        sleep 0.1
    done
    echo "sway did not start" >&2
    cat "$arbeit/sway.log" >&2
    return 1
}

# Runs the screen check program (the command given) and answers its
# protocol: for each window it announces ("PRUEFEN name id [x,y]") MESSEN
# is called with name, id and the place its code gave it, if any, then the
# program goes on; its "FEHLER text"
# lines fail, other lines are passed on. Fails too unless the program ended
# well after announcing all 14 windows. Its error output goes to LOG.
#   tarvo_pruefung_fuehren WAS MESSEN LOG BEFEHL...
tarvo_pruefung_fuehren() {
    local wo=$1 messen=$2 log=$3 zeile name id wunsch gesehen=0 ergebnis=0
    shift 3
    coproc PRUEFUNG { "$@" 2>"$log"; }
    local aus="${PRUEFUNG[0]}" ein="${PRUEFUNG[1]}" pid="$PRUEFUNG_PID"
    while read -r -u "$aus" zeile; do
        case "$zeile" in
        PRUEFEN\ *)
            read -r _ name id wunsch <<<"$zeile"
            gesehen=$((gesehen + 1))
            "$messen" "$name" "$id" "$wunsch" || ergebnis=1
            echo weiter >&"$ein"
            ;;
        FEHLER\ *) echo "FAIL $wo: ${zeile#FEHLER }"; ergebnis=1 ;;
        ENDE) ;;
        *) echo "$zeile" ;;
        esac
    done
    wait "$pid"
    local rc=$?
    if [ $rc -ne 0 ] || [ $gesehen -ne 14 ]; then
        echo "FAIL $wo: check program ended with $rc after $gesehen windows" >&2
        cat "$log" >&2
        ergebnis=1
    fi
    return $ergebnis
}
