#!/usr/bin/env bash
# Builds the Debian package and checks it uninstalled: control data, files, the desktop entry and MIME file
# as the desktop's tools read them, and the program taken out of the package.
# Usage: tst_pachet.sh <cpack> <build-dir> <version>
set -euo pipefail
cpack=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
deb="$work/cpack/sirolant_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"

info=$(dpkg-deb --info "$deb")
# The control fields; in Depends what dpkg-shlibdeps finds (with versions), then the fonts and Qt plugins.
for field in "Package: sirolant$" "Version: $version$" "Section: devel$" "Depends: .*libqt6widgets6 (>= " \
  "Depends: .*libc6 (>= " "Depends: .*fonts-liberation2" "Depends: .*fonts-dejavu-core" "Depends: .*qt6-qpa-plugins"; do
  grep -q "^ $field" <<<"$info" || fail "control lacks \"$field\""
done

contents=$(dpkg-deb --contents "$deb")
for f in bin/sirolant share/applications/ro.sirolant.Sirolant.desktop share/mime/packages/sirolant.xml \
  share/man/man1/sirolant.1.gz share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/ro.sirolant.Sirolant.png; do
  grep -q " \./usr/$f\$" <<<"$contents" || fail "package lacks /usr/$f"
done

dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"
desktop="$usr/share/applications/ro.sirolant.Sirolant.desktop" mime="$usr/share/mime/packages/sirolant.xml"
said=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry refused: $said"
! grep -E "error|warning" <<<"$said" || fail "desktop entry: $said"
grep -qx "MimeType=application/x-sirolant-proiect;" "$desktop" || fail "desktop entry lacks the MIME type"
xmllint --noout "$mime" || fail "MIME file refused"
[ "$(xmllint --xpath 'string(//*[local-name()="glob"]/../@type)' "$mime")" = application/x-sirolant-proiect ] ||
  fail "MIME file does not give *.sirolant its type"
zcat "$usr/share/man/man1/sirolant.1.gz" | grep -q "^\.TH SIROLANT 1 .*\"Sirolant $version\"" ||
  fail "manual page without its heading"

# The program as installed: its version, and a project's program written without a window.
[ "$("$usr/bin/sirolant" --version)" = "Sirolant $version" ] || fail "--version"
cd "$work" # no options file here: every setting off
cat >proiect.sirolant <<'JSON'
{"format": "sirolant-proiect", "versiune": 1, "fereastraActiva": 1, "obiectSelectat": -1, "ordineFerestre": [1],
 "ordineObiecte": [], "obiecte": [], "ferestre": [{"slot": 1, "Orizontala": 5, "Verticala": 2, "Latime": 40,
 "Inaltime": 12, "SchemaCulori": 1, "Umbra": true, "Patrata": false, "CuloareFundal": "Blue",
 "CuloareCerneala": "White", "CuloareChenar": "Yellow", "Titlu": "Note"}]}
JSON
"$usr/bin/sirolant" --genereaza proiect.sirolant || fail "--genereaza"
grep -q "^DEFINE WINDOW FER1 FROM 2,5 TO 13,44 COLOR SCHEME 1 TITLE 'Note' SHADOW" proiect.PRG ||
  fail "--genereaza wrote no such program"
echo "PASS: $deb"
