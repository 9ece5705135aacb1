#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resource script with the MinGW-w64 resource compiler and reads the compiled
# resources back as a script: the version record and the one 64 x 64, 256-colour icon.
#   check_version_record.sh WINDRES SCRIPT.rc ICON-FOLDER SCRATCH-FOLDER
set -e
mkdir -p "$4"
"$1" -I "$3" -i "$2" -O res -o "$4/dalvane.res"
"$1" -i "$4/dalvane.res" -O rc -o "$4/read-back.rc"
status=0
while read -r line; do
    grep -Fq -- "$line" "$4/read-back.rc" || { echo "FAIL: the resources lack: $line"; status=1; }
done <<'END'
FILEVERSION 2, 0, 0, 2
PRODUCTVERSION 2, 0, 0, 2
BLOCK "040904B0"
VALUE "FileVersion", "2.00.0002"
VALUE "InternalName", "Dalvane201"
VALUE "OriginalFilename", "Dalvane201.exe"
VALUE "ProductName", "Dalvane"
VALUE "ProductVersion", "2.00.0002"
VALUE "Translation", 0x409, 1200
/* Has 1 elements.  */
"\100\100\000\000", 1, 8,
END
exit $status
