#!/usr/bin/env bash
# Prints through a private CUPS server: a cupsd of its own on a free loopback port, with its
# own configuration, spool and log folders and one queue whose device is a file. Checks what
# the queue receives from `quorvia-batch schedule --print`: a page range, collated copies, the
# paper and orientation asked for, and the message for a queue that does not exist. The server is stopped however the test ends.
# Usage: cups_print_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
batch=$build/quorvia-batch
cupsd=/usr/sbin/cupsd

if [ ! -x "$cupsd" ]; then
    if [ "${CI:-}" = "true" ]; then
        echo "FAIL: no cupsd at $cupsd (scripts/install-deps.sh installs cups-daemon)"
        exit 1
    fi
    echo "skipped: no cupsd"
    exit 77
fi

work=$(mktemp -d)
chmod 755 "$work"
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

free_port() {
    local port
    for _ in $(seq 1 100); do
        port=$((20000 + RANDOM % 20000))
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "$port"
            return
        fi
    done
    return 1
}

mkdir -p "$work"/{conf,spool,cache,state,tmp,log,out}
chmod 1777 "$work/tmp" "$work/out"
port=$(free_port) || { echo "FAIL: no free port"; exit 1; }
cat >"$work/conf/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel warn
WebInterface No
Browsing Off
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$work/conf/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $work/conf
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
CONF

"$cupsd" -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
pid=$!
export CUPS_SERVER=127.0.0.1:$port
for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
done
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "FAIL: the private cupsd did not start"
    cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null
    exit 1
fi

output=$work/out/job.pdf
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
if ! lpadmin -p quorvia-test -E -v "file://$output" -P "$ppd" 2>"$work/log/lpadmin"; then
    echo "FAIL: cannot add the queue"
    cat "$work/log/lpadmin"
    exit 1
fi

loan=(schedule "$source/samples/sample.qrv" --no-prefs --yes --today 03/10/1998 --paper letter)

# Runs the batch tool and waits until the queue has delivered the job into $output.
print_job() {
    rm -f "$output"
    if ! "$batch" "${loan[@]}" --print quorvia-test "$@" 2>"$work/log/batch"; then
        cat "$work/log/batch"
        return 1
    fi
    for _ in $(seq 1 300); do
        [ -z "$(lpstat -o quorvia-test 2>/dev/null)" ] && [ -s "$output" ] && return 0
        sleep 0.2
    done
    echo "the job did not arrive"
    return 1
}

pages() {
    pdfinfo "$output" 2>/dev/null | awk '/^Pages:/ { print $2 }'
}

whole=$(mktemp -p "$work" --suffix=.pdf)
"$batch" "${loan[@]}" --pdf "$whole" 2>/dev/null
report_pages=$(pdfinfo "$whole" | awk '/^Pages:/ { print $2 }')
[ "$report_pages" = 13 ] || fail "the sample report has $report_pages pages, not 13"

if print_job --pages 3-5; then
    [ "$(pages)" = 3 ] || fail "pages 3-5 arrived as $(pages) pages"
    pdftotext -f 1 -l 1 "$output" - | grep -q "Page 3" || fail "the job does not start with page 3"
else
    fail "printing pages 3-5"
fi

if print_job --copies 2 --collate; then
    [ "$(pages)" = 26 ] || fail "2 collated copies arrived as $(pages) pages"
    # Collated: the second copy starts after the last page of the first.
    pdftotext -f 13 -l 13 "$output" - | grep -q "Page 13" || fail "page 13 of the job is not the report's last"
    pdftotext -f 15 -l 15 "$output" - | grep -q "Page 2" || fail "page 15 of the job is not the report's page 2"
else
    fail "printing 2 collated copies"
fi

# The paper and orientation asked for are the job's: an A4 sheet with the page lying across it
# (a landscape page on a portrait sheet has its words running up the sheet).
if print_job --paper a4 --orientation landscape --pages 1-1; then
    sheet=$(pdfinfo "$output" 2>/dev/null | awk '/^Page size:/ { print $3 "x" $5 }')
    case "$sheet" in
        595x842) wide=0 ;;
        842x595) wide=1 ;;
        *) wide=""; fail "A4 landscape arrived on a sheet of $sheet points" ;;
    esac
    up=$(pdftotext -bbox "$output" - 2>/dev/null |
        awk -F'"' '/>Amortization</ { print ($8 - $4 > $6 - $2) ? 1 : 0; exit }')
    [ -n "$wide" ] && [ "$((wide ^ ${up:-0}))" = 1 ] || fail "A4 landscape arrived upright"
else
    fail "printing on A4 landscape"
fi

"$batch" "${loan[@]}" --print no-such-queue 2>"$work/log/unknown"
status=$?
[ "$status" = 1 ] || fail "an unknown queue exits with $status, not 1"
grep -q 'no print queue is named "no-such-queue"; the print queues are: quorvia-test' "$work/log/unknown" ||
    fail "an unknown queue's message: $(cat "$work/log/unknown")"

if [ "$failures" -gt 0 ]; then
    echo "--- cupsd error log"
    cat "$work/log/error_log" 2>/dev/null
    exit 1
fi
echo "ok: pages 3-5 as 3 pages, 2 collated copies as 26 pages, A4 landscape, unknown queue named"
