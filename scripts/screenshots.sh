#!/usr/bin/env bash
# Runs the desktop program as a new user would (no profile file, no print queue) on a virtual
# screen with a window manager (title bars and frames as a person sees them) and takes
# screenshots: the main window, the amortization form on both tabs, the preview of a typed loan
# at 80 % and 100 %, Go to page, the font dialog as it opens, the Truth-in-Lending Disclosure
# with two prepaid charges typed, the loan calculator with its result
# beside the amortization form, before and after Copy Values, Print Setup, Preferences, Help and
# the comparison of the typed loan with 200 extra a month, on both charts, and its PDF page.
# The keyboard drives it, so it also works scaled: QT_SCALE_FACTOR=1.5 scripts/screenshots.sh OUT.
# SCREEN=1366x768 sets the virtual screen (1280x1024 by default); DISPLAY_NUMBER=49 a fixed
# display number instead of a free one.
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]
set -euo pipefail
program=$(readlink -f "$(dirname "$0")/../build/quorvia")
out=$(readlink -f "${1:-screenshots}")
mkdir -p "$out"
run=$(mktemp -d)
cp "$program" "$(dirname "$program")/quorvia.qhc" "$run/"
mkdir "$run/help" && cp "$(dirname "$program")/help/quorvia.qch" "$run/help/"
cd "$run"
display=()
[ -n "${DISPLAY_NUMBER:-}" ] && display=(-n "$DISPLAY_NUMBER")
xvfb-run -a "${display[@]}" -s "-screen 0 ${SCREEN:-1280x1024}x24" sh -c '
    out="$1"
    shot() { sleep 1; import -window root "$out/$2.png"; }
    if command -v openbox >/dev/null; then openbox & sleep 1; fi
    ./quorvia & sleep 3
    shot . main
    xdotool search --name "^Quorvia\$" windowactivate 2>/dev/null || true; sleep 1
    xdotool key alt+z; shot . amort-data               # menu: the Amortization Schedule form
    xdotool key alt+y; shot . amort-style              # the Report Style tab
    xdotool key alt+m; sleep 1                         # back to the data tab
    xdotool type --delay 50 "Jane Borrower"; xdotool key Return Return
    xdotool type --delay 50 "100000"; xdotool key Return
    xdotool type --delay 50 "8.5"; xdotool key Return
    xdotool type --delay 50 "360"; xdotool key Return
    xdotool key alt+o; sleep 3; shot . preview-80       # Okay: the schedule in the preview
    xdotool key ctrl+1; shot . preview-100
    xdotool key ctrl+g; shot . goto-page; xdotool key Escape; sleep 1
    xdotool key alt+d; sleep 2                          # Disclosure...: points and a fee
    xdotool key Return; xdotool type --delay 50 "2000"; xdotool key Return Return
    xdotool type --delay 50 "500"; xdotool key Return; shot . disclosure
    xdotool key Escape; sleep 1
    xdotool key alt+o; sleep 1; xdotool key Return      # Fonts..., past its advice
    shot . font-dialog; xdotool key Escape; sleep 1
    xdotool key Escape; sleep 1
    xdotool key alt+f; sleep 1; xdotool key t          # File | Print Setup
    shot . print-setup; xdotool key Escape; sleep 1
    xdotool key alt+f; sleep 1; xdotool key r          # File | Preferences
    shot . preferences; xdotool key Escape; sleep 1
    xdotool key F1; sleep 3; shot . help               # the form'"'"'s help topic
    xdotool key alt+F4; sleep 1
    xdotool key alt+s; sleep 2                         # menu: Compare Scenarios, the typed loan
    xdotool key alt+s; sleep 1                         # Add Scenario, then its event:
    xdotool key alt+e Down; xdotool key alt+m; xdotool type --delay 50 "200"
    xdotool key alt+n; xdotool type --delay 50 "1"; xdotool key alt+d; sleep 1
    xdotool key alt+c; sleep 2; shot . compare         # Compare: 200 extra a month saves
    xdotool key alt+i; shot . compare-interest         # the chart of the interest paid
    xdotool key alt+x; sleep 2                         # Export PDF, then its page as a picture
    xdotool type --delay 20 "$out/comparison.pdf"; xdotool key Return; sleep 2
    pdftoppm -png -r 80 -singlefile "$out/comparison.pdf" "$out/comparison-pdf"
    xdotool key Escape; sleep 1
    xdotool key alt+l; sleep 1                         # menu: the Loan Calculator
    xdotool type --delay 50 "100000"; xdotool key Return
    xdotool type --delay 50 "8"; xdotool key Return
    xdotool type --delay 50 "360"; xdotool key Return
    xdotool type --delay 50 "0"; xdotool key Return Return Return
    shot . calculator                                  # Calculate: the payment is 733.76
    xdotool key alt+o; sleep 1; xdotool key n          # Copy Values, over the unsaved loan
    shot . calculator-copy
    kill %1 %2 2>/dev/null || true' sh "$out"
rm -rf "$run"
echo "screenshots in $out"
