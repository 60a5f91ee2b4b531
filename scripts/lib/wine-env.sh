# Sourced by scripts/test, scripts/demo and scripts/screenshots: the project's
# Wine prefix, a virtual X display of one's own, and the Wine server.
# Expects `repo` to be set to the repository root. Nothing here exits the
# caller; every function reports failure in its status.

export WINEPREFIX="$repo/build/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""

wine_env_note() { printf '%s: [%ss] %s\n' "${0##*/}" "$SECONDS" "$*" >&2; }

wineserver_cmd() {
    if command -v wineserver >/dev/null; then
        wineserver "$@"
    else
        /usr/lib/wine/wineserver "$@"
    fi
}

# Starts Xvfb on a display number of its own choosing, exports DISPLAY and
# keeps the server's process id in xvfb_pid. $1: folder for its log.
#
# The display has a task bar, as a Windows desktop has: a work area 40 pixels
# short of the screen at the top, which Wine reads from _NET_WORKAREA, so that
# a window centred on the screen rather than on the work area shows. The
# server keeps it (-noreset) when its last client goes. The screen is that of
# a laptop at 200 %, where the largest window at 192 DPI still fits.
start_xvfb() {
    local logs="$1"
    local fdfile="$logs/xvfb-display"
    mkdir -p "$logs"
    rm -f "$fdfile"
    Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp -noreset 3>"$fdfile" \
        >"$logs/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local i
    for ((i = 0; i < 100; i++)); do
        if [[ -s $fdfile ]]; then
            export DISPLAY=":$(tr -dc '0-9' <"$fdfile")"
            xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA '0, 40, 2560, 1560' || {
                wine_env_note "cannot give the display its work area"
                return 1
            }
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    wine_env_note "Xvfb did not start; see $logs/xvfb.log"
    return 1
}

# Ends the Xvfb that start_xvfb started, and only that one.
stop_xvfb() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}

# Whether a value is set in the prefix's user registry file. $1: key as the
# file writes it (backslashes doubled), $2: the value's line.
prefix_has() {
    # Through the environment: awk -v would take the backslashes as escapes.
    KEY="[$1]" LINE="$2" awk '
        index($0, "[") == 1 { s = substr($0, 1, length(ENVIRON["KEY"])) == ENVIRON["KEY"]; next }
        s && $0 == ENVIRON["LINE"] { found = 1 } END { exit !found }' "$WINEPREFIX/user.reg" \
        2>/dev/null
}

# The same two settings asked of the running server, whose registry may not
# have reached user.reg yet.
prefix_settings_live() {
    "$repo/scripts/wine-run" reg query 'HKCU\Software\Wine\X11 Driver' /v Managed 2>/dev/null |
        grep -q 'Managed.*N' &&
        "$repo/scripts/wine-run" reg query 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun \
            2>/dev/null | grep -q 'WenQuanYi Micro Hei'
}

# Window management by the X11 driver off: with no window manager on Xvfb,
# each window close would otherwise wait about two seconds for one to answer.
prefix_unmanaged() {
    prefix_has 'Software\\Wine\\X11 Driver' '"Managed"="N"'
}

# A Chinese font under the name that the default GUI font links to for
# Chinese characters, as every Windows has; without it a prefix on a
# non-Chinese locale draws every Chinese character as a box.
prefix_has_chinese_font() {
    prefix_has 'Software\\Wine\\Fonts\\Replacements' '"SimSun"="WenQuanYi Micro Hei"'
}

prefix_configured() {
    [[ -f $WINEPREFIX/system.reg ]] && prefix_unmanaged && prefix_has_chinese_font
}

wineserver_path() {
    command -v wineserver || echo /usr/lib/wine/wineserver
}

# A prefix made while 32-bit Wine was missing has no working 32-bit half:
# every 32-bit program in it fails with "could not load kernel32.dll", the
# x86 exe and its tests included. Such a prefix is removed here, so that
# prepare_wine_prefix makes it anew. $1: log file.
drop_prefix_without_wow64() {
    local log="$1" status=0
    [[ -f $WINEPREFIX/system.reg ]] || return 0
    mkdir -p "$(dirname "$log")"
    {
        "$repo/scripts/wine-run" 'C:\windows\syswow64\cmd.exe' /c exit 0 || status=$?
        # The server this started has no display; it must be gone before a
        # run on Xvfb starts one.
        timeout 20 "$(wineserver_path)" -w || true
    } </dev/null >>"$log" 2>&1
    [[ $status -ne 0 ]] || return 0
    wine_env_note "the Wine prefix cannot start a 32-bit program (made before wine32 was" \
        "installed?); making it anew"
    rm -rf "$WINEPREFIX"
}

# wineboot of a new prefix, with a line every few seconds: it takes a while
# and says nothing.
make_wine_prefix() {
    local log="$1" started=$SECONDS
    wine_env_note "making the Wine prefix $WINEPREFIX (once: 15 to 25 s, 1.3 GB)"
    "$repo/scripts/wine-run" wineboot -i </dev/null >>"$log" 2>&1 &
    local boot=$!
    while kill -0 "$boot" 2>/dev/null; do
        sleep 1
        if (((SECONDS - started) % 5 == 0)) && kill -0 "$boot" 2>/dev/null; then
            wine_env_note "making the Wine prefix: $((SECONDS - started)) s"
        fi
    done
    wait "$boot"
}

# Creates the Wine prefix once, or completes an older one. $1: log file.
prepare_wine_prefix() {
    local log="$1"
    if prefix_configured; then
        return 0
    fi
    mkdir -p "$WINEPREFIX" "$(dirname "$log")"
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        make_wine_prefix "$log" || {
            wine_env_note "wineboot failed; see $log"
            return 1
        }
    fi
    {
        prefix_unmanaged ||
            "$repo/scripts/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' \
                /v Managed /t REG_SZ /d N /f || return 1
        prefix_has_chinese_font ||
            "$repo/scripts/wine-run" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
                /v SimSun /t REG_SZ /d "WenQuanYi Micro Hei" /f || return 1
        # The registry reaches user.reg when the server ends; a server kept
        # alive by another run would make this wait for ever.
        timeout 20 "$(wineserver_path)" -w || true
    } </dev/null >>"$log" 2>&1
    prefix_configured && return 0
    [[ -f $WINEPREFIX/system.reg ]] && prefix_settings_live </dev/null && return 0
    wine_env_note "preparing the Wine prefix failed; see $log"
    return 1
}

# One server for a whole run instead of one per program. Wine's own background
# processes (services, explorer, ...) are started here with their output going
# nowhere: started from a test instead, they would keep CTest's output pipe
# open, and CTest would wait for them until the test's timeout. $1: log file.
# Sets wineserver_started=1 when it started the server.
start_wineserver() {
    local log="$1"
    wineserver_cmd -p && wineserver_started=1
    "$repo/scripts/wine-run" cmd /c exit 0 </dev/null >>"$log" 2>&1
}
