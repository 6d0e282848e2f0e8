#!/usr/bin/env bash
# Takes the pictures of the help documents (help/images/*.png) from the real
# program: builds it (Release), runs it on a virtual 1280x800 screen under
# Xvfb and drives it with xdotool, the way a user would, then cuts the windows
# out of the screen with ImageMagick's import.
#
#   bash scripts/help-screenshots.sh            all pictures
#   bash scripts/help-screenshots.sh NAME...    only these scenes (see the end)
#   bash scripts/help-screenshots.sh readme     the README's main window
#                                               pictures (docs/screenshots)
#
# VELUMBRA_BIN=DIR takes the pictures with the program already built in DIR
# instead of building build/release.
#
# The program keeps prefs.cfg, recent.cfg and lastRun.vsn beside itself in
# build/release/bin, where it may write: they are moved aside while the
# pictures are taken, so every scene starts from the defaults, and put back
# afterwards. Positions are
# those of the default window arrangement on this screen size; after a change
# of a window's layout, run the script again and look at every picture.
set -euo pipefail
cd "$(dirname "$0")/.."

screen_size=1280x800
bin=${VELUMBRA_BIN:-build/release/bin}
images=help/images

if [ "${1:-}" != "--inside" ]; then
    bash scripts/install-deps.sh xdotool imagemagick

    if [ -z "${VELUMBRA_BIN:-}" ]; then
        cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build build/release -j2 --target velumbra presets-beside-program
    fi

    stash=$(mktemp -d)
    for f in prefs.cfg recent.cfg lastRun.vsn; do
        if [ -e "$bin/$f" ]; then mv "$bin/$f" "$stash/"; fi
    done
    restore() {
        for f in prefs.cfg recent.cfg lastRun.vsn; do
            rm -f "$bin/$f"
            if [ -e "$stash/$f" ]; then mv "$stash/$f" "$bin/"; fi
        done
        rmdir "$stash"
    }
    trap restore EXIT

    mkdir -p "$images"
    status=0
    xvfb-run --auto-servernum --server-args="-screen 0 ${screen_size}x24 -nolisten tcp" \
        bash "$0" --inside "$@" || status=$?
    exit "$status"
fi
shift

# ---------------------------------------------------------------- helpers --

# The windows of the default arrangement on a 1280x800 screen, as
# WIDTHxHEIGHT+LEFT+TOP of their frames, and the client origins used for
# clicks inside the painted windows.
reactions_frame=1267x385+5+24
kinetics_frame=917x376+134+414
speedbar_frame=114x287+10+461
control_frame=209x287+1059+461
reactions_x=10 reactions_y=49 # drawing point (0, 0)
drawing_part=890x300+5+24      # the reaction system left of the equations
drawing_only=560x260+10+49     # the upper left of the drawing, no caption
kinetics_x=138 kinetics_y=438
control_x=1063 control_y=485

# Menu bar titles.
session_menu=32 system_menu=91 view_menu=143 export_menu=191 info_menu=237

pid=""

start_program() {
    rm -f "$bin/prefs.cfg" "$bin/recent.cfg" "$bin/lastRun.vsn"
    "$bin/velumbra" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --name '^Velumbra' >/dev/null
    # The first timer tick starts the new session; let the windows settle.
    sleep 2
    rest_mouse
}

stop_program() {
    if [ -n "$pid" ]; then
        # Ends the program without its exit question; nothing of it is kept.
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=""
    fi
}

pause() { sleep "${1:-0.5}"; }

# Moves the mouse over an empty part of the reaction system window, so that
# its caption shows the plain hint, and then out of the way.
rest_mouse() {
    xdotool mousemove "$(rx 820)" "$(ry 330)"
    pause 0.3
    xdotool mousemove 640 795
    pause 0.3
}

keys() {
    local k
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.12
    done
}

# keys_n N KEY: presses KEY N times.
keys_n() {
    local i
    for ((i = 0; i < $1; i++)); do keys "$2"; done
}

click_at() {
    xdotool mousemove "$1" "$2"
    pause 0.3
    xdotool click "${3:-1}"
    pause 0.6
}

