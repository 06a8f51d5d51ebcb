#!/usr/bin/env bash
# The installed package as a desktop starts it, on a virtual screen with a window manager and a
# home folder of its own: starts Quorvia from its menu entry (dex), then opens a loan data file
# by its type (gio open), which hands it to the running window, and previews it. Prints the
# type the desktop gives the file and takes screenshots. Needs the package installed
# (`sudo apt install ./build/quorvia_<version>_amd64.deb`); run it as a person, not as root.
# Usage: scripts/package-screenshots.sh [OUTPUT_FOLDER]   (XVFB_SERVER=57 picks the display)
set -euo pipefail
[ -x /usr/bin/quorvia ] || {
    echo "Install the package first: sudo apt install ./build/quorvia_<version>_amd64.deb" >&2
    exit 1
}
out=$(readlink -f "${1:-screenshots}")
mkdir -p "$out"
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
mkdir -p "$run/home/Documents" "$run/runtime"
chmod 700 "$run/runtime"
server=(-a)
[ -n "${XVFB_SERVER:-}" ] && server=(-n "$XVFB_SERVER")
env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$run/home" XDG_RUNTIME_DIR="$run/runtime" \
xvfb-run "${server[@]}" -s '-screen 0 1280x1024x24' sh -c '
    out="$1"; loan="$HOME/Documents/jane.qrv"
    shot() { sleep 1; import -window root "$out/$1.png"; }
    openbox 2>/dev/null & sleep 1
    quorvia-batch schedule --no-prefs --yes --name "Jane Borrower" --amount 100000 --rate 8.5 \
        --term 360 --first "$(date -d "+1 month" +%m/%d/%Y)" --save "$loan" >/dev/null 2>&1
    dex /usr/share/applications/quorvia.desktop
    xdotool search --sync --name "^Quorvia\$" >/dev/null; shot package-menu-entry
    echo "the desktop gives $(basename "$loan") the type" \
        "$(gio info -a standard::content-type "$loan" | sed -n "s/.*content-type: //p")"
    gio open "$loan"; sleep 3; shot package-loan-file-opened
    xdotool search --name "^Quorvia\$" windowactivate 2>/dev/null || true
    xdotool key alt+o; sleep 3; shot package-loan-file-preview
    xdotool key Escape; sleep 1
    xdotool search --name "^Quorvia\$" windowactivate 2>/dev/null || true
    xdotool key alt+f sleep 0.5 key x alt+n; sleep 2
    echo "the profile and cache folders:"; cd "$HOME" && find .config/quorvia .cache/quorvia
    kill %1 2>/dev/null || true' sh "$out"
echo "screenshots in $out"
