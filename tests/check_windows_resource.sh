#!/bin/bash
# Compiles the Windows version resource with the MinGW resource compiler and checks what it holds:
# German Unicode string table, version 6.00, the German description and the logo as icon.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp) manifest=$(mktemp -d)
trap 'rm -rf "$out" "$manifest"' EXIT
sed 's/@MANIFEST_ARCHITECTURE@/amd64/' "$root/resources/taktzeit.manifest.in" >"$manifest/taktzeit.manifest"
(cd "$root/resources" && x86_64-w64-mingw32-windres --preprocessor=cpp -I "$manifest" taktzeit.rc -O coff -o "$out")
python3 - "$out" "$root/resources/logo.ico" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
logo = open(sys.argv[2], "rb").read()
def utf16(text):
    return text.encode("utf-16-le")
checks = {
    "German Unicode string table 040704B0": utf16("040704B0") in data,
    "translation 0x0407, 1200": bytes.fromhex("0704b004") in data,
    "file and product version 6.00": data.count(utf16("6.00")) >= 2,
    "German description": utf16("Rechnet Uhrzeit und Datum in die taktische Zeit um und zurück") in data,
    "logo as icon": logo[22:] in data,
}
for name, ok in checks.items():
    print(("ok: " if ok else "FAIL: ") + name)
sys.exit(0 if all(checks.values()) else 1)
PY
