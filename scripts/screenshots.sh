#!/usr/bin/env bash
# Runs the desktop program as a new user would (no profile file, no print queue) on a virtual
# screen and takes screenshots: the main window, the amortization form on both tabs, the
# preview of a typed loan at 80 % and 100 %, the font dialog as it opens, and the loan
# calculator with its result beside the amortization form, before and after Copy Values. The
# keyboard drives it, so it also works scaled: QT_SCALE_FACTOR=1.5 scripts/screenshots.sh OUT.
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]
set -euo pipefail
program=$(readlink -f "$(dirname "$0")/../build/quorvia")
out=$(readlink -f "${1:-screenshots}")
mkdir -p "$out"
run=$(mktemp -d)
cp "$program" "$(dirname "$program")/quorvia.qhc" "$run/"
mkdir "$run/help" && cp "$(dirname "$program")/help/quorvia.qch" "$run/help/"
cd "$run"
xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
    out="$1"
    shot() { sleep 1; import -window root "$out/$2.png"; }
    ./quorvia & sleep 3
    shot . main
    xdotool mousemove 640 120 click 1                  # give the main window the keyboard
    xdotool key alt+z; shot . amort-data               # menu: the Amortization Schedule form
    xdotool key alt+y; shot . amort-style              # the Report Style tab
    xdotool key alt+d; sleep 1                         # back to the data tab
    xdotool type --delay 50 "Jane Borrower"; xdotool key Return Return
    xdotool type --delay 50 "100000"; xdotool key Return
    xdotool type --delay 50 "8.5"; xdotool key Return
    xdotool type --delay 50 "360"; xdotool key Return
    xdotool key alt+o; sleep 3; shot . preview-80       # Okay: the schedule in the preview
    xdotool key ctrl+1; shot . preview-100
    xdotool key alt+o; sleep 1; xdotool key Return      # Fonts..., past its advice
    shot . font-dialog; xdotool key Escape; sleep 1
    xdotool key Escape; sleep 1
    xdotool key alt+l; sleep 1                         # menu: the Loan Calculator
    xdotool type --delay 50 "100000"; xdotool key Return
    xdotool type --delay 50 "8"; xdotool key Return
    xdotool type --delay 50 "360"; xdotool key Return
    xdotool type --delay 50 "0"; xdotool key Return Return Return
    shot . calculator                                  # Calculate: the payment is 733.76
    xdotool key alt+o; sleep 1; xdotool key n          # Copy Values, over the unsaved loan
    shot . calculator-copy
    kill %1 2>/dev/null || true' sh "$out"
rm -rf "$run"
echo "screenshots in $out"
