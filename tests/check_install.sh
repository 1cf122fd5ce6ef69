#!/bin/bash
# Installs the build into a scratch root, lists what landed, and validates the desktop entry and the
# AppStream metadata. Usage: tests/check_install.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
(cd "$root" && find . -type f | sort)
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
test -x "$root/usr/bin/taktzeit"
for helper in window clipboard keyboard; do test -x "$root/usr/libexec/taktzeit/taktzeit-$helper"; done
[ "$(grep -c '^Exec=taktzeit --kopieren' "$root"/usr/share/applications/*.desktop)" = 2 ]
# bash loads a completion by the command's own name.
test -s "$root/usr/share/bash-completion/completions/taktzeit"
for size in 16 22 24 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/$(basename "$root"/usr/share/applications/*.desktop .desktop).png"
done
echo "ok: installed tree complete, desktop entry and metainfo valid"
