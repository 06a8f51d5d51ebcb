#!/usr/bin/env bash
# Loan files as a new user meets them, on a virtual screen, with a home folder of their own that
# holds an empty Documents folder: types a loan and saves it with File | Save (the dialog, in
# Documents, proposes no name; Enter on it writes nothing), clears the form with Clear Values
# and saves again (asked for a name, never to replace the first file), exits, writes a loan
# file as plain UTF-8 the way other tools do, starts `quorvia renee.qrv`, previews it and shows
# File | Open. Prints what the Documents folder holds at the end. The keyboard drives it; a
# click on the toolbar gives the main window the keyboard back after a dialog.
# Usage: scripts/loanfile-screenshots.sh [OUTPUT_FOLDER]   (XVFB_SERVER=91 picks the display)
set -euo pipefail
program=$(readlink -f "$(dirname "$0")/../build/quorvia")
out=$(readlink -f "${1:-screenshots}")
mkdir -p "$out"
run=$(mktemp -d)
cp "$program" "$run/"
mkdir -p "$run/home/Documents"
cd "$run"
server=(-a)
[ -n "${XVFB_SERVER:-}" ] && server=(-n "$XVFB_SERVER")
HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" XDG_CACHE_HOME="$run/home/.cache" \
xvfb-run "${server[@]}" -s '-screen 0 1280x1024x24' sh -c '
    out="$1"; documents="$HOME/Documents"
    shot() { sleep 1; import -window root "$out/$2.png"; }
    menu() { xdotool mousemove 900 40 click 1; sleep 0.5; xdotool key alt+f; sleep 0.5; xdotool key "$1"; sleep 1; }
    ./quorvia & sleep 3
    xdotool mousemove 640 120 click 1
    xdotool key alt+z; sleep 1
    xdotool type --delay 50 "Jane Borrower"; xdotool key Return Return
    xdotool type --delay 50 "100000"; xdotool key Return
    xdotool type --delay 50 "8.5"; xdotool key Return
    xdotool type --delay 50 "360"; xdotool key Return
    menu s; shot . save-new-loan-dialog                 # File | Save of a new loan
    xdotool key Return; shot . save-proposed-name-enter # Enter on the proposed (empty) name
    xdotool type --delay 50 "jane"; xdotool key Return; sleep 1
    xdotool mousemove 640 120 click 1
    xdotool key alt+v; sleep 1                         # Clear Values: a new loan
    xdotool type --delay 50 "Other Borrower"; xdotool key Return
    menu s; shot . save-after-clear-values             # asks for a name, not to replace
    xdotool key Escape; sleep 1
    menu x; sleep 1; xdotool key alt+n; sleep 1        # exit without saving the other loan
    first=$(date -d "+1 month" +%m/%d/%Y)                # no question about the date
    printf "Ren\303\251e M\303\274ller\n250000.00\n6.7500\n360\n 1 \n 1 \n$first\n0.00\n 0 \n 1 \n0\n\n 0 \n 0 \n 0 \n" \
        > "$documents/renee.qrv"
    ./quorvia "$documents/renee.qrv" & sleep 3
    shot . utf8-file-in-form
    xdotool mousemove 640 120 click 1
    xdotool key alt+o; sleep 3; shot . utf8-file-preview
    xdotool key Escape; sleep 1
    menu o; shot . open-question                        # the payment was filled in: unsaved
    xdotool key alt+n; sleep 1; shot . open-dialog
    xdotool key Escape; sleep 1
    echo "Documents holds:"; ls -A "$documents"
    kill %2 2>/dev/null || true' sh "$out"
rm -rf "$run"
echo "screenshots in $out"
