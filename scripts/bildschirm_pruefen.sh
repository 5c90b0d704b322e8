#!/usr/bin/env bash
# The program on the screens of a classroom: for each screen size (and two
# high-DPI scale factors) starts a virtual X server with the openbox window
# manager and the check program (tests/bildschirm), measures with xwininfo
# and xprop every window it announces, frame included, and fails if one lies
# outside the screen, a dialog placed by its code was moved farther than
# into the screen, or the restored main window is not centred.
#   scripts/bildschirm_pruefen.sh [path/to/tarvo_bildschirm_pruefung]
# Exit 0: passed; 77: skipped (tools missing and not root); other: failed.
set -uo pipefail

hier="$(cd "$(dirname "$0")/.." && pwd)"
pruefung="${1:-$hier/build-tests/tests/bildschirm/tarvo_bildschirm_pruefung}"
. "$hier/scripts/pruef_umgebung.sh"
tarvo_pruefung_beginnen "$pruefung" "${TARVO_X_PAKETE[@]}" "${TARVO_FENSTERMANAGER_PAKETE[@]}"

# Prints "x y w h" of the window's outer frame in screen pixels.
rahmen() {
    local info x y w h l=0 r=0 t=0 b=0 ext
    info="$(xwininfo -id "$1")" || return 1
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    ext="$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')"
    [ -n "$ext" ] && IFS=, read -r l r t b <<<"$ext"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# The place $1 brought into the range 0..$2 the least distance.
begrenzt() {
    echo $(( $1 < 0 ? 0 : $1 > $2 ? $2 : $1 ))
}

# Measures one announced window (name, X window id, "x,y" where its code
# placed its frame) on the screen of pruefen.
fenster_messen() {
    local was=$1 wunsch=${3:-} fx fy fw fh wx wy sx sy spiel=0
    read -r fx fy fw fh <<<"$(rahmen "$2")"
    if [ -z "$fh" ] || [ "$fx" -lt 0 ] || [ "$fy" -lt 0 ] ||
       [ $((fx + fw)) -gt "$breite" ] || [ $((fy + fh)) -gt "$hoehe" ]; then
        echo "FAIL $schirm x$faktor: $was at ${fx},${fy} ${fw}x${fh} lies outside the screen"
        return 1
    elif [ "$was" = Hauptfenster_wiederhergestellt ] &&
         { [ $(( (2 * fx + fw - breite) ** 2 )) -gt 4 ] || [ $(( (2 * fy + fh - hoehe) ** 2 )) -gt 4 ]; }; then
        echo "FAIL $schirm x$faktor: the restored window at ${fx},${fy} ${fw}x${fh} is not centred"
        return 1
    elif [ -n "$wunsch" ]; then
        # Moved the least distance into the screen by its real frame: the
        # frame's edge on the screen's edge it was pushed from. A scale
        # factor rounds the frame and, if fractional, keeps a pixel free.
        IFS=, read -r wx wy <<<"$wunsch"
        [ "$faktor" = 1 ] || spiel=2
        sx=$(begrenzt "$wx" $((breite - fw)))
        sy=$(begrenzt "$wy" $((hoehe - fh)))
        if [ $(( (fx - sx) ** 2 )) -gt $((spiel ** 2)) ] || [ $(( (fy - sy) ** 2 )) -gt $((spiel ** 2)) ]; then
            echo "FAIL $schirm x$faktor: $was at ${fx},${fy} ${fw}x${fh}, placed at ${wunsch}, belongs at ${sx},${sy}"
            return 1
        fi
    fi
    echo "ok   $schirm x$faktor: $was at ${fx},${fy} ${fw}x${fh}${wunsch:+, placed at $wunsch}"
}

fehler=0
pruefen() { # screen "WxH", scale factor
    local schirm="$1" faktor="$2" breite="${1%x*}" hoehe="${1#*x}"
    tarvo_x_mit_fenstermanager "$arbeit" "$schirm" || { tarvo_beenden; tarvo_x_mit_fenstermanager "$arbeit" "$schirm"; } ||
        { echo "$schirm: X server or window manager did not start" >&2; fehler=1; tarvo_beenden; return; }
    tarvo_pruefung_fuehren "$schirm x$faktor" fenster_messen "$arbeit/pruefung.log" \
        env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$faktor" QT_ACCESSIBILITY=1 timeout 120 "$pruefung" || fehler=1
    tarvo_beenden
}

# BILDSCHIRM_STUFEN="1024x768:1 1920x1080:2" picks some of them.
for stufe in ${BILDSCHIRM_STUFEN:-1024x768:1 1280x720:1 1366x768:1 1920x1080:1 1920x1080:1.5 1920x1080:2}; do
    pruefen "${stufe%:*}" "${stufe#*:}"
done
[ $fehler -eq 0 ] && echo "screen check passed" || echo "screen check failed" >&2
exit $fehler
