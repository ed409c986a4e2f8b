#!/usr/bin/env python3
"""Builds src/platform/system/winerror_names.inc, the symbolic names of Windows result
codes (FACILITY_* values, Win32 ERROR_* codes and HRESULT values), from a copy of
the public header winerror.h.

Run it once when the table must change, from the repository root:

    python3 tools/gen_winerror_table.py PATH/TO/winerror.h > src/platform/system/winerror_names.inc

Any public copy of the header will do; the checked-in table was made from the
mingw-w64 runtime's include/winerror.h (Debian package mingw-w64-common,
/usr/share/mingw-w64/include/winerror.h). The header itself is not kept here.

Where several names share a value, the first one in the header wins, except for
the names listed in PREFERRED, which win over any alias.
"""
import re
import sys

PREFERRED = {"S_OK", "S_FALSE", "E_FAIL", "E_UNEXPECTED", "E_NOTIMPL", "E_OUTOFMEMORY",
             "E_INVALIDARG", "E_NOINTERFACE", "E_POINTER", "E_HANDLE", "E_ABORT",
             "E_ACCESSDENIED", "FACILITY_SSPI"}

DEFINE = re.compile(r"^\s*#\s*define\s+([A-Z][A-Z0-9_]*)\s+(.+?)\s*(?:/[/*].*)?$")
DECIMAL = re.compile(r"^(?:__MSABI_LONG\()?\(?(\d+)L?\)?\)?$")
HRESULT = re.compile(r"^(?:_HRESULT_TYPEDEF_\(|\(\(HRESULT\)\s*)(0x[0-9A-Fa-f]{1,8})L?\)+$")


def add(table, value, name):
    if value not in table or (name in PREFERRED and table[value] not in PREFERRED):
        table[value] = name


def collect(lines):
    facilities, errors, results = {}, {}, {}
    for line in lines:
        m = DEFINE.match(line)
        if not m:
            continue
        name, body = m.group(1), m.group(2).strip()
        if name.startswith("FACILITY_"):
            d = DECIMAL.match(body)
            if d:
                add(facilities, int(d.group(1)), name)
            continue
        h = HRESULT.match(body)
        if h:
            add(results, int(h.group(1), 16), name)
            continue
        if name.startswith("ERROR_"):
            d = DECIMAL.match(body)
            if d and int(d.group(1)) <= 0xFFFF:
                add(errors, int(d.group(1)), name)
    return facilities, errors, results


def emit(out, array, table, width):
    out.write("constexpr NameEntry %s[] = {\n" % array)
    for value in sorted(table):
        out.write("    {0x%0*Xu, \"%s\"},\n" % (width, value, table[value]))
    out.write("};\n\n")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: gen_winerror_table.py PATH/TO/winerror.h > src/platform/system/winerror_names.inc")
    with open(sys.argv[1], encoding="latin-1") as f:
        facilities, errors, results = collect(f)
    out = sys.stdout
    out.write("// Symbolic names of Windows result codes, sorted by value for binary search.\n")
    out.write("// Made by tools/gen_winerror_table.py from the public header winerror.h;\n")
    out.write("// change the generator and run it again rather than editing this file.\n")
    out.write("// %d facilities, %d Win32 error codes, %d HRESULT values.\n\n"
              % (len(facilities), len(errors), len(results)))
    emit(out, "kFacilityNames", facilities, 4)
    emit(out, "kWin32ErrorNames", errors, 4)
    emit(out, "kHResultNames", results, 8)


if __name__ == "__main__":
    main()
