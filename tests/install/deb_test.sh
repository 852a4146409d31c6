#!/usr/bin/env bash
# Checks the Debian package that scripts/package made: its control fields and
# its file list. Skipped when no package has been made.
#   deb_test.sh SOURCE_DIR VERSION
set -euo pipefail
deb="$1/dist/vexa-editor_$2_amd64.deb"
if [ ! -f "$deb" ]; then
  echo "SKIPPED: $deb does not exist; run scripts/package first"
  exit 77
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vexa-editor ] || fail "Package"
[ "$(field Version)" = "$2" ] || fail "Version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture"
depends=$(field Depends)
for d in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 fonts-ipafont-gothic; do
  grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
# grep -q on a pipe would close it early; with pipefail the writer's SIGPIPE
# would fail the check at random, so the fields are read into variables first.
description=$(field Description)
grep -q 'Vexa 放送機' <<<"$description" || fail "no Japanese description"
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/vexa-editor ./usr/bin/vexa ./usr/share/vexa-editor/vexacontrol.ini \
         ./usr/share/applications/jp.chimewell.VexaEditor.desktop \
         ./usr/share/mime/packages/jp.chimewell.VexaEditor.xml \
         ./usr/share/metainfo/jp.chimewell.VexaEditor.metainfo.xml \
         ./usr/share/doc/vexa-editor/UserGuide.html ./usr/share/man/man1/vexa.1.gz \
         ./usr/share/doc/vexa-editor/sample/SAMPLE.vxa ./usr/share/doc/vexa-editor/copyright \
         ./usr/share/doc/vexa-editor/changelog.gz ./usr/libexec/vexa/vexa-play ./usr/libexec/vexa/vexa-print \
         ./usr/libexec/vexa/vexa-import ./usr/libexec/vexa/vexa-verify ./usr/libexec/vexa/vexa-cards; do
  grep -qx "$f" <<<"$files" || fail "not in the package: $f"
done
# The copyright file is machine-readable and names the licence.
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/vexa-editor/copyright)
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' <<<"$copyright" ||
  fail "copyright is not in the machine-readable format"
grep -qx 'License: GPL-3.0-or-later' <<<"$copyright" || fail "copyright names no GPL-3.0-or-later"
echo "$deb: fields and files ok"
