#!/bin/bash
# The Debian package as a user meets it: built by make package, checked by lintian (no error or warning),
# installed with apt, the installed program opening its window, purged with nothing left behind.
# Installs and removes system packages, so it runs in CI, as root or with sudo, not in make test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -n "$@"; fi
}

make package
deb=$(ls taktzeit_*_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Depends Recommends
status=0
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || { echo "FAIL: lintian reports errors or warnings"; exit 1; }
echo "ok: lintian reports no error and no warning"

as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
installed=$(dpkg -L taktzeit | while read -r path; do [ -d "$path" ] || echo "$path"; done)
tests/e2e/private_display.sh bash -c 'source tests/e2e/desktop.sh && start_desktop && start_program /usr/bin/taktzeit'
echo "ok: installed, /usr/bin/taktzeit opens its window"
completions=$(bash -c 'source /usr/share/bash-completion/completions/taktzeit && COMP_WORDS=(taktzeit --ta) COMP_CWORD=1 \
    && _taktzeit && echo "${COMPREPLY[*]}"')
[ "$completions" = "--taktisch" ] || { echo "FAIL: bash completes --ta to '$completions'"; exit 1; }
echo "ok: bash completes taktzeit --ta to --taktisch"

as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq taktzeit >/dev/null
! dpkg -s taktzeit >/dev/null 2>&1 || { echo "FAIL: taktzeit is still known to dpkg"; exit 1; }
for path in $installed /usr/share/doc/taktzeit; do
    [ ! -e "$path" ] || { echo "FAIL: $path is left after purge"; exit 1; }
done
echo "ok: purged, none of its $(wc -w <<<"$installed") files left"
