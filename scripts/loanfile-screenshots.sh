#!/usr/bin/env bash
# A loan kept in a file, as a new user does it on a virtual screen: types a loan, saves it with
# File | Save As (screenshot of the dialog), exits, starts `quorvia saved.qrv`, computes the
# schedule from the opened file (screenshot of the preview) and shows File | Open. The keyboard
# drives it; a click on the toolbar gives the main window the keyboard back after a dialog.
# Usage: scripts/loanfile-screenshots.sh [OUTPUT_FOLDER]   (XVFB_SERVER=91 picks the display)
set -euo pipefail
program=$(readlink -f "$(dirname "$0")/../build/quorvia")
out=$(readlink -f "${1:-screenshots}")
mkdir -p "$out"
run=$(mktemp -d)
cp "$program" "$run/"
cd "$run"
server=(-a)
[ -n "${XVFB_SERVER:-}" ] && server=(-n "$XVFB_SERVER")
xvfb-run "${server[@]}" -s '-screen 0 1280x1024x24' sh -c '
    out="$1"
    shot() { sleep 1; import -window root "$out/$2.png"; }
    menu() { xdotool mousemove 900 40 click 1; sleep 0.5; xdotool key alt+f; sleep 0.5; xdotool key "$1"; sleep 1; }
    ./quorvia & sleep 3
    xdotool mousemove 640 120 click 1
    xdotool key alt+z; sleep 1
    xdotool type --delay 50 "Jane Borrower"; xdotool key Return Return
    xdotool type --delay 50 "100000"; xdotool key Return
    xdotool type --delay 50 "8.5"; xdotool key Return
    xdotool type --delay 50 "360"; xdotool key Return
    menu a; shot . save-as-dialog
    xdotool type --delay 50 "saved.qrv"; xdotool key Return; sleep 1
    menu x; sleep 1
    ./quorvia saved.qrv & sleep 3
    shot . opened-from-command-line
    xdotool mousemove 640 120 click 1
    xdotool key alt+o; sleep 3; shot . preview-from-file
    xdotool key Escape; sleep 1
    menu o; shot . open-question                        # the payment was filled in: unsaved
    xdotool key alt+n; sleep 1; shot . open-dialog
    xdotool key Escape; sleep 1
    kill %2 2>/dev/null || true' sh "$out"
ls "$run"
rm -rf "$run"
echo "screenshots in $out"
