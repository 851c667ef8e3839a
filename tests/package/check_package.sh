#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build folder configured for /usr and checks what a user gets:
# the files at their places with their modes and nothing else, the fields, the libraries
# dpkg-shlibdeps found, a probel-cli that finds its Qt helper where the package puts it, the
# desktop entry matching the program, icon and MIME type shipped, and no lintian error (its
# warnings are printed, not failed on).
#
# check_package.sh CPACK BUILD_DIR WORK_DIR SOURCE_DIR VERSION
set -eu

cpack=$1
build=$2
work=$3
source=$4
project_version=$5

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in dpkg-deb dpkg-shlibdeps lintian file; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing: run scripts/install-deps.sh" >&2
        exit 1
    }
done

rm -rf "$work"
mkdir -p "$work"

# A folder configured for another prefix is refused before anything is installed.
sed 's|^set(CPACK_PACKAGING_INSTALL_PREFIX .*|set(CPACK_PACKAGING_INSTALL_PREFIX "/usr/local")|' \
    "$build/CPackConfig.cmake" >"$work/local-config.cmake"
if "$cpack" -G DEB --config "$work/local-config.cmake" -B "$work/local" >"$work/local.log" 2>&1 ||
    ! grep -q 'installs under /usr' "$work/local.log"; then
    cat "$work/local.log" >&2
    fail "cpack made a package for /usr/local"
fi
if [ -n "$(find "$work/local" -name '*.deb' 2>/dev/null)" ]; then
    fail "a package for /usr/local was written"
fi

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi
set -- "$work"/probel_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "FAIL: expected one probel_*.deb in $work, found: $*" >&2
    exit 1
fi
deb=$1
echo "package: $deb"

# Fields.
field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
    actual=$(field "$1")
    [ "$actual" = "$2" ] || fail "$1 is '$actual', expected '$2'"
}
expect_field Package probel
expect_field Version "$project_version"
expect_field Architecture "$(dpkg --print-architecture)"
expect_field Section science
changelog_version=$(sed -n '1s/^probel (\([^)]*\)).*/\1/p' "$source/packaging/changelog")
[ "$changelog_version" = "$project_version" ] ||
    fail "packaging/changelog starts at '$changelog_version', the project is at $project_version"
field Maintainer | grep -Eq '^[^<]+ <[^@>]+@[^>]+>$' || fail "Maintainer '$(field Maintainer)'"
[ -n "$(field Description | head -n 1)" ] || fail "no synopsis in Description"

depends=$(field Depends)
echo "Depends: $depends"
# Names alone, one a line: alternatives split, versions dropped.
names=$(echo "$depends" | sed 's/[,|]/\n/g' | sed 's/^ *//; s/[ (].*//')
for name in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 \
    libqt6network6 fonts-ipafont qt6-translations-l10n; do
    echo "$names" | grep -qx "$name" || fail "Depends lacks $name"
done

# Contents: "MODE OWNER SIZE DATE TIME PATH".
dpkg-deb --contents "$deb" >"$work/contents"
awk '$2 != "root/root" { print "FAIL: " $6 " is owned by " $2; bad = 1 } END { exit bad }' \
    "$work/contents" >&2 || failures=$((failures + 1))
expect_file() {
    mode=$(awk -v path="./$2" '$6 == path { print $1 }' "$work/contents")
    [ "$mode" = "$1" ] || fail "./$2: mode '$mode', expected $1"
}
doc=usr/share/doc/probel
for program in usr/bin/probel usr/bin/probel-cli usr/libexec/probel/probel-cli-qt; do
    expect_file -rwxr-xr-x "$program"
done
for data in usr/share/applications/probel.desktop usr/share/mime/packages/probel.xml \
    usr/share/icons/hicolor/scalable/apps/probel.svg "$doc/guide-ja.md" "$doc/pbl-format.md" \
    "$doc/copyright" "$doc/changelog.gz"; do
    expect_file -rw-r--r-- "$data"
done
grep -o '](guide/[^)]*)' "$source/docs/guide-ja.md" | sed 's/^](//; s/)$//' | sort -u >"$work/pictures"
[ -s "$work/pictures" ] || fail "no pictures found in docs/guide-ja.md"
while read -r picture; do
    expect_file -rw-r--r-- "$doc/$picture"
done <"$work/pictures"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print "FAIL: folder " $6 " has mode " $1; bad = 1 } END { exit bad }' \
    "$work/contents" >&2 || failures=$((failures + 1))
# Nothing else: no test program, no file outside the places above.
awk '$1 !~ /^d/ { print $6 }' "$work/contents" | {
    unexpected=0
    while read -r path; do
        case $path in
        ./usr/bin/probel | ./usr/bin/probel-cli | ./usr/libexec/probel/probel-cli-qt) ;;
        ./usr/share/applications/probel.desktop | ./usr/share/mime/packages/probel.xml) ;;
        ./usr/share/icons/hicolor/*/apps/probel.*) ;;
        ./$doc/*) ;;
        *)
            echo "FAIL: unexpected file $path" >&2
            unexpected=1
            ;;
        esac
    done
    exit $unexpected
} || failures=$((failures + 1))

# The unpacked package works where it lies: probel-cli hands plot to the helper in
# ../libexec/probel, and the path it falls back on is the installed one.
root=$work/root
dpkg-deb -x "$deb" "$root"
grep -qaF /usr/libexec/probel/probel-cli-qt "$root/usr/bin/probel-cli" ||
    fail "probel-cli does not fall back on /usr/libexec/probel/probel-cli-qt"
printf '9.9\n10.0\n10.1\n10.2\n' >"$work/values.txt"
if QT_QPA_PLATFORM=offscreen "$root/usr/bin/probel-cli" plot -o "$work/plot.png" "$work/values.txt" \
    >"$work/plot.log" 2>&1; then
    [ "$(head -c 4 "$work/plot.png" | tail -c 3)" = PNG ] || fail "plot wrote no PNG"
else
    cat "$work/plot.log" >&2
    fail "the packaged probel-cli plot failed"
fi

# The desktop entry starts the packaged program, shows a packaged icon, opens the packaged type.
entry=$root/usr/share/applications/probel.desktop
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec_name" ] || fail "the desktop entry starts '$exec_name', not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -n "$(find "$root/usr/share/icons/hicolor" -path "*/apps/$icon.*")" ] || fail "no icon '$icon'"
mime_type=$(sed -n 's/^MimeType=\([^;]*\);.*/\1/p' "$entry")
grep -q "<mime-type type=\"$mime_type\">" "$root/usr/share/mime/packages/probel.xml" ||
    fail "the MIME package does not define '$mime_type' of the desktop entry"

if ! lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1; then
    fail "lintian found errors"
fi
cat "$work/lintian.log"

[ "$failures" -eq 0 ] || {
    echo "$failures check(s) failed" >&2
    exit 1
}
echo "package checked"