double_click_at() {
    xdotool mousemove "$1" "$2"
    pause 0.3
    xdotool click --repeat 2 --delay 80 1
    pause 0.6
}

# A point of the reaction system's drawing plane, on the screen.
rx() { echo $((reactions_x + $1)); }
ry() { echo $((reactions_y + $1)); }

# drag X1 Y1 X2 Y2: left button held from one screen point to another.
drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i
    xdotool mousemove "$x1" "$y1"
    pause 0.3
    xdotool mousemove $((x1 + 1)) "$y1"
    pause 0.3
    xdotool mousedown 1
    for i in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((x1 + (x2 - x1) * i / 10)) $((y1 + (y2 - y1) * i / 10))
        sleep 0.08
    done
    pause 0.3
    xdotool mouseup 1
    pause 0.8
}

open_menu() {
    xdotool mousemove "$1" 8
    pause 0.2
    xdotool click 1
    pause 0.5
}

close_menus() {
    keys Escape Escape Escape
    pause 0.3
}

# open_preset N: Session > Presets > the N-th preset (from a session whose
# Save item is disabled, which the keyboard skips).
open_preset() {
    open_menu "$session_menu"
    keys_n 4 Down
    keys Right
    keys_n $(($1 - 1)) Down
    keys Return
    pause 1.5
    rest_mouse
}

# type_value TEXT: replaces the value of the open value input dialog.
type_value() {
    xdotool type --delay 60 "$1"
    pause 0.3
}

