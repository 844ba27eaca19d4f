#!/usr/bin/env bash
# The install as scripts/run does it, into a temporary home whose path holds
# blanks, quotes and other characters a desktop entry must quote: the program
# folder ~/Zentak with the program, the menu entry and the icon; a reinstall
# over a folder with records leaves them byte for byte; the installed program,
# started through its menu entry, reads the records beside it.
#
#   install_test.sh BUILD
set -uo pipefail

BUILD="$(cd "$1" && pwd)"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/install.sh"

TMP="$(mktemp -d)"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Processes running the program installed here (a zombie has no exe link).
installed_pids() {
    local d
    for d in /proc/[0-9]*; do
        [ "$d/exe" -ef "$PROG/zentak" ] && echo "${d#/proc/}"
    done
}
end_installed() {
    local pid i
    for pid in $(installed_pids); do
        kill "$pid" 2>/dev/null
        for ((i = 0; i < 50; i++)); do
            [ -e "/proc/$pid/exe" ] || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null
    done
}
cleanup() {
    [ -n "${PROG:-}" ] && end_installed
    rm -rf "$TMP"
}
trap cleanup EXIT

export HOME="$TMP/home \"q\" \$x \`b\` 'a' (勤怠)"
export XDG_CONFIG_HOME="$TMP/config" XDG_RUNTIME_DIR="$TMP/run"
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS="unix:path=$TMP/no-bus"
unset XDG_DATA_HOME ZENTAK_HOME DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
ENTRY="$HOME/.local/share/applications/zentak.desktop"
ICON="$HOME/.local/share/icons/hicolor/scalable/apps/zentak.svg"

# --- Which folder ---------------------------------------------------------
cd "$TMP"
[ "$(zentak_program_folder)" = "$HOME/Zentak" ] || fail "the default folder is not ~/Zentak"
[ "$(ZENTAK_HOME=rel/Z zentak_program_folder)" = "$TMP/rel/Z" ] \
    || fail "a relative ZENTAK_HOME is not made absolute"
[ "$(ZENTAK_HOME=/elsewhere zentak_program_folder "$TMP/arg")" = "$TMP/arg" ] \
    || fail "the folder named on the command line does not win over ZENTAK_HOME"
zentak_program_folder "$ZENTAK_SOURCE/build/Zentak" >/dev/null 2>&1 \
    && fail "a folder inside the source tree was accepted"

# --- First install --------------------------------------------------------
PROG="$(zentak_program_folder)"
zentak_install "$BUILD" "$PROG" || fail "the first install failed"
[ -x "$PROG/zentak" ] || fail "no program in $PROG"
[ -f "$ENTRY" ] || fail "no menu entry in ~/.local/share/applications"
[ -f "$ICON" ] || fail "no icon in ~/.local/share/icons"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$ENTRY" || fail "desktop-file-validate rejects the entry"
else
    echo "SKIPPED: desktop-file-validate not found (Debian package desktop-file-utils);" \
         "the menu entry was not validated"
fi

# --- Reinstall over the records -------------------------------------------
# One readable day and one that cannot be read (month 13).
printf '"2024/05/07"," ","09:00","18:00","08:00","08.00","work"\r\n"2024/13/40"," ","09:00","18:00","08:00","08.00",""\r\n' \
    >"$PROG/Zentak.txt"
printf '"2023/05/08"," ","09:00","17:00","07:00","07.00",""\r\n' >"$PROG/Zentak.txt.orig"
printf '"2023/05/09"," ","09:00","17:00","07:00","07.00",""\r\n' >"$PROG/Zentak.txt.bak"
printf 'header\r\n"2024/05/07","work"\r\n' >"$PROG/202405.txt"
RECORDS=(Zentak.txt Zentak.txt.orig Zentak.txt.bak 202405.txt)
mkdir "$TMP/expect"
for f in "${RECORDS[@]}"; do cp -p "$PROG/$f" "$TMP/expect/"; done
echo "an older program" >"$PROG/zentak"

zentak_install "$BUILD" "$PROG" || fail "the second install failed"
for f in "${RECORDS[@]}"; do
    cmp -s "$PROG/$f" "$TMP/expect/$f" || fail "the reinstall changed $f"
done
grep -q "an older program" "$PROG/zentak" && fail "the reinstall did not replace the program"

# --- The installed program reads its records ------------------------------
# Reading a file with an unreadable record keeps the original beside the
# program as a new Zentak.txt.orig* before anything can replace it.
kept_copy() {
    local f
    for f in "$PROG"/Zentak.txt.orig*; do
        [ "$f" != "$PROG/Zentak.txt.orig" ] && cmp -s "$f" "$TMP/expect/Zentak.txt" && return 0
    done
    return 1
}
if command -v gio >/dev/null; then
    (cd "$TMP" && gio launch "$ENTRY") || fail "the menu entry does not start the program"
else
    echo "NOTE: gio not found (Debian package libglib2.0-bin); starting the program directly"
    (cd "$TMP" && exec "$PROG/zentak" >/dev/null 2>&1 &)
fi
for ((i = 0; i < 200; i++)); do
    kept_copy && break
    sleep 0.1
done
kept_copy || fail "the installed program did not read $PROG/Zentak.txt"
end_installed
for f in "${RECORDS[@]}"; do
    cmp -s "$PROG/$f" "$TMP/expect/$f" || fail "starting the program changed $f"
done

# --- The next run without a folder keeps to the folder of the last install
zentak_install "$BUILD" "$TMP/other" || fail "the install into another folder failed"
[ "$(zentak_program_folder)" = "$TMP/other" ] \
    || fail "without a folder named, the next install leaves the folder of the last one"
[ "$(ZENTAK_HOME="$PROG" zentak_program_folder)" = "$PROG" ] \
    || fail "ZENTAK_HOME does not win over the folder of the last install"

# --- Records left in the build folder by an earlier version ---------------
OLD="$TMP/oldbuild" NEW="$TMP/new" OWN="$TMP/own"
mkdir -p "$OLD" "$NEW" "$OWN"
cp -p "$TMP/expect/Zentak.txt" "$TMP/expect/202405.txt" "$TMP/expect/Zentak.txt.orig" "$OLD/"
zentak_adopt_records "$OLD" "$NEW" >/dev/null || fail "moving the old records failed"
for f in Zentak.txt 202405.txt Zentak.txt.orig; do
    cmp -s "$TMP/expect/$f" "$NEW/$f" || fail "$f was not moved from the old build folder"
done
cp -p "$TMP/expect/Zentak.txt" "$TMP/expect/202405.txt" "$OLD/"
cp -p "$TMP/expect/Zentak.txt.bak" "$OWN/Zentak.txt"
zentak_adopt_records "$OLD" "$OWN" >/dev/null 2>&1
cmp -s "$OWN/Zentak.txt" "$TMP/expect/Zentak.txt.bak" || fail "records of the folder were replaced"
cmp -s "$OLD/Zentak.txt" "$TMP/expect/Zentak.txt" || fail "the old records were not left where they were"
[ -e "$OWN/202405.txt" ] && fail "old reports were mixed into a folder with records of its own"

[ "$failures" -eq 0 ] && echo "PASS" && exit 0
echo "$failures check(s) failed"
exit 1
