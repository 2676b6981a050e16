#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a Windows program's resources say of it, read from the file itself, one NAME=VALUE a
line: each text of its version resource (ProductName, FileVersion, ...), the version numbers of its
fixed part (FixedFileVersion, FixedProductVersion) and the sizes of its first icon (IconSizes).
For test.sh, which has no Windows tools to ask. Usage: version-info.py PROGRAM.exe"""
import struct
import sys

RT_ICON_GROUP = 14
RT_VERSION = 16


def resources(image):
    """The resource section's bytes and its relative virtual address."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        sys.exit("not a Windows program")
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    directories = optional + (112 if struct.unpack_from("<H", image, optional)[0] == 0x20B else 96)
    rva, size = struct.unpack_from("<II", image, directories + 2 * 8)
    for index in range(sections):
        header = optional + optional_size + 40 * index
        virtual_size, virtual_address, raw_size, raw_offset = struct.unpack_from("<IIII", image, header + 8)
        if virtual_address <= rva < virtual_address + max(virtual_size, raw_size):
            start = raw_offset + rva - virtual_address
            return image[start:start + size], rva
    sys.exit("no resources")


def first_resource(section, rva, kind):
    """The data of the first resource of a kind (any name, any language), or None."""
    def entries(offset):
        named, numbered = struct.unpack_from("<HH", section, offset + 12)
        for index in range(named + numbered):
            yield struct.unpack_from("<II", section, offset + 16 + 8 * index)

    for name, target in entries(0):
        if name != kind:
            continue
        while target & 0x80000000:  # a further directory: take its first entry
            target = next(entries(target & 0x7FFFFFFF))[1]
        data_rva, size = struct.unpack_from("<II", section, target)
        return section[data_rva - rva:data_rva - rva + size]
    return None


def version_texts(block, offset=0, found=None):
    """Walks a VS_VERSIONINFO tree; returns its texts and its fixed part."""
    found = {} if found is None else found
    length, value_length, kind = struct.unpack_from("<HHH", block, offset)
    end = offset + length
    key_end = offset + 6
    while block[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = block[offset + 6:key_end].decode("utf-16-le")
    value = (key_end + 2 + 3) & ~3
    if key == "VS_VERSION_INFO" and value_length:
        ms_file, ls_file, ms_product, ls_product = struct.unpack_from("<IIII", block, value + 8)
        found["FixedFileVersion"] = f"{ms_file >> 16}.{ms_file & 0xFFFF}.{ls_file >> 16}.{ls_file & 0xFFFF}"
        found["FixedProductVersion"] = \
            f"{ms_product >> 16}.{ms_product & 0xFFFF}.{ls_product >> 16}.{ls_product & 0xFFFF}"
    if kind == 1 and value_length:  # a text: its length counts characters, with the closing one
        found[key] = block[value:value + 2 * value_length].decode("utf-16-le").rstrip("\0")
    child = (value + (2 * value_length if kind == 1 else value_length) + 3) & ~3
    while child < end:
        child_length = struct.unpack_from("<H", block, child)[0]
        if child_length == 0:
            break
        version_texts(block, child, found)
        child = (child + child_length + 3) & ~3
    return found


def main():
    with open(sys.argv[1], "rb") as program:
        image = program.read()
    section, rva = resources(image)
    version = first_resource(section, rva, RT_VERSION)
    for name, value in (version_texts(version) if version else {}).items():
        print(f"{name}={value}")
    icons = first_resource(section, rva, RT_ICON_GROUP)
    if icons:
        count = struct.unpack_from("<H", icons, 4)[0]
        sizes = [icons[6 + 14 * index] or 256 for index in range(count)]
        print("IconSizes=" + ",".join(str(size) for size in sizes))


main()
