#!/usr/bin/env bash
# Builds the Debian package and checks it as a machine that installs it meets it: lintian,
# appstreamcli and desktop-file-validate accept it; apt-get installs it with what it depends on;
# the menu entry, the loan file type and the icon reach the desktop's caches; a person who is
# not root (a user made for the check) runs both programs from /usr/bin, and root runs
# quorvia-batch, without a byte written under /usr; the person's preferences land in
# ~/.config/quorvia; apt-get purge leaves nothing of the package behind.
# Runs as root on a machine without the package (CI, or `sudo tests/install/check-package.sh`).
# Usage: tests/install/check-package.sh [BUILD_FOLDER]
set -euo pipefail
source=$(readlink -f "$(dirname "$0")/../..")
build=$(readlink -f "${1:-$source/build}")
person=quorvia-check
export DEBIAN_FRONTEND=noninteractive

# lintian warnings the package keeps, and why: none.
kept_warnings=()

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "-- $*"; }

[ "$(id -u)" -eq 0 ] || fail "run as root: the check installs and purges the package"
if dpkg-query -W -f='${Status}' quorvia 2>/dev/null | grep -q "ok installed"; then
    fail "quorvia is installed already; the check needs a machine without it"
fi
id "$person" >/dev/null 2>&1 && fail "the user $person exists already"

work=$(mktemp -d)
chmod 755 "$work"
cleanup() {
    set +e
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
    [ -n "${window_manager_pid:-}" ] && kill "$window_manager_pid" 2>/dev/null
    [ -n "${screen_pid:-}" ] && kill "$screen_pid" 2>/dev/null
    wait
    if dpkg-query -W -f='${Status}' quorvia 2>/dev/null | grep -q "ok installed"; then
        apt-get purge -y -qq quorvia >/dev/null
    fi
    id "$person" >/dev/null 2>&1 && userdel --remove "$person" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

step "building the package"
cmake --build "$build" --target package >"$work/cpack.log" || {
    cat "$work/cpack.log"
    fail "the package did not build"
}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$work/quorvia_${version}_amd64.deb
cp "$build/quorvia_${version}_amd64.deb" "$deb" || fail "no quorvia_${version}_amd64.deb in $build"

step "what the package says of itself"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6help6 libqt6sql6-sqlite fonts-liberation2; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends does not name $needed: $depends"
done
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort | xargs)
[ "$control_files" = "control md5sums" ] ||
    fail "the package has control files beyond control and md5sums: $control_files"
dpkg-deb --extract "$deb" "$work/tree"
changelog_version=$(zcat "$work/tree/usr/share/doc/quorvia/changelog.gz" | sed -n '1s/.*(\(.*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is $changelog_version, not $version"
metainfo=$work/tree/usr/share/metainfo/org.quorvia.quorvia.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo file has no release $version"

step "lintian"
lintian_tags=$(runuser -u nobody -- lintian --tag-display-limit 0 "$deb" || true)
echo "$lintian_tags"
while read -r kind _ tag _; do
    case $kind in
    E:) fail "lintian error $tag" ;;
    W:) [[ " ${kept_warnings[*]} " == *" $tag "* ]] || fail "lintian warning $tag is not one the package keeps" ;;
    esac
done <<<"$lintian_tags"

step "appstreamcli and desktop-file-validate"
appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli refuses the metainfo file"
desktop-file-validate "$work/tree/usr/share/applications/quorvia.desktop" ||
    fail "desktop-file-validate refuses the desktop entry"

step "apt-get install"
apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    fail "apt-get could not install the package"
}
dpkg-query -L quorvia | sort >"$work/files"
[ -f /usr/share/mime/application/x-quorvia-loan.xml ] || fail "the MIME database has no loan file type"
grep -q "^application/x-quorvia-loan=.*quorvia.desktop" /usr/share/applications/mimeinfo.cache ||
    fail "the desktop's MIME cache does not open loan files with Quorvia"

useradd --create-home --shell /bin/bash "$person"
home=$(getent passwd "$person" | cut -d: -f6)
# A login's environment, the runtime folder included (a session has /run/user/UID). A program
# that hangs fails the check after a minute.
install -d -m 700 -o "$person" "$work/runtime"
as_person() {
    timeout 60 runuser -u "$person" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
        XDG_RUNTIME_DIR="$work/runtime" "$@"
}
touch "$work/installed"
sleep 1

