# Shared by scripts/run and the install test (sourced, not a command):
# puts the built program into its program folder, and its menu entry and icon
# into the user's applications and icons folders.
#
# The program keeps its records (Zentak.txt, the kept copies, the month
# reports) beside its executable, so the program folder is the user's and
# lives outside the source tree; an install adds or replaces only the
# program, share/applications/zentak.desktop and the icon there.

ZENTAK_SOURCE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)"

# The user's data folder, where the menu entry and the icon go.
zentak_data_home() {
    case "${XDG_DATA_HOME:-}" in
        /*) printf '%s\n' "$XDG_DATA_HOME" ;;
        *) printf '%s\n' "$HOME/.local/share" ;;
    esac
}

# The program folder of the last install: the folder of the program that the
# menu entry starts, while that program is there.
zentak_installed_folder() {
    local entry program
    entry="$(zentak_data_home)/applications/zentak.desktop"
    [ -f "$entry" ] || return 1
    program="$(sed -n 's/^TryExec=//p' "$entry" | head -n 1)"
    [ -n "$program" ] && [ -x "$program" ] || return 1
    dirname -- "$program"
}

# zentak_program_folder [FOLDER]: the folder named, else $ZENTAK_HOME, else
# the folder of the last install, else ~/Zentak, as an absolute path.
# Refuses a folder inside the source tree (a clean or a fresh clone would
# take the records with it) and a path the desktop entry cannot name.
zentak_program_folder() {
    local folder="${1:-${ZENTAK_HOME:-}}"
    [ -n "$folder" ] || folder="$(zentak_installed_folder)" || folder="$HOME/Zentak"
    case "$folder" in
        "~") folder="$HOME" ;;
        "~/"*) folder="$HOME/${folder#"~/"}" ;;
    esac
    case "$folder" in
        *$'\n'* | *'\'* | *%*)
            echo "The program folder must not have a line break, \\ or % in its path: $folder" >&2
            return 1 ;;
    esac
    folder="$(realpath -m -s -- "$folder")"
    case "$(realpath -m -- "$folder")/" in
        "$ZENTAK_SOURCE"/*)
            echo "The program folder must be outside the source tree ($ZENTAK_SOURCE), where" \
                 "a clean or a fresh clone would delete the records: $folder" >&2
            return 1 ;;
    esac
    printf '%s\n' "$folder"
}

# zentak_install BUILD FOLDER: installs the program built in BUILD into FOLDER
# and its entry and icon into $XDG_DATA_HOME (~/.local/share).
zentak_install() {
    local build="$1" folder="$2"
    local data
    data="$(zentak_data_home)"
    cmake --install "$build" --prefix "$folder" >/dev/null
    install -D -m 644 "$folder/share/applications/zentak.desktop" \
        "$data/applications/zentak.desktop"
    install -D -m 644 "$folder/share/icons/hicolor/scalable/apps/zentak.svg" \
        "$data/icons/hicolor/scalable/apps/zentak.svg"
    # An icon cache older than its theme folder is not trusted.
    touch "$data/icons/hicolor"
}

# zentak_adopt_records OLD FOLDER: records that an earlier version kept beside
# the program in OLD (the build folder) are moved into FOLDER when FOLDER has
# no records yet; otherwise the user is told that OLD still holds some.
zentak_adopt_records() {
    local old="$1" folder="$2"
    [ -f "$old/Zentak.txt" ] || return 0
    if [ -e "$folder/Zentak.txt" ]; then
        if ! cmp -s "$old/Zentak.txt" "$folder/Zentak.txt"; then
            echo "Note: $old/Zentak.txt holds records too and is no longer used;" \
                 "Zentak uses $folder/Zentak.txt. Keep whichever you need before deleting $old." >&2
        fi
        return 0
    fi
    # Zentak.txt last: until it is there, a later run goes on moving.
    local f moved=()
    for f in "$old"/Zentak.txt.orig* "$old"/Zentak.txt.bak \
             "$old"/[0-9][0-9][0-9][0-9][0-9][0-9].txt "$old"/Zentak.txt; do
        [ -f "$f" ] && [ ! -e "$folder/${f##*/}" ] || continue
        mv -- "$f" "$folder/" || return 1
        moved+=("${f##*/}")
    done
    echo "Moved the records kept in $old into $folder: ${moved[*]}"
}
