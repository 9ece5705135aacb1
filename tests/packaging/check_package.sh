#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this build tree into a scratch folder, unpacks it into a
# scratch root as dpkg would install it, and checks what a user of the package relies on:
#   check_package.sh CPACK BUILD-DIR SCRATCH-DIR
cpack=$1
build=$2
scratch=$3
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

require() {
    if ! command -v "$1" >/dev/null 2>&1; then
        echo "FAIL: $1 is not installed (Debian package $2); the package cannot be checked" >&2
        exit 1
    fi
}
require "$cpack" cmake
require dpkg-deb dpkg
require dpkg-shlibdeps dpkg-dev
require file file
require readelf binutils
require appstreamcli appstream

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not build the Debian package" >&2
    exit 1
fi
deb=$scratch/out/dalvane_2.0.2_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    ls -l "$scratch/out" >&2
    echo "FAIL: cpack wrote no $(basename "$deb")" >&2
    exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
    actual=$(field "$1")
    [ "$actual" = "$2" ] || fail "control field $1 is '$actual', expected '$2'"
}
expect_field Package dalvane
expect_field Version 2.0.2
expect_field Section utils
expect_field Maintainer "The Dalvane developers <dalvane@example.org>"
depends=$(field Depends)
echo "Depends: $depends"
# The Qt libraries must come in as dependencies, or apt installs a program that cannot start.
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libstdc++6 libc6; do
    printf '%s\n' "$depends" | tr ',' '\n' | grep -q "^ *$library\( \|$\)" ||
        fail "Depends does not name $library: $depends"
done

# Everything lies under /usr, as a distribution package must; nothing of the build tree leaks.
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

root=$scratch/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb cannot unpack $deb" >&2; exit 1; }

id=org.dalvane.Dalvane
for program in dalvane dalvane-cli; do
    path=$root/usr/bin/$program
    if [ ! -x "$path" ]; then
        fail "usr/bin/$program is missing or not executable"
        continue
    fi
    # A run path into the build tree would work here and nowhere else.
    if readelf -d "$path" | grep -E 'R(UN)?PATH' | grep -q "$build"; then
        fail "usr/bin/$program keeps a run path into the build tree"
    fi
done
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "the launcher usr/share/applications/$id.desktop is missing"
[ -f "$metainfo" ] || fail "the metainfo usr/share/metainfo/$id.metainfo.xml is missing"
svg=$root/usr/share/icons/hicolor/scalable/apps/$id.svg
file -b "$svg" | grep -q 'SVG' || fail "no scalable SVG icon at ${svg#"$root"}: $(file -b "$svg")"
for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    description=$(file -b "$png")
    case $description in
    "PNG image data, $size x $size,"*) ;;
    *) fail "icon ${png#"$root"} is not a $size x $size PNG: $description" ;;
    esac
done

# The launcher, its icon, its program and the metainfo all name one another.
if [ -f "$desktop" ]; then
    grep -qx "Icon=$id" "$desktop" || fail "the launcher's Icon is not $id"
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$root/usr/bin/$exec_program" ] ||
        fail "the launcher starts '$exec_program', which the package does not install in usr/bin"
fi
if [ -f "$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
fi

# The software centres read the installed tree as a whole: metainfo, launcher and icon.
if ! appstreamcli validate-tree --no-net "$root" >"$scratch/validate-tree.log" 2>&1; then
    cat "$scratch/validate-tree.log" >&2
    fail "appstreamcli validate-tree rejects the installed files"
fi

# The command-line calculator runs from where the package put it.
if [ -x "$root/usr/bin/dalvane-cli" ]; then
    version=$(ASAN_OPTIONS=detect_leaks=0 "$root/usr/bin/dalvane-cli" --version 2>&1)
    [ "$version" = "Dalvane version 2.0.2" ] ||
        fail "packaged dalvane-cli --version printed '$version', expected 'Dalvane version 2.0.2'"
fi

if [ "$failures" -ne 0 ]; then
    echo "FAIL: $failures problem(s) in $(basename "$deb")" >&2
    exit 1
fi
echo "PASS: $(basename "$deb") installs both programs, the launcher, the metainfo and all icons"
