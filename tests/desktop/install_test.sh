#!/usr/bin/env bash
# Installs the build into a fresh prefix whose name holds a space, as a user's
# folder may, and checks what a user gets: the program's directory with both
# programs, "Presets" and "Help", the links in bin/, the menu entry and the
# icons; then the installed headless command computes an installed preset.
# Usage: install_test.sh CMAKE BUILD_DIR SOURCE_DIR WITH_GUI(1/0)
set -euo pipefail
cmake=$1 build=$2 source=$3 gui=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/my prefix"
dir="$prefix/lib/velumbra"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log"

programs=(velumbra-batch)
[ "$gui" = 1 ] && programs+=(velumbra)
for program in "${programs[@]}"; do
    [ -f "$dir/$program" ] && [ -x "$dir/$program" ] || fail "$program is not in $dir"
    link="$prefix/bin/$program"
    [ -L "$link" ] || fail "$link is not a link"
    [ "$(readlink -f "$link")" = "$(readlink -f "$dir/$program")" ] ||
        fail "$link does not lead to $dir/$program"
    case "$(readlink "$link")" in
    /*) fail "$link is absolute: the prefix cannot move" ;;
    esac
done

diff -r "$source/presets" "$dir/Presets" >&2 || fail "the installed presets differ"
if [ -d "$source/help" ]; then
    diff -r "$source/help" "$dir/Help" >&2 || fail "the installed help differs"
else
    [ ! -e "$dir/Help" ] || fail "a Help folder without help"
fi
leftovers=$(find "$dir" -maxdepth 1 \( -name '*.cfg' -o -name 'lastRun*' -o -name '.write-probe*' \))
[ -z "$leftovers" ] || fail "settings files were installed: $leftovers"

if [ "$gui" = 1 ]; then
    entry="$prefix/share/applications/velumbra.desktop"
    for line in '[Desktop Entry]' 'Type=Application' 'Name=Velumbra' 'Icon=velumbra' \
        'Categories=Education;Science;Chemistry;' 'MimeType=application/x-velumbra-session;' \
        "Exec=\"$prefix/bin/velumbra\" %f"; do
        grep -qxF "$line" "$entry" || fail "the menu entry lacks: $line"
    done
    # The session type a file manager matches "*.vsn" files with.
    mime="$prefix/share/mime/packages/velumbra-session.xml"
    if [ -f "$mime" ]; then
        grep -q '<mime-type type="application/x-velumbra-session">' "$mime" &&
            grep -q '<glob pattern="\*.vsn"/>' "$mime" ||
            fail "$mime does not declare application/x-velumbra-session for *.vsn"
        if command -v xmllint >/dev/null; then
            xmllint --noout "$mime" 2>&1 >&2 || fail "$mime is not well-formed XML"
        fi
    else
        fail "$mime is not installed"
    fi
    for side in 16 24 32 48 64 128 256; do
        icon="$prefix/share/icons/hicolor/${side}x$side/apps/velumbra.png"
        # The PNG signature, then the width and height in the header chunk.
        header=$(od -An -tx1 -N24 "$icon" 2>/dev/null | tr -d ' \n')
        printf -v size '%08x%08x' "$side" "$side"
        [ "${header:0:16}" = 89504e470d0a1a0a ] && [ "${header:32:16}" = "$size" ] ||
            fail "$icon is not a $side by $side picture"
    done
fi

# From its installed location, by its link, from elsewhere.
preset="$dir/Presets/02 Consecutive reactions.vsn"
if (cd / && "$prefix/bin/velumbra-batch" kinetics "$preset" -o "$work/out.tsv" 2>"$work/err"); then
    lines=$(wc -l <"$work/out.tsv")
    [ "$lines" -gt 100 ] || fail "the kinetics table has $lines lines"
else
    fail "velumbra-batch failed on $preset: $(cat "$work/err")"
fi

if [ "$failures" -ne 0 ]; then
    echo "Install log:" >&2
    cat "$work/install.log" >&2
    exit 1
fi
echo "installed and computed in $prefix"
