#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Makes an installer's summary the same on every build of the same sources: its creation and
save times become SOURCE_DATE_EPOCH (wixl writes the time of the build), and its package
code, which Windows Installer needs to differ between different packages, is derived from
everything else the package holds.

    msi_summary.py PACKAGE.msi SOURCE_DATE_EPOCH
"""
import hashlib
import struct
import sys
import uuid

import olefile

STREAM = "\x05SummaryInformation"
REVISION, CREATED, SAVED = 9, 12, 13  # the package code and the two times
VT_LPSTR, VT_FILETIME = 30, 64
FILETIME_EPOCH = 11644473600  # seconds from 1601 to 1970


def properties(data):
    """Offsets in the stream of each property's value, by id, with its type."""
    section = struct.unpack_from("<I", data, 44)[0]
    count = struct.unpack_from("<I", data, section + 4)[0]
    found = {}
    for n in range(count):
        pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * n)
        kind = struct.unpack_from("<I", data, section + offset)[0]
        found[pid] = (kind, section + offset + 4)
    return found


def main():
    path, epoch = sys.argv[1], int(sys.argv[2])
    with olefile.OleFileIO(path, write_mode=True) as package:
        data = bytearray(package.openstream(STREAM).read())
        found = properties(data)
        for pid in (CREATED, SAVED):
            kind, at = found[pid]
            assert kind == VT_FILETIME, f"property {pid} is not a time"
            struct.pack_into("<Q", data, at, (epoch + FILETIME_EPOCH) * 10_000_000)
        kind, at = found[REVISION]
        length = struct.unpack_from("<I", data, at)[0]
        assert kind == VT_LPSTR and length == 39, "the package code is not a braced GUID"
        data[at + 4:at + 4 + 38] = b"{00000000-0000-0000-0000-000000000000}"
        package.write_stream(STREAM, bytes(data))
    # The code comes from the package with a blank code in its place.
    with open(path, "rb") as package:
        digest = hashlib.sha256(package.read()).digest()
    code = "{" + str(uuid.UUID(bytes=digest[:16], version=4)).upper() + "}"
    with olefile.OleFileIO(path, write_mode=True) as package:
        data[at + 4:at + 4 + 38] = code.encode("ascii")
        package.write_stream(STREAM, bytes(data))
    print(code)


if __name__ == "__main__":
    main()