step "the programs from /usr/bin, as $person and as root"
# quorvia-batch runs on the core alone; a run that draws or writes a workbook goes to its
# drawing program.
[ -x /usr/libexec/quorvia/quorvia-batch-draw ] || fail "no drawing program in /usr/libexec/quorvia"
qt_libraries=$(ldd /usr/bin/quorvia-batch | grep -i -e qt -e xlsxwriter || true)
[ -z "$qt_libraries" ] || fail "quorvia-batch loads Qt or the workbook writer: $qt_libraries"
as_person quorvia-batch --version | grep -qx "quorvia-batch $version .*" || fail "quorvia-batch --version"
as_person quorvia --version | grep -qx "quorvia $version .*" || fail "quorvia --version"
loan=(--today 03/10/1998 --amount 100000 --rate 8.5 --term 360 --first 04/10/1998 --yes)
as_person sh -c 'cd && quorvia-batch schedule "$@"' sh "${loan[@]}" --pdf schedule.pdf
pdfinfo "$home/schedule.pdf" | grep -q "^Pages: *[1-9]" || fail "the schedule PDF has no pages"
as_person sh -c 'cd && quorvia-batch schedule "$@"' sh "${loan[@]}" --xlsx schedule.xlsx
[ "$(head -c 2 "$home/schedule.xlsx")" = PK ] || fail "the schedule workbook was not written"
install -d -m 700 "$work/root-home"
(cd "$work/root-home" && env -i HOME="$work/root-home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$work/root-home" quorvia-batch schedule "${loan[@]}" --pdf schedule.pdf)
[ -s "$work/root-home/schedule.pdf" ] || fail "root's schedule PDF was not written"

step "the desktop program keeps the preferences of $person"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
screen_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(cat "$work/display")
as_gui() { as_person DISPLAY="$display" "$@"; }
as_gui openbox >/dev/null 2>&1 &
window_manager_pid=$!
sleep 1
as_gui quorvia 2>/dev/null &
program_pid=$!
activate() { as_gui xdotool search --sync --name "^$1\$" windowactivate 2>/dev/null || true; }
activate Quorvia
sleep 1
as_gui xdotool key alt+f sleep 0.5 key r sleep 1.5 key alt+s # File | Preferences, Save
sleep 1
activate Quorvia
as_gui xdotool key alt+h sleep 0.5 key c # Help | Contents: the help makes its index as it opens
as_gui xdotool search --sync --name "^Quorvia Help\$" >/dev/null || fail "no help window"
sleep 2
as_gui xdotool key alt+F4 sleep 1 # the help window closes
activate Quorvia
as_gui xdotool key alt+f sleep 0.5 key x # File | Exit
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "File | Exit did not end the program"
program_pid=
grep -q "^dstyl=" "$home/.config/quorvia/quorvia.ini" ||
    fail "the preferences are not in ~/.config/quorvia/quorvia.ini"
[ -s "$home/.cache/quorvia/help/quorvia.qhc" ] || fail "the help's search index is not in ~/.cache/quorvia"
kill "$window_manager_pid" "$screen_pid"
wait "$window_manager_pid" "$screen_pid" 2>/dev/null || true
window_manager_pid= screen_pid=

step "nothing written under /usr"
written=$(find /usr -xdev -newer "$work/installed" -o -cnewer "$work/installed" | head)
[ -z "$written" ] || fail "written under /usr: $written"

step "apt-get purge"
apt-get purge -y -qq quorvia >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    fail "apt-get could not purge the package"
}
dpkg-query -W quorvia >/dev/null 2>&1 && fail "dpkg still knows the package after the purge"
# Shared folders such as /usr/share/icons/hicolor/48x48/apps stay; the package's own go.
while read -r path; do
    if [ -e "$path" ] && { [ ! -d "$path" ] || [ "$(basename "$path")" = quorvia ]; }; then
        fail "left after the purge: $path"
    fi
done <"$work/files"
[ -e /usr/share/mime/application/x-quorvia-loan.xml ] && fail "the MIME database keeps the loan file type"
grep -q "quorvia.desktop" /usr/share/applications/mimeinfo.cache && fail "the MIME cache keeps Quorvia"
echo "the package builds, installs, runs and purges cleanly"
