#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs
# as a user with a fresh home: the per-user Program Folder is made and seeded
# once, a user's change survives the next start, a portable folder is used as
# is, and the desktop entry and AppStream file pass their validators.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/usr" >"$work/install.log" || { cat "$work/install.log" >&2; fail "cmake --install"; }
usr=$work/usr
for f in bin/vexa bin/vexa-editor libexec/vexa/vexa-play libexec/vexa/vexa-print libexec/vexa/vexa-import libexec/vexa/vexa-verify libexec/vexa/vexa-cards \
         share/vexa-editor/vexacontrol.ini share/vexa-editor/elmptnvxa.elm \
         share/vexa-editor/Release.txt share/doc/vexa-editor/UserGuide.html \
         share/doc/vexa-editor/sample/SAMPLE.vxa share/doc/vexa-editor/sample/CHIME.WAV \
         share/applications/jp.chimewell.VexaEditor.desktop share/metainfo/jp.chimewell.VexaEditor.metainfo.xml \
         share/mime/packages/jp.chimewell.VexaEditor.xml \
         share/icons/hicolor/scalable/apps/jp.chimewell.VexaEditor.svg \
         share/icons/hicolor/48x48/apps/jp.chimewell.VexaEditor.png; do
  [ -e "$usr/$f" ] || fail "not installed: $f"
done
if ls "$build"/man/*.1.gz >/dev/null 2>&1; then
  for page in vexa vexa-editor; do
    [ -e "$usr/share/man/man1/$page.1.gz" ] || fail "no man page of $page"
    if command -v man >/dev/null; then
      warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
      [ -z "$warnings" ] || fail "man $page warns: $warnings"
    fi
  done
  # every command with its own options
  page=$(zcat "$usr/share/man/man1/vexa.1.gz")
  for text in 'SS "card"' 'SS "print"' 'SS "timeline"' '\-\-card\-path' '\-\-pdf' '\-\-reports' \
              'sample/SAMPLE.vxa'; do
    grep -qF -- "$text" <<<"$page" || fail "the man page of vexa lacks $text"
  done
fi
# the sample is the one of docs/sample, and vexa reads it
cmp -s "$usr/share/doc/vexa-editor/sample/SAMPLE.vxa" "$(dirname "$0")/../../docs/sample/SAMPLE.vxa" ||
  fail "the installed sample differs"
HOME="$work/home" "$usr/bin/vexa" show "$usr/share/doc/vexa-editor/sample/SAMPLE.vxa" >/dev/null ||
  fail "vexa show cannot read the installed sample"

# vexa itself starts without Qt or FFmpeg; the commands that need them run
# the installed helpers, which find the same Program Folder.
needed=$(readelf -d "$usr/bin/vexa" | grep NEEDED || true)
if grep -Eq 'libQt|libav|libsoxr|libebur128' <<<"$needed"; then
  fail "vexa links a library only its helpers need: $needed"
fi
env -u XDG_CONFIG_HOME HOME="$work/home" "$usr/bin/vexa" print "$usr/share/doc/vexa-editor/sample/SAMPLE.vxa" --reports sounds \
  --pdf "$work/sample.pdf" >/dev/null || fail "vexa print through its installed helper"
[ "$(head -c 5 "$work/sample.pdf")" = "%PDF-" ] || fail "vexa print wrote no PDF"

# json KEY PATH… : a value of `vexa settings`
settings() { env -u XDG_CONFIG_HOME HOME="$work/home" "$@" settings; }
value() { python3 -c 'import json,sys; d=json.load(sys.stdin)
for k in sys.argv[1:]: d=d[k]
print(d)' "$@"; }

mkdir -p "$work/home"
out=$(settings "$usr/bin/vexa")
user="$work/home/.config/vexa-editor"
[ "$(value ProgramFolder kind <<<"$out")" = installed ] || fail "installed run: $out"
[ "$(value ProgramFolder path <<<"$out")" = "$user" ] || fail "per-user folder: $out"
for f in vexacontrol.ini elmptnvxa.elm Release.txt; do
  cmp -s "$usr/share/vexa-editor/$f" "$user/$f" || fail "$f not seeded"
done
[ "$(value System MaxLine <<<"$out")" = 95 ] || fail "defaults not read: $out"

sed -i 's/^MaxLine=95\r$/MaxLine=30\r/' "$user/vexacontrol.ini"
out=$(settings "$usr/bin/vexa")
[ "$(value System MaxLine <<<"$out")" = 30 ] || fail "the user's change was not kept: $out"
grep -q $'^MaxLine=30\r$' "$user/vexacontrol.ini" || fail "seeding overwrote the user's file"

XDG_CONFIG_HOME="$work/xdg" HOME="$work/home" "$usr/bin/vexa" settings >/dev/null
[ -f "$work/xdg/vexa-editor/vexacontrol.ini" ] || fail "XDG_CONFIG_HOME not followed"

# A portable copy: the executable's folder holds vexacontrol.ini and is writable.
mkdir -p "$work/stick"
cp "$usr/bin/vexa" "$work/stick/"
cp "$build/bin/vexacontrol.ini" "$work/stick/"
out=$(settings "$work/stick/vexa")
[ "$(value ProgramFolder kind <<<"$out")" = portable ] || fail "portable run: $out"
[ "$(value ProgramFolder path <<<"$out")" = "$work/stick" ] || fail "portable folder: $out"

skipped=""
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/jp.chimewell.VexaEditor.desktop" || fail "desktop-file-validate"
else
  skipped+=" desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$usr/share/metainfo/jp.chimewell.VexaEditor.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
else
  skipped+=" appstreamcli"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$usr/share/mime/packages/jp.chimewell.VexaEditor.xml" || fail "MIME definition"
fi
if [ -n "$skipped" ]; then
  echo "SKIPPED: not installed:$skipped (scripts/setup installs them)"
  exit 77
fi
echo "installed layout, per-user and portable Program Folders: ok"
