#!/bin/bash
# The same bytes from the same commit: builds every artifact of make windows, make package and make web twice,
# in two fresh clones of this repository's last commit under different paths, a second apart, and compares
# their SHA-256 sums. Fails, naming the artifacts that differ, when any does.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts=(build-windows/taktzeit.exe build-windows/taktzeit.com build-windows/taktzeit-*-windows.zip
           build-windows/taktzeit-*.msi build-windows-i686/taktzeit.exe build-windows-i686/taktzeit.com
           build-windows-i686/taktzeit-*-windows-32bit.zip taktzeit_*.deb build-web/taktzeit.html)

first=$work/first
second=$work/second/in/another/folder
# Both from the commit of this moment, whatever is committed while they build.
git clone -q "$root" "$first"
git clone -q "$first" "$second"

build() {
    (cd "$1" && make windows WINDOWS_CMAKE_ARGS=-DTAKTZEIT_TESTS=OFF >"$1.log" 2>&1 && make package >>"$1.log" 2>&1 \
                 && make web WEB_CMAKE_ARGS=-DTAKTZEIT_TESTS=OFF >>"$1.log" 2>&1) \
        || { tail -n 30 "$1.log"; echo "FAIL: the build in $1 failed"; exit 1; }
    (cd "$1" && sha256sum ${artifacts[@]}) >"$1.sums"
}
start=$(date +%s)
build "$first"
sleep 1
build "$second"
if ! diff "$first.sums" "$second.sums"; then
    echo "FAIL: two builds of $(git -C "$first" rev-parse --short HEAD) differ in the artifacts above"
    exit 1
fi
sed 's/^/ok: /' "$first.sums"
echo "ok: $(wc -l <"$first.sums") artifacts the same twice, in $(($(date +%s) - start)) s"
