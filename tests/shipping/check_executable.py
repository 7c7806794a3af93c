#!/usr/bin/env python3
"""Checks that a built inspector executable is fit to ship to a bare Windows machine.

It reads the PE file itself: which DLLs it imports, whether it carries the icon group and the
common-controls manifest, whether its symbols are stripped, and how large it is.
Usage: check_executable.py EXE EXPECTED_ARCHITECTURE MAX_BYTES
"""
import os
import re
import struct
import sys

# DLLs that every Windows installation has; anything else would have to be shipped alongside.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comctl32.dll", "advapi32.dll"}
RT_ICON, RT_GROUP_ICON, RT_MANIFEST = 3, 14, 24
PE_MACHINES = {"x86": 0x14C, "amd64": 0x8664}


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        (self.machine, sections, _, self.symbol_table, self.symbol_count,
         optional_size, _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8sIIII", data, table + 40 * i) for i in range(sections)]

    def offset(self, rva):
        for _, virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_offset
        raise ValueError("address outside every section: %#x" % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        rva, _ = self.directories[1]
        names = []
        while rva:
            descriptor = struct.unpack_from("<IIIII", self.data, self.offset(rva))
            if descriptor[3] == 0:
                break
            names.append(self.cstring(descriptor[3]))
            rva += 20
        return names

    def resources(self):
        """{type: {name: [data bytes of each language]}}; names are ints or strings."""
        root_rva, _ = self.directories[2]
        root = self.offset(root_rva)

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", self.data, root + directory + 12)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", self.data, root + directory + 16 + 8 * i)
                if key & 0x80000000:
                    at = root + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, at)[0]
                    key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                yield key, target

        tree = {}
        for kind, kinds in entries(0):
            for name, names in entries(kinds & 0x7FFFFFFF):
                for _, leaf in entries(names & 0x7FFFFFFF):
                    data_rva, size = struct.unpack_from("<II", self.data, root + leaf)
                    start = self.offset(data_rva)
                    tree.setdefault(kind, {}).setdefault(name, []).append(self.data[start:start + size])
        return tree


def problems(path, architecture, max_bytes):
    data = open(path, "rb").read()
    pe = Pe(data)
    found = []
    if pe.machine != PE_MACHINES[architecture]:
        found.append("built for machine %#x, not %s" % (pe.machine, architecture))

    foreign = [dll for dll in pe.imported_dlls() if dll.lower() not in SYSTEM_DLLS]
    if foreign:
        found.append("imports DLLs a bare Windows lacks: " + ", ".join(foreign))

    if pe.symbol_table or pe.symbol_count:
        found.append("symbols are not stripped")

    resources = pe.resources()
    groups = resources.get(RT_GROUP_ICON, {})
    if "DEFAULT_ICON" not in groups:
        found.append("no icon group DEFAULT_ICON (groups: %s)" % sorted(map(str, groups)))
    else:
        group = groups["DEFAULT_ICON"][0]
        count = struct.unpack_from("<H", group, 4)[0]
        sizes = sorted((group[6 + 14 * i] or 256) for i in range(count))
        icon_ids = {struct.unpack_from("<H", group, 6 + 14 * i + 12)[0] for i in range(count)}
        if not {16, 32}.issubset(sizes):
            found.append("DEFAULT_ICON lacks a 16x16 or 32x32 image: %s" % sizes)
        missing = icon_ids - set(resources.get(RT_ICON, {}))
        if missing:
            found.append("DEFAULT_ICON names icon images that are not there: %s" % sorted(missing))

    manifest = resources.get(RT_MANIFEST, {}).get(1)
    if not manifest:
        found.append("no application manifest (type 24, id 1)")
    else:
        text = manifest[0].decode("utf-8", "replace")
        dependency = re.search(r"<dependentAssembly>.*?</dependentAssembly>", text, re.S)
        wanted = ['name="Microsoft.Windows.Common-Controls"', 'version="6.0.0.0"',
                  'processorArchitecture="%s"' % architecture]
        if not dependency or not all(w in dependency.group(0) for w in wanted):
            found.append("manifest does not declare Common-Controls 6.0.0.0 for %s" % architecture)

    if len(data) > max_bytes:
        found.append("%d bytes, more than the %d allowed" % (len(data), max_bytes))
    return found, len(data)


def main():
    path, architecture, max_bytes = sys.argv[1], sys.argv[2], int(sys.argv[3])
    found, size = problems(path, architecture, max_bytes)
    print("%s: %d bytes (%.1f KiB)" % (os.path.basename(path), size, size / 1024))
    for problem in found:
        print("FAIL: " + problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
