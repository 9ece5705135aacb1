#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs this build tree with CPack, unpacks the package into a scratch root as dpkg installs it,
# and checks what a user of the package relies on (-x shows the check that fails):
#   check_package.sh CPACK BUILD-DIR SCRATCH-DIR
set -ex
rm -rf "$3"
"$1" -G DEB --config "$2/CPackConfig.cmake" -B "$3" >/dev/null
deb=$3/dalvane_2.0.2_$(dpkg --print-architecture).deb
# Without the Qt libraries and libnova as dependencies, apt would install a program that cannot
# start; without the Noto fonts, one that shows the Gujarati and Persian names as empty boxes.
dpkg-deb -f "$deb" Depends | grep libqt6core6 | grep libqt6gui6 | grep libqt6widgets6 | grep libqt6svg6 |
    grep libqt6printsupport6 | grep libnova | grep libqt6sql6-sqlite | grep -q fonts-noto-ui-core
dpkg-deb -x "$deb" "$3/root"
usr=$3/root/usr
test -x "$usr/bin/dalvane"
[ "$(ASAN_OPTIONS=detect_leaks=0 "$usr/bin/dalvane-cli" --version)" = "Dalvane version 2.0.2" ]
for size in 16 32 48 64 128 256; do
    file -b "$usr/share/icons/hicolor/${size}x$size/apps/org.dalvane.Dalvane.png" | grep -q "$size x $size"
done
# The software centres read the installed tree as a whole: metainfo, launcher and icons.
appstreamcli validate-tree --no-net "$3/root"
