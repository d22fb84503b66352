# Shared by the scripts: the project root, the build of a preset, an Xvfb display, Wine's prefix.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}

build_preset() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
}

# Starts a private Xvfb display (1280 x 1024, 24-bit) unless one is given, and exports DISPLAY.
start_display() {
    if [[ -n ${TESSAVIK_USE_DISPLAY:-} && -n ${DISPLAY:-} ]]; then return; fi
    local n
    for n in $(seq 90 140); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_wine_and_display() {
    WINEPREFIX=$WINEPREFIX wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$WINEPREFIX wineserver -w >/dev/null 2>&1 || true
    [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
    [[ -n ${xvfb_pid:-} ]] && wait "$xvfb_pid" 2>/dev/null || true
}

# The first start of a prefix takes a while; do it before anything is timed.
init_wine_prefix() {
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        echo "wine: creating the prefix $WINEPREFIX"
        "$root/scripts/wine-exec" wineboot -i >/dev/null 2>&1 || true
        WINEPREFIX=$WINEPREFIX wineserver -w
    fi
    # Debian's Wine does not look in its own font folder: give the prefix Marlett (the caption
    # buttons' glyphs) and the rest of Wine's fonts.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [[ -d /usr/share/wine/fonts && -d $fonts && ! -f $fonts/marlett.ttf ]]; then
        cp /usr/share/wine/fonts/*.ttf "$fonts/"
    fi
}