# window_id CAPTION: the visible top-level window of that caption, waiting
# up to ten seconds for it.
window_id() {
    local i id
    for ((i = 0; i < 50; i++)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

missing=0

# shot NAME [CROP]: the screen, or a part of it, as help/images/NAME.png.
# Dates are left out so that the same picture gives the same file.
shot() {
    local args=(-window root)
    [ -n "${2:-}" ] && args+=(-crop "$2" +repage)
    import "${args[@]}" +set date:create +set date:modify -strip \
        -define png:exclude-chunks=date,time "$images/$1.png"
    echo "  $images/$1.png"
}

# shot_window TITLE NAME: one top-level window, found by its caption.
shot_window() {
    local id
    if ! id=$(window_id "$1"); then
        echo "  MISSING: no window \"$1\", $images/$2.png not taken"
        missing=$((missing + 1))
        return 0
    fi
    import -window "$id" +set date:create +set date:modify -strip \
        -define png:exclude-chunks=date,time "$images/$2.png"
    echo "  $images/$2.png"
}

# The geometry of a top-level window as WIDTHxHEIGHT+LEFT+TOP, grown by M
# pixels on every side and kept on the screen.
window_area() {
    local id=$1 m=${2:-0} x y w h
    eval "$(xdotool getwindowgeometry --shell "$id")"
    x=$((X - m)) y=$((Y - m)) w=$((WIDTH + 2 * m)) h=$((HEIGHT + 2 * m))
    ((x < 0)) && x=0
    ((y < 0)) && y=0
    echo "${w}x${h}+${x}+${y}"
}

# ----------------------------------------------------------------- scenes --

# The Quick Start: A -> B from an empty session to the animation.
scene_quickstart() {
    start_program
    shot qs-empty-session

    # Step 2: two components on the grid, A at (168, 168), B at (392, 168).
    double_click_at "$(rx 168)" "$(ry 168)"
    double_click_at "$(rx 392)" "$(ry 168)"
    rest_mouse
    shot qs-two-components "$drawing_only"

    # Step 3: from A's connection ring (17 pixels right of its centre) to B.
    drag "$(rx 185)" "$(ry 168)" "$(rx 392)" "$(ry 168)"
    xdotool mousemove "$(rx 185)" "$(ry 168)"
    pause
    shot qs-reaction "$drawing_part"

    # Step 4: the forward rate constant stands 11 pixels above the arrow.
    click_at "$(rx 281)" "$(ry 157)"
    type_value 0.5
    shot qs-rate-dialog "$drawing_only"
    keys Return
    pause

    # Step 5: the simulation time field of the control window.
    click_at $((control_x + 40)) $((control_y + 40))
    type_value 20
    keys Return
    pause 1
    rest_mouse
    shot qs-control "$control_frame"
    shot qs-curves

    # Steps 7 to 9: View > Parameter Animation..., Move to 300%, Period 5 s.
    open_menu "$view_menu"
    keys_n 10 Down
    keys Return
    pause 1
    local id
    id=$(window_id "Parameter Animation")
    eval "$(xdotool getwindowgeometry --shell "$id")"
    local ax=$X ay=$Y
    # The option row: fields 41 pixels high, 15 above the bottom; "+" in the
    # upper and "-" in the lower half of a 20 pixel strip at a field's right.
    local row=$((ay + HEIGHT - 15 - 41))
    # Step 8: the first entry of the list "Parameter" (at (70, 16), 345 by
    # 21 pixels) is the rate constant; the list remembers the entry chosen
    # before, the concentration of A.
    click_at $((ax + 240)) $((ay + 26))
    keys Home Return
    pause
    click_at $((ax + 184)) $((row + 10))
    click_at $((ax + 184)) $((row + 10))
    local i
    for i in 1 2 3 4 5; do click_at $((ax + 436)) $((row + 31)); done
    rest_mouse
    pause
    shot_window "Parameter Animation" qs-animation-window

    # Step 10: Play; the speed bar's Animation button then closes the window
    # (the animation goes on), and the curves a moment later.
    click_at $((ax + 497)) $((row + 20))
    click_at 66 701
    rest_mouse
    pause 2.5
    shot qs-animated-curves "$kinetics_frame"
    stop_program
}

# The main window and the reaction system window with two presets.
scene_main() {
    start_program
    open_preset 2
    shot main-window
    shot kinetics "$kinetics_frame"
    stop_program

    start_program
    open_preset 8
    shot reaction-system "$drawing_part"
    shot simulation-control "$control_frame"
    shot_window Equations equations

    # The local menu of the first reaction, its geometry submenu open.
    xdotool mousemove "$(rx 168)" "$(ry 112)"
    pause
    click_at "$(rx 168)" "$(ry 112)" 3
    keys_n 5 Down
    keys Right
    pause
    shot menu-reaction 560x300+120+100
    close_menus

    # The value input dialog on the simulation time.
    click_at $((control_x + 40)) $((control_y + 40))
    shot value-input "$(window_area "$(window_id "Simulation time")" 12)"
    keys Escape
    pause
    stop_program
}

# The Session, System and View menus.
scene_menus() {
    start_program
    open_preset 8
    # An edit, so that Undo names it.
    click_at $((control_x + 173)) $((control_y + 26))
    rest_mouse
    pause
    open_menu "$session_menu"
    shot menu-session 250x274+0+0
    close_menus

    # Select All, then System > Initial Concentrations.
    open_menu "$system_menu"
    keys_n 3 Down
    keys Return
    pause
    open_menu "$system_menu"
    keys_n 8 Down
    keys Right
    pause
    shot menu-system 360x338+62+0
    close_menus

    open_menu "$view_menu"
    shot menu-view 262x292+124+0
    close_menus
    stop_program
}

# The kinetics plot: a phase plot and the Options menu.
scene_kinetics() {
    start_program
    open_preset 12
    # Legend rows of A, X, Y and P (the preset hides A and P): the x-axis
    # arrow of X.
    local arrow=$((kinetics_x + 100 + 801 - 12)) row0=$((kinetics_y + 16 + 14))
    click_at "$arrow" $((row0 + 14))
    rest_mouse
    pause
    shot kinetics-phase "$kinetics_frame"

    click_at $((kinetics_x + 30)) $((kinetics_y + 328))
    keys_n 3 Down
    keys Right
    pause
    shot kinetics-options 440x330+134+470
    close_menus
    stop_program
}

# The floating windows and the dialogs.
scene_dialogs() {
    start_program
    open_preset 16
    open_menu "$view_menu"
    keys_n 9 Down
    keys Return
    pause 1
    shot_window "Weighted Observation" weighted-observation

    open_menu "$export_menu"
    keys Down Return
    pause 1
    shot_window "Export Reaction Kinetics" export
    keys Escape
    pause
    stop_program

    start_program
    open_preset 15
    # The forward rate constant of the reaction of A (at (112, 112)) and
    # B (at (280, 112)) stands 11 pixels above its centre.
    xdotool mousemove "$(rx 196)" "$(ry 101)"
    pause
    click_at "$(rx 196)" "$(ry 101)" 3
    keys Down Return
    pause 1
    shot_window "Reaction Switches" reaction-switches
    keys Escape
    pause
    stop_program

    start_program
    open_menu "$session_menu"
    keys_n 7 Down
    keys Return
    pause 1
    shot_window Preferences preferences
    keys Escape
    pause
    stop_program

    start_program
    open_preset 8
    # Simulation time "+", time step "-", Auto Refresh off and on.
    click_at $((control_x + 173)) $((control_y + 26))
    click_at $((control_x + 173)) $((control_y + 92))
    click_at $((control_x + 100)) $((control_y + 130))
    click_at $((control_x + 100)) $((control_y + 130))
    rest_mouse
    open_menu "$session_menu"
    keys_n 8 Down
    keys Return
    pause 1
    shot_window History history
    keys Escape
    pause
    stop_program
}

# A long calculation: First-order decay for 1e6 time units in steps of 1e-3.
scene_progress() {
    start_program
    open_preset 1
    click_at $((control_x + 40)) $((control_y + 40))
    type_value 1e6
    keys Return
    pause 3
    shot_window "Calculating Kinetics" progress
    local id
    id=$(window_id "Calculating Kinetics")
    eval "$(xdotool getwindowgeometry --shell "$id")"
    click_at $((X + 390)) $((Y + 48))
    pause
    stop_program
}

# The parameter list of the animation window for a reversible reaction.
scene_animation() {
    start_program
    open_preset 4
    open_menu "$view_menu"
    keys_n 10 Down
    keys Return
    pause 1
    local id
    if ! id=$(window_id "Parameter Animation"); then
        echo "  MISSING: no window \"Parameter Animation\", $images/animation.png not taken"
        missing=$((missing + 1))
        stop_program
        return 0
    fi
    eval "$(xdotool getwindowgeometry --shell "$id")"
    # The list "Parameter" stands at (70, 16), 345 by 21 pixels.
    click_at $((X + 240)) $((Y + 26))
    pause
    shot animation "${WIDTH}x${HEIGHT}+${X}+${Y}"
    keys Escape
    pause
    stop_program
}

# The speed bar and the About box (a window without caption, found by its
# size).
scene_shell() {
    start_program
    open_preset 2
    shot speedbar "$speedbar_frame"
    open_menu "$info_menu"
    keys_n 4 Down
    keys Return
    pause 1
    local id="" w
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        if [ "$WIDTH" = 525 ] && [ "$HEIGHT" = 278 ]; then id=$w; fi
    done
    if [ -n "$id" ]; then
        shot about "$(window_area "$id")"
    else
        echo "  MISSING: no About box, $images/about.png not taken"
        missing=$((missing + 1))
    fi
    keys Escape
    pause
    stop_program
}

# The README's pictures: the main window with the chain A -> B -> C, its
# kinetics window alone, and the main window with the Lotka-Volterra
# oscillator.
scene_readme() {
    local images=docs/screenshots
    start_program
    open_preset 2
    shot main-window-first-components
    shot kinetics-time-default "$kinetics_frame"
    stop_program

    start_program
    open_preset 12
    shot main-window
    stop_program
}

trap stop_program EXIT
scenes=("$@")
[ ${#scenes[@]} -eq 0 ] && scenes=(quickstart main menus kinetics dialogs progress animation shell)
for scene in "${scenes[@]}"; do
    echo "scene $scene"
    "scene_$scene"
done
if [ "$missing" -gt 0 ]; then
    echo "$missing pictures not taken" >&2
    exit 1
fi
