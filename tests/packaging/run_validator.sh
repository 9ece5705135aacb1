#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a desktop-metadata validator and fails on its errors and warnings:
#   run_validator.sh DEBIAN-PACKAGE TOOL [ARGUMENT...]
# A missing validator is a failure, never a silent pass.
package=$1
tool=$2
shift 2
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "FAIL: $tool is not installed (Debian package $package), so $* cannot be validated" >&2
    exit 1
fi
output=$("$tool" "$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" -ne 0 ]; then
    echo "FAIL: $tool $* exited with status $status" >&2
    exit 1
fi
# desktop-file-validate exits with 0 on warnings; a warning still marks a launcher that some
# desktop reads differently, so it fails here too. Hints are advice only.
if printf '%s\n' "$output" | grep -E -q '(^|: )(error|warning):'; then
    echo "FAIL: $tool reports problems in $*" >&2
    exit 1
fi
echo "PASS: $tool $*"
