#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there: the
# programs (quorvia-batch drawing a PDF through its drawing program in libexec), the help where
# the installed program looks for it, its desktop entry (valid, opening loan files), its icon,
# its AppStream description, the loan file type that maps *.qrv to Quorvia, the manual pages and
# the bash completion.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
has_line() {
    grep -qxF -- "$2" "$1" || fail "$1 has no line '$2'"
}

[ -x "$prefix/bin/quorvia" ] || fail "no program in bin"
[ -x "$prefix/bin/quorvia-batch" ] || fail "no batch tool in bin"
[ -x "$prefix/libexec/quorvia/quorvia-batch-draw" ] || fail "no drawing program in libexec/quorvia"

# The installed batch tool hands a run that draws over to the drawing program in libexec.
"$prefix/bin/quorvia-batch" schedule --no-prefs --today 03/10/1998 --amount 1000 --rate 8.5 \
    --term 12 --first 04/10/1998 --pdf "$prefix/schedule.pdf" || fail "the installed tool drew no PDF"
[ "$(head -c 5 "$prefix/schedule.pdf")" = "%PDF-" ] || fail "the installed tool's PDF is no PDF"

# The installed program reads its help from <prefix>/share/quorvia, the topics beside it.
[ -s "$prefix/share/quorvia/quorvia.qhc" ] || fail "no help collection in share/quorvia"
[ -s "$prefix/share/quorvia/help/quorvia.qch" ] || fail "no help topics in share/quorvia/help"
[ -s "$prefix/share/doc/quorvia/copyright" ] || fail "no copyright file"

metainfo=$prefix/share/metainfo/org.quorvia.quorvia.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metainfo file"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null ||
        fail "appstreamcli refuses the metainfo file"
fi

entry=$prefix/share/applications/quorvia.desktop
[ -f "$entry" ] || fail "no desktop entry"
has_line "$entry" "Exec=quorvia %f"
has_line "$entry" "Icon=quorvia"
has_line "$entry" "MimeType=application/x-quorvia-loan;"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
fi

for icon in scalable/apps/quorvia.svg 48x48/apps/quorvia.png 256x256/apps/quorvia.png; do
    [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "no icon $icon"
done
if command -v file >/dev/null; then
    file "$prefix/share/icons/hicolor/48x48/apps/quorvia.png" | grep -q "PNG image data, 48 x 48" ||
        fail "the 48x48 icon is not a 48x48 PNG"
fi

types=$prefix/share/mime/packages/quorvia.xml
[ -f "$types" ] || fail "no MIME type file"
if command -v xmllint >/dev/null; then
    xmllint --noout "$types" || fail "the MIME type file is not well-formed XML"
fi
# The database a desktop builds from the package file maps the pattern to the type.
if command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS=$prefix/share update-mime-database "$prefix/share/mime"
    grep -q "application/x-quorvia-loan:\*\.qrv" "$prefix/share/mime/globs2" ||
        fail "*.qrv is not mapped to application/x-quorvia-loan"
    grep -q "application/x-quorvia-loan:quorvia$" "$prefix/share/mime/icons" ||
        fail "loan files do not show the program's icon"
fi
for page in quorvia quorvia-batch; do
    [ -s "$prefix/share/man/man1/$page.1" ] || fail "no manual page $page(1)"
done
[ -s "$prefix/share/bash-completion/completions/quorvia-batch" ] ||
    fail "no bash completion for quorvia-batch"
echo "installed files are in place"
