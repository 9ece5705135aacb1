#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compiles the executable's resource script with the MinGW-w64 resource compiler and reads the
compiled resources back, so that a typo in the version record or a broken icon fails here
rather than in a Windows build nobody runs:
    check_version_record.py WINDRES SCRIPT.rc ICON-FOLDER SCRATCH-FOLDER
"""
import os
import shutil
import struct
import subprocess
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
US_ENGLISH = 0x0409
UNICODE_CODE_PAGE = 1200

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message, file=sys.stderr)


def read_id(data, offset):
    """A resource type or name: 0xFFFF and a number, or a zero-ended UTF-16 text."""
    (first,) = struct.unpack_from("<H", data, offset)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def align4(offset):
    return (offset + 3) & ~3


def read_resources(data):
    """The entries of a compiled .res file as (type, name, language, bytes)."""
    entries, offset = [], 0
    while offset + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, offset)
        kind, at = read_id(data, offset + 8)
        name, at = read_id(data, at)
        at = align4(at)
        language = struct.unpack_from("<IHH", data, at)[2]
        body = offset + header
        if size:
            entries.append((kind, name, language, data[body:body + size]))
        offset = align4(body + size)
    return entries


def read_node(data, offset):
    """One node of a version record: its key, value and children."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    at = align4(key_end + 2)
    value_bytes = value_length * 2 if is_text else value_length
    value = data[at:at + value_bytes]
    if is_text:
        value = value.decode("utf-16-le").rstrip("\0")
    at = align4(at + value_bytes)
    children = []
    while at < end:
        child, at = read_node(data, at)
        children.append(child)
    return (key, value, children), align4(end)


def check_version(resource):
    (key, fixed, children), _ = read_node(resource, 0)
    if key != "VS_VERSION_INFO":
        fail("the version resource starts with %r, not VS_VERSION_INFO" % key)
        return
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD:
        fail("the fixed version information has the signature %#x" % signature)

    def dotted(ms, ls):
        return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)

    for what, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        if dotted(ms, ls) != "2.0.0.2":
            fail("the %s version is %s, expected 2.0.0.2" % (what, dotted(ms, ls)))

    blocks = {child[0]: child for child in children}
    strings = {}
    if "StringFileInfo" not in blocks:
        fail("the version record has no StringFileInfo block")
    else:
        tables = {table[0]: table for table in blocks["StringFileInfo"][2]}
        if list(tables) != ["040904B0"]:
            fail("the string tables are %s, expected only 040904B0 (US English, Unicode)"
                 % list(tables))
        if "040904B0" in tables:
            strings = {name: value for name, value, _ in tables["040904B0"][2]}
    expected = {
        "ProductName": "Dalvane",
        "FileVersion": "2.00.0002",
        "ProductVersion": "2.00.0002",
        "InternalName": "Dalvane201",
        "OriginalFilename": "Dalvane201.exe",
    }
    for name, value in expected.items():
        if strings.get(name) != value:
            fail("the string %s is %r, expected %r" % (name, strings.get(name), value))

    translations = []
    if "VarFileInfo" in blocks:
        for name, value, _ in blocks["VarFileInfo"][2]:
            if name == "Translation":
                translations = list(struct.unpack("<%dH" % (len(value) // 2), value))
    if translations != [US_ENGLISH, UNICODE_CODE_PAGE]:
        fail("the Translation is %s, expected [0x409, 1200]" % [hex(t) for t in translations])
    print("version record:", strings, "translation", [hex(t) for t in translations])


def check_icon(entries):
    groups = [data for kind, _, _, data in entries if kind == RT_GROUP_ICON]
    icons = {name: data for kind, name, _, data in entries if kind == RT_ICON}
    if len(groups) != 1:
        fail("%d icon groups, expected the one program icon" % len(groups))
        return
    _, _, count = struct.unpack_from("<HHH", groups[0])
    sizes = []
    for index in range(count):
        width, height, colours, _, planes, bits, size, icon_id = struct.unpack_from(
            "<BBBBHHIH", groups[0], 6 + 14 * index)
        sizes.append((width or 256, height or 256, bits))
        bitmap = icons.get(icon_id)
        if bitmap is None:
            fail("icon %d of the group is not in the resources" % icon_id)
            continue
        header_size, bitmap_width, bitmap_height, _, bitmap_bits = struct.unpack_from(
            "<IiiHH", bitmap)
        if (header_size, bitmap_width, bitmap_height, bitmap_bits) != (40, 64, 128, 8):
            fail("the icon bitmap is %d x %d at %d bits (header %d), expected a 64 x 64, "
                 "8-bit palette bitmap with its mask" % (bitmap_width, bitmap_height // 2,
                                                          bitmap_bits, header_size))
    if sizes != [(64, 64, 8)]:
        fail("the program icon holds %s, expected one 64 x 64 picture in 256 colours" % sizes)
    print("icon pictures:", sizes)


def main():
    windres, script, icon_folder, scratch = sys.argv[1:5]
    if shutil.which(windres) is None:
        print("FAIL: %s is not installed (Debian package mingw-w64); the Windows resource "
              "script cannot be compiled" % windres, file=sys.stderr)
        return 1
    os.makedirs(scratch, exist_ok=True)
    compiled = os.path.join(scratch, "dalvane.res")
    result = subprocess.run([windres, "-I", icon_folder, "-i", script, "-O", "res",
                             "-o", compiled], capture_output=True, text=True)
    if result.returncode != 0:
        print(result.stdout + result.stderr, file=sys.stderr)
        print("FAIL: %s could not compile %s" % (windres, script), file=sys.stderr)
        return 1
    with open(compiled, "rb") as resources:
        entries = read_resources(resources.read())
    versions = [(language, data) for kind, _, language, data in entries if kind == RT_VERSION]
    if len(versions) != 1:
        fail("%d version records, expected one" % len(versions))
    else:
        if versions[0][0] != US_ENGLISH:
            fail("the version record's language is %#x, expected 0x409" % versions[0][0])
        check_version(versions[0][1])
    check_icon(entries)
    if failures:
        return 1
    print("PASS: the resource script compiles with the version record and the program icon")
    return 0


if __name__ == "__main__":
    sys.exit(main())
