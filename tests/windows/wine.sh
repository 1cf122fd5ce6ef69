# Shared by the Windows tests: a Wine prefix of their own, made once and kept in the build folder, set up as
# a fresh Windows would be for a German user: Wine's own fonts in place, no crash dialog, 96 dpi unless
# asked otherwise. Source it after tests/e2e/desktop.sh, inside xvfb-run. WINEPREFIX names the prefix.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export WINEARCH=win64
# Wine gives an edit's selection to no X selection: fields are read through the clipboard.
FIELD_SELECTION=clipboard

# Every call into Wine is bounded: a Wine that hangs fails the test instead of stalling it. An array, not a
# function, so that a program started in the background is the process that $! names.
wine_run=(timeout 120 wine)

# Whatever still runs in the prefix ends with the test, after what desktop.sh started.
trap 'timeout 30 wineserver --kill 2>/dev/null; cleanup' EXIT

# Makes the prefix when it is missing; a fresh one takes some seconds.
prepare_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        timeout 120 wineboot --init >/dev/null 2>&1
        timeout 60 wineserver --wait
        # Debian's Wine uses its own fonts only once they are in the prefix.
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        "${wine_run[@]}" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    fi
    "${wine_run[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${WINE_DPI:-96}" /f \
        >/dev/null 2>&1
}
