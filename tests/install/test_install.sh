#!/usr/bin/env bash
# Installs the build into a scratch prefix and packs it as a .deb, then checks what a user
# and a packager get: the files' places, the validators (lintian where it is installed),
# one version everywhere, --help/--version, and the installed program started from another
# folder finding the files beside itself.
# Usage: test_install.sh <build dir>
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
id=example.quorvane.Nimbrel

# Checks an installed tree under $1 (the prefix).
check_layout() {
    local prefix=$1
    [ -L "$prefix/bin/nimbrel" ] || fail "$prefix/bin/nimbrel is not a symbolic link"
    case "$(readlink "$prefix/bin/nimbrel")" in
    /*) fail "bin/nimbrel links to an absolute path" ;;
    esac
    [ "$(readlink -f "$prefix/bin/nimbrel")" = "$(readlink -f "$prefix/lib/nimbrel/nimbrel")" ] ||
        fail "bin/nimbrel does not lead to lib/nimbrel/nimbrel"
    [ "$(ls "$prefix/bin")" = nimbrel ] || fail "bin/ holds more than the link: $(ls "$prefix/bin")"
    for f in lib/nimbrel/shuffle.wav lib/nimbrel/nimbrel.hlp lib/nimbrel/nimbrel.{de,fr,es,it,pt_BR,nl,pl,zh_CN,ja,ar}.hlp \
        lib/nimbrel/translations/nimbrel_{de,fr,es,it,pt_BR,nl,pl,zh_CN,ja,ar}.qm share/applications/$id.desktop \
        share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg share/man/man1/nimbrel.1.gz \
        share/doc/nimbrel/copyright share/doc/nimbrel/changelog.gz share/doc/nimbrel/check-public-draw.py; do
        [ -f "$prefix/$f" ] || fail "missing $f"
    done
    for size in 16 32 48 64 128 256; do
        [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "missing the ${size} px icon"
    done
}

# Starts $1 from another folder under a scratch X server and home; the files beside the
# program must be read from its resolved folder $2, and a shuffle must not miss its sound.
# The program gets a session bus address of its own where no bus listens: with none set,
# the D-Bus library would launch a bus daemon for the scratch display, and strace -f,
# following it, would wait for it to end. For the same reason the trace is stopped once
# the program has ended, whatever else it may have started.
check_start() {
    local exe=$1 folder=$2 home
    home=$(mktemp -d -p "$scratch")
    (cd "$home" && HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$home/no-session-bus" \
        SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb timeout 120 \
        xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
            strace -f -qq -e trace=openat -o trace "$0" & tracer=$!
            stop() { # the program, then the trace
                local program
                program=$(pgrep -P $tracer | head -1)
                [ -n "$program" ] && kill -$1 $program && timeout 30 tail --pid=$program -f /dev/null
                kill $tracer 2>/dev/null; wait $tracer 2>/dev/null
            }
            win=$(timeout 30 xdotool search --sync --onlyvisible --name "^Nimbrel$" | head -1)
            [ -n "$win" ] || { echo "no main window"; stop KILL; exit 1; }
            eval "$(xdotool getwindowgeometry --shell "$win")"
            for name in Ann Bob; do   # Add Name, type the name, OK
                xdotool mousemove $((X + 269)) $((Y + 15)) click 1; sleep 0.7
                xdotool type "$name"; xdotool key Return; sleep 0.5
            done
            xdotool mousemove $((X + 100)) $((Y + 230)) click 1; sleep 1   # Shuffle
            xdotool search --name "^Sound Error$" >/dev/null && echo "Sound Error shown" > sound-error
            xdotool mousemove $((X + 100)) $((Y + 230)) click 1; sleep 0.3 # Stop
            stop TERM; exit 0' "$exe") || fail "$exe did not start"
    [ -f "$home/sound-error" ] && fail "$exe: the shuffle showed Sound Error"
    # The store was closed before the program ended: SQLite removes its log on a clean close.
    [ -f "$home/config/nimbrel/registry.sqlite" ] || fail "$exe: no settings file after the run"
    [ -e "$home/config/nimbrel/registry.sqlite-wal" ] && fail "$exe: the settings file was not closed"
    for f in shuffle.wav nimbrel.hlp; do
        grep -q "openat(.*\"$folder/$f\", [^)]*) = [0-9]" "$home/trace" 2>/dev/null ||
            fail "$exe did not read $folder/$f"
    done
}

echo "== install into a scratch prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
check_layout "$scratch/prefix"
desktop-file-validate "$scratch/prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$scratch/prefix/share/metainfo/$id.metainfo.xml" >"$scratch/as.log" ||
    { cat "$scratch/as.log"; fail "appstreamcli validate"; }

# Runs a command with no display and no platform chosen, in a scratch home.
headless() {
    local home
    home=$(mktemp -d -p "$scratch")
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/config" "$@"
}
exe=$scratch/prefix/bin/nimbrel

echo "== --help and --version without a display; one version everywhere"
version=1.5
headless "$exe" --help | grep -q -- "--version" || fail "--help"
[ "$(headless "$exe" --version)" = "Nimbrel $version" ] || fail "--version"
# The settings file's real place, not a shell expression for it.
headless "$exe" --help | grep -q "$scratch/.*/config/nimbrel/registry\.sqlite\.$" || fail "--help: the store's path"
# An unknown option is named with the usage, on the error stream, with status 2 and no window.
for option in --bogus -x; do
    status=0
    headless "$exe" "$option" >"$scratch/out" 2>"$scratch/err" || status=$?
    [ "$status" = 2 ] && [ ! -s "$scratch/out" ] && grep -q -- "^nimbrel: $option is an unknown option\.$" "$scratch/err" &&
        grep -q -- "--version" "$scratch/err" || fail "$option gave status $status: $(cat "$scratch/err")"
done
# The installed program finds its translations beside itself.
headless env LANGUAGE= LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 "$exe" --help | grep -q "Diese Hilfe anzeigen" ||
    fail "--help in German"
grep -q "<release version=\"$version\"" "$scratch/prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo's release is not $version"
zcat "$scratch/prefix/share/man/man1/nimbrel.1.gz" | grep -q "^\.TH .*\"Nimbrel $version\"" ||
    fail "the manual page is not for $version"

echo "== without a display"
# Refused with status 1 and one line naming xvfb-run, DISPLAY unset or empty, not aborted.
for assignment in "" DISPLAY=; do
    status=0
    headless $assignment "$exe" >/dev/null 2>"$scratch/err" || status=$?
    [ "$status" = 1 ] && [ "$(wc -l <"$scratch/err")" = 1 ] && grep -q "xvfb-run -a nimbrel" "$scratch/err" ||
        fail "no display ${assignment:+($assignment) }gave status $status: $(cat "$scratch/err")"
done
# A platform chosen on purpose is left to Qt: the program is still running when timeout ends it.
for row in "QT_QPA_PLATFORM=offscreen|" "|-platform offscreen"; do
    status=0
    headless ${row%|*} timeout 3 "$exe" ${row#*|} >/dev/null 2>&1 || status=$?
    [ "$status" = 124 ] || fail "no display, ${row//|/ }: ended with status $status"
done

echo "== the installed program, started from elsewhere"
check_start "$exe" "$(readlink -f "$scratch/prefix/lib/nimbrel")"

echo "== the Debian package"
if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
    (cd "$build" && cpack -G DEB -B "$scratch/deb" >/dev/null)
    deb=$(ls "$scratch"/deb/*.deb)
    depends=$(dpkg-deb -f "$deb" Depends)
    for d in xdg-utils fonts-dejavu-core fonts-liberation2 libqt6widgets6 libsdl2 libsqlite3; do
        [[ "$depends" == *"$d"* ]] || fail "the package does not depend on $d: $depends"
    done
    recommends=$(dpkg-deb -f "$deb" Recommends)
    for r in qt6-translations-l10n fonts-noto-cjk fonts-noto-ui-core; do
        [[ "$recommends" == *"$r"* ]] || fail "the package does not recommend $r: $recommends"
    done
    [ "$(dpkg-deb -f "$deb" Section)" = utils ] || fail "section"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version: $(dpkg-deb -f "$deb" Version)"
    dpkg-deb -x "$deb" "$scratch/root"
    check_layout "$scratch/root/usr"
    zcat "$scratch/root/usr/share/doc/nimbrel/changelog.gz" >"$scratch/changelog"
    [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$version" ] ||
        fail "the changelog's latest entry is not $version"
    if command -v lintian >/dev/null; then
        lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
            { cat "$scratch/lintian.log"; fail "lintian reports errors or warnings"; }
    else
        echo "SKIP: lintian is not installed; the package is not checked with it"
    fi
    check_start "$scratch/root/usr/bin/nimbrel" "$(readlink -f "$scratch/root/usr/lib/nimbrel")"
else
    echo "SKIP: dpkg-deb or dpkg-shlibdeps is missing; the package is not tested"
fi

[ "$failures" -eq 0 ] && echo "PASS" || { echo "$failures failure(s)"; exit 1; }
