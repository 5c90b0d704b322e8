# Sourced by the checks that run the program on a virtual X server or in a
# Wayland compositor: their tools and work folder, the display, window
# manager and buses they start and end, the program started for the
# accessibility bus, and the protocol of the screen check program.
. "$(dirname "${BASH_SOURCE[0]}")/deps.sh"

# Begins a check of PROGRAMM, which must be there (else exit 2), with the
# Debian packages it needs: as root missing ones are installed (exit 2 if
# that fails); as another user the check ends as skipped (exit 77). Makes
# the work folder $arbeit, which goes at exit with all the check started.
#   tarvo_pruefung_beginnen PROGRAMM PAKET...
tarvo_pruefung_beginnen() {
    [ -x "$1" ] || { echo "no program at $1" >&2; exit 2; }
    shift
    tarvo_pakete_sicherstellen "$@" || exit $(($? == 1 ? 77 : 2))
    arbeit="$(mktemp -d)"
    trap 'tarvo_beenden; rm -rf "$arbeit"' EXIT
}

tarvo_pids=()
sitzung=()

# Starts a command in the background, its output to LOG, and keeps its
# process id (tarvo_pid) for tarvo_beenden.
#   tarvo_starten LOG BEFEHL...
tarvo_starten() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 &
    tarvo_pid=$!
    tarvo_pids+=("$tarvo_pid")
}

# Ends every process the harness started, the last first.
tarvo_beenden() {
    local i
    for ((i = ${#tarvo_pids[@]} - 1; i >= 0; i--)); do
        kill "${tarvo_pids[i]}" 2>/dev/null && wait "${tarvo_pids[i]}" 2>/dev/null || true
    done
    tarvo_pids=()
}

# Waits until the command succeeds, at most SEKUNDEN.
#   tarvo_warten SEKUNDEN BEFEHL...
tarvo_warten() {
    local zehntel=$(($1 * 10))
    shift
    for _ in $(seq "$zehntel"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Starts Xvfb on a free display (other checks run their own; it writes the
# number to fd 5) and waits until it takes clients; sets DISPLAY.
#   tarvo_xvfb_starten ARBEITSORDNER BREITExHOEHE
tarvo_xvfb_starten() {
    rm -f "$1/display"
    Xvfb -displayfd 5 -screen 0 "$2x24" -nolisten tcp 5>"$1/display" 2>"$1/xvfb.log" &
    tarvo_pids+=($!)
    tarvo_warten 10 eval "[ -s '$1/display' ] || ! kill -0 $!" && [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; cat "$1/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$1/display")"
    tarvo_warten 10 xdpyinfo && return 0
    echo "the X server on $DISPLAY takes no clients" >&2
    cat "$1/xvfb.log" >&2
    return 1
}

# Starts Xvfb and the openbox window manager and waits until the window
# manager has announced itself on the root window.
#   tarvo_x_mit_fenstermanager ARBEITSORDNER BREITExHOEHE
tarvo_x_mit_fenstermanager() {
    tarvo_xvfb_starten "$1" "$2" || return 1
    tarvo_starten "$1/openbox.log" openbox --sm-disable
    tarvo_warten 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        { echo "the window manager did not start" >&2; return 1; }
}

# Starts the sway compositor headless with an output of the given size and
# title bars as desktops draw them; its runtime folder is ARBEITSORDNER/
# laufzeit. sway refuses to run as root, so as root the session belongs to
# the user nobody (ARBEITSORDNER is handed to it). Sets the array
# "sitzung", which runs a command inside the session as its user.
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
        tarvo_starten "$arbeit/sway.log" "${sitzung[@]}" sway -c "$arbeit/sway.conf"
    tarvo_warten 10 test -S "$arbeit/laufzeit/wayland-1" && return 0
    echo "sway did not start" >&2
    cat "$arbeit/sway.log" >&2
    return 1
}

# Runs the shell function SITZUNG in a private D-Bus session (as the user of
# the array "sitzung" where one is set), within FRIST seconds; the variables
# named after it are handed over. Exit 3 of the session means the program
# never showed up on a freshly started bus: a new session is tried, at most
# three in all. Returns the session's exit code.
#   tarvo_in_dbus_sitzung FRIST SITZUNG VARIABLE...
tarvo_in_dbus_sitzung() {
    local frist=$1 funktion=$2 versuch rc
    shift 2
    {
        declare -f
        declare -p "$@"
        echo "set -u; tarvo_pids=(); trap tarvo_beenden EXIT; $funktion"
    } >"$arbeit/sitzung.sh"
    for versuch in 1 2 3; do
        timeout "$frist" "${sitzung[@]}" dbus-run-session -- bash "$arbeit/sitzung.sh"
        rc=$?
        [ $rc -eq 3 ] || break
        echo "session $versuch: the program did not appear on the accessibility bus; new session" >&2
    done
    return $rc
}

# Debian's pyatspi and Orca belong to the system interpreter, not to one
# earlier in PATH.
tarvo_python="${ZUGANG_PYTHON:-/usr/bin/python3}"

# Inside the session: starts the AT-SPI bus and waits until it answers on
# the session bus, where the program looks for it when it starts.
#   tarvo_atspi_starten ARBEITSORDNER
tarvo_atspi_starten() {
    tarvo_starten "$1/launcher.log" /usr/libexec/at-spi-bus-launcher --launch-immediately
    tarvo_warten 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
}

# Starts the program on Qt's platform PLATTFORM with its accessibility
# bridge on, its output to ARBEITSORDNER/tarvo.log; sets tarvo_pid.
#   tarvo_programm_starten ARBEITSORDNER PROGRAMM PLATTFORM
tarvo_programm_starten() {
    QT_QPA_PLATFORM="$3" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 \
        tarvo_starten "$1/tarvo.log" "$2"
}

# Runs the screen check program (the command given) and answers its
# protocol: for each window it announces ("PRUEFEN name id [x,y]") MESSEN
# is called with name, id and the place its code gave it, if any, then the
# program goes on; its "FEHLER text" lines fail, other lines are passed on.
# Fails too unless the program ended well after announcing all 14 windows.
# Its error output goes to LOG.
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
