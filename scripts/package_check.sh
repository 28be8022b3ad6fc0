#!/usr/bin/env bash
# First the README's own steps, in its order, on a fresh copy of the sources: the run command
# (without a display it builds and says how to start the window), the installation into a
# prefix, whose launcher must answer --version and which must hold the manual page and the
# changelog, and the release archive.
# Then installs the test build into a temporary prefix and checks it as a desktop program: the
# program folder and launcher are there, the desktop entry and the AppStream metadata pass
# their validators, and the release archive unpacks into a program that has everything. Then
# the Debian package: its files and dependencies, and the program unpacked from it, started under
# Xvfb by root (or the owner of the tree) and by an unprivileged user: neither may change the
# program folder; each finds the settings in their own ~/.local/share/bandolin/Data/ and the
# lock under their own XDG_RUNTIME_DIR.
#   bash scripts/package_check.sh [build dir, default build/test]
# BANDOLIN_SHOT=<file.png> keeps a screenshot of the main window started from the package.
# The package's quality is checked too: lintian reports no error or warning, the manual page
# renders without warnings, and the terminal commands run from the unpacked package as an
# unprivileged user without a display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

dir="${1:-$ROOT/build/test}"
install_missing desktop-file-utils appstream dpkg-dev file xvfb xauth xdotool lintian man-db
[ -z "${BANDOLIN_SHOT:-}" ] || install_missing imagemagick

# ---- Package quality (lintian, manual page, bash completion, terminal commands) ----
check_lintian() {
    local report
    if ! report=$(lintian --fail-on error,warning "$1" 2>&1); then
        echo "package: lintian reports errors or warnings:"; echo "$report"; exit 1
    fi
    echo "package: lintian reports no error and no warning"
}

check_manual_page() {
    local page="$1/usr/share/man/man1/bandolin.1.gz" warnings
    [ -f "$page" ] || { echo "package: no manual page at $page"; exit 1; }
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "package: the manual page renders with warnings:"; echo "$warnings"; exit 1; }
    MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q "EXIT STATUS" \
        || { echo "package: the manual page does not render"; exit 1; }
}

check_completion() {
    local offered
    offered=$(bash -c 'source "$1"; COMP_WORDS=(bandolin decode ye); COMP_CWORD=2; _bandolin
                       echo "${COMPREPLY[*]}"' _ "$1/usr/share/bash-completion/completions/bandolin")
    [ "$offered" = yellow ] || { echo "package: the bash completion offers '$offered' for 'decode ye'"; exit 1; }
}

# check_terminal_commands <unpacked tree> <empty home> [command that runs as the unprivileged user]
# Without a display or a runtime folder; a language file of the user's own comes first, and the
# commands leave nothing behind in the home.
check_terminal_commands() {
    local tree="$1" home="$2"
    shift 2
    local bandolin=("$@" env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$tree/usr/bin/bandolin")
    local out
    out=$("${bandolin[@]}" decode yellow violet black brown brown)
    grep -qx "Nominal: 4.7 kOhm" <<<"$out" || { echo "package: decode printed: $out"; exit 1; }
    [ "$("${bandolin[@]}" --version)" = "Bandolin $(version_of "$dir")" ] || { echo "package: --version failed"; exit 1; }
    local own="$home/.local/share/bandolin/Languages"
    mkdir -p "$own"
    sed 's/^Nominal:\r$/Value:\r/' "$tree/usr/lib/bandolin/Languages/English.lng" >"$own/English.lng"
    chown -R --reference="$home" "$home/.local"
    out=$("${bandolin[@]}" decode yellow violet black brown brown)
    grep -qx "Value: 4.7 kOhm" <<<"$out" || { echo "package: the user's language file was not read: $out"; exit 1; }
    rm -r "$home/.local"
    [ -z "$(ls -A "$home")" ] || { echo "package: a command wrote into the home:"; ls -AR "$home"; exit 1; }
    echo "package: decode and --version run from the package without a display, writing nothing"
}

# The version a build was configured with.
version_of() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# ---- The README's steps on a fresh copy of the sources ----
# The copy holds what a clone holds: the files git tracks, as they are in the working tree (and
# new ones not yet added), no build. ccache takes paths below the copy as relative ones, so the
# build finds the compilations of an earlier check or of the developer's own build/release.
check_readme_steps() {
    local clone="$work/clone" prefix="$work/readme-prefix" said status=0
    mkdir -p "$clone"
    if git -C "$ROOT" rev-parse --git-dir >/dev/null 2>&1; then
        git -C "$ROOT" ls-files -z --cached --others --exclude-standard \
            | while IFS= read -r -d '' f; do if [ -e "$ROOT/$f" ]; then printf '%s\0' "$f"; fi; done \
            | tar -C "$ROOT" --null -T - -cf - | tar -C "$clone" -xf -
    else
        tar -C "$ROOT" --exclude=./build -cf - . | tar -C "$clone" -xf -
    fi
    # "bash scripts/run.sh", where no display can show the window: it builds and says so.
    said=$(cd "$clone" && env -u DISPLAY -u WAYLAND_DISPLAY CCACHE_BASEDIR="$clone" \
               bash scripts/run.sh 2>&1 >/dev/null) || status=$?
    if [ "$status" -ne 1 ] || ! grep -q "there is no display" <<<"$said"; then
        echo "package: the run command ended with $status without a display:"; echo "$said"; exit 1
    fi
    # "cmake --install build/release --prefix ~/.local", into a prefix of its own.
    (cd "$clone" && cmake --install build/release --prefix "$prefix" >/dev/null) \
        || { echo "package: cmake --install failed after the run command"; exit 1; }
    local version home="$work/home-readme"
    mkdir -p "$home"
    version=$(env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$prefix/bin/bandolin" --version)
    [ "$version" = "Bandolin $(version_of "$clone/build/release")" ] \
        || { echo "package: the installed launcher's --version printed '$version'"; exit 1; }
    for f in share/man/man1/bandolin.1.gz share/doc/bandolin/changelog.gz; do
        gzip -t "$prefix/$f" 2>/dev/null || { echo "package: no $f in the installation"; exit 1; }
    done
    # "cd build/release && cpack -G TGZ"
    (cd "$clone/build/release" && cpack -G TGZ >/dev/null) \
        || { echo "package: cpack -G TGZ failed after the run command"; exit 1; }
    tar -tzf "$clone"/build/release/bandolin-*-Linux.tar.gz | grep -q '/bin/bandolin$' \
        || { echo "package: the release archive holds no launcher"; exit 1; }
    echo "package: the README's run, install and archive steps work on a fresh copy ($version)"
}

work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
check_readme_steps

cmake --install "$dir" --prefix "$work/prefix" >/dev/null
for f in bin/bandolin lib/bandolin/Bandolin lib/bandolin/Modules/Bandolin-windows.so lib/bandolin/Help \
         lib/bandolin/Data/ResTable.tab \
         lib/bandolin/Data/Resistor.bmp lib/bandolin/Skin/Default.she lib/bandolin/Languages/English.lng \
         share/icons/hicolor/scalable/apps/io.github.bandolin.Bandolin.svg \
         share/man/man1/bandolin.1.gz share/bash-completion/completions/bandolin \
         share/doc/bandolin/copyright share/doc/bandolin/changelog.gz; do
    [ -e "$work/prefix/$f" ] || { echo "package: $f is missing from the installation"; exit 1; }
done
[ ! -e "$work/prefix/lib/bandolin/Data/Settings.dat" ] || { echo "package: a settings file was installed"; exit 1; }
grep -qx "Exec=$work/prefix/bin/bandolin" "$work/prefix/share/applications/io.github.bandolin.Bandolin.desktop" \
    || { echo "package: the desktop entry does not start the installed launcher"; exit 1; }
desktop-file-validate "$work/prefix/share/applications/io.github.bandolin.Bandolin.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/io.github.bandolin.Bandolin.metainfo.xml"

(cd "$dir" && cpack -G TGZ -B "$work/archive" >/dev/null)
tar -xzf "$work"/archive/bandolin-*.tar.gz -C "$work"
[ -x "$work"/bandolin-*/lib/bandolin/Bandolin ] && [ -x "$work"/bandolin-*/bin/bandolin ] \
    && [ -f "$work"/bandolin-*/lib/bandolin/Modules/Bandolin-windows.so ] \
    || { echo "package: the release archive holds no runnable program"; exit 1; }
echo "package: installation and release archive checked"

# ---- The Debian package ----
(cd "$dir" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(echo "$work"/deb/bandolin_*.deb)
[ -f "$deb" ] || { echo "package: cpack made no bandolin_*.deb"; exit 1; }
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/deb-files"
for f in /usr/bin/bandolin /usr/lib/bandolin/Bandolin /usr/lib/bandolin/Modules/Bandolin-windows.so \
         /usr/lib/bandolin/Help \
         /usr/lib/bandolin/Data/ResTable.tab /usr/lib/bandolin/Data/Resistor.bmp \
         /usr/lib/bandolin/Data/Resistor@2x.bmp /usr/lib/bandolin/Skin/Default.she \
         /usr/lib/bandolin/Languages/English.lng \
         /usr/share/applications/io.github.bandolin.Bandolin.desktop \
         /usr/share/icons/hicolor/scalable/apps/io.github.bandolin.Bandolin.svg \
         /usr/share/metainfo/io.github.bandolin.Bandolin.metainfo.xml; do
    grep -qxF "$f" "$work/deb-files" || { echo "package: $f is missing from the Debian package"; exit 1; }
done
if grep -v '^/usr/' "$work/deb-files" | grep -vqx '/'; then
    echo "package: the Debian package installs outside /usr:"; grep -v '^/usr/' "$work/deb-files"; exit 1
fi
if grep -qE '/(Settings\.dat|[^/]*\.lock|BNDX77[^/]*)$' "$work/deb-files"; then
    echo "package: the Debian package holds a settings, lock or marking file"; exit 1
fi
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
    echo "$depends" | grep -qE "(^|, )$lib( |,|$)" \
        || { echo "package: Depends lacks $lib: $depends"; exit 1; }
done
for field in Maintainer Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || { echo "package: no $field field"; exit 1; }
done
check_lintian "$deb"
cmp -s "$ROOT/LICENSE" /usr/share/common-licenses/GPL-3 || { echo "package: LICENSE is not the GPL-3 text"; exit 1; }

# ---- The unpacked package, started twice: by a user who could write its program folder (root,
# or the folder's owner when the check does not run as root) and by an unprivileged user who
# cannot. The installation mark keeps both out of the program folder: nothing may appear in the
# tree, the settings go to each user's ~/.local/share/bandolin and the lock to their runtime
# folder, and a copy killed there never keeps the next start out.
tree="$work/tree"
dpkg-deb -x "$deb" "$tree"
grep -qx "Exec=/usr/bin/bandolin" "$tree/usr/share/applications/io.github.bandolin.Bandolin.desktop" \
    || { echo "package: the desktop entry does not start /usr/bin/bandolin"; exit 1; }
[ -f "$tree/usr/lib/bandolin/Bandolin.installed" ] || { echo "package: no installation mark"; exit 1; }
chmod 755 "$work"
(cd "$tree" && find . -printf '%p %s %T@\n' | sort) >"$work/tree-before"
check_manual_page "$tree"
check_completion "$tree"
# The terminal commands, as an unprivileged user in a tree they cannot write.
home="$work/home-terminal"
mkdir -p "$home"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R 0:0 "$tree"
    chown 65534:65534 "$home"
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod -R a-w "$tree"
check_terminal_commands "$tree" "$home" "${run_as[@]}"

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
# Inside Xvfb: start the packaged program and wait for its lock and settings file (both made by
# the main window's load) and its main window; kill it and start it again; then leave it
# through File > Exit, with the settings file deleted so that the exit must write it afresh.
set -u
settings="$HOME/.local/share/bandolin/Data/Settings.dat"
lock="$XDG_RUNTIME_DIR/bandolin/Bandolin-*.lock"
start() {
    "$1/usr/bin/bandolin" &
    pid=$!
    # The main window's load takes the lock, after the splash window: a lock file that names
    # this process (a killed copy's names another).
    locked() { [ "$(head -1 $lock 2>/dev/null)" = "$pid" ]; }
    for _ in $(seq 100); do locked && break; sleep 0.2; done
    locked || { echo "package: no lock of the running copy in $lock ($2)"; kill $pid; exit 1; }
    for _ in $(seq 25); do [ -f "$settings" ] && break; sleep 0.2; done
    [ -f "$settings" ] || { echo "package: no settings file at $settings after start"; kill $pid; exit 1; }
    window=""
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name '^Bandolin$' 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "package: the main window did not come up ($2)"; kill $pid; exit 1; }
}
start "$1" "first start"
kill -9 $pid
wait $pid 2>/dev/null
sleep 0.5
start "$1" "after a killed copy"
sleep 1
[ -z "${BANDOLIN_SHOT:-}" ] || import -window root "$HOME/shot.png"
rm -f "$settings"
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key alt+Cyrillic_ef
sleep 0.5
xdotool key Cyrillic_yeru
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
if kill -0 $pid 2>/dev/null; then echo "package: File > Exit did not end the program"; kill $pid; exit 1; fi
wait $pid
SESSION
chmod 755 "$work/session.sh"

# run_session <name> <uid> <tree writable: yes|no> [setpriv arguments...]
run_session() {
    local name="$1" uid="$2" writable="$3"
    shift 3
    local home="$work/home-$name" runtime="$work/runtime-$name"
    mkdir -p "$home" "$runtime"
    chmod 700 "$runtime"
    chown "$uid:$uid" "$home" "$runtime"
    if [ "$writable" = yes ]; then chmod -R u+w "$tree"; else chmod -R a-w "$tree"; fi
    "$@" env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8 \
        BANDOLIN_SHOT="${BANDOLIN_SHOT:-}" \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$work/session.sh" "$tree"
    local saved="$home/.local/share/bandolin/Data/Settings.dat" lines
    [ -f "$saved" ] || { echo "package: the settings were not saved at exit ($name)"; exit 1; }
    lines=$(wc -l <"$saved")
    # 35 lines: the Combinations window adds its own only once they hold a choice
    [ "$lines" -eq 35 ] || { echo "package: the settings file of $name has $lines lines"; exit 1; }
    [ -z "$(ls -A "$runtime/bandolin")" ] || { echo "package: the lock stayed after the exit ($name)"; exit 1; }
    (cd "$tree" && find . -printf '%p %s %T@\n' | sort) >"$work/tree-after"
    if ! cmp -s "$work/tree-before" "$work/tree-after"; then
        echo "package: the program folder changed when $name ran it:"
        diff "$work/tree-before" "$work/tree-after" | head; exit 1
    fi
}
if [ "$(id -u)" -eq 0 ]; then
    run_session root 0 yes
    run_session nobody 65534 no setpriv --reuid=65534 --regid=65534 --clear-groups
else
    run_session owner "$(id -u)" yes
    run_session reader "$(id -u)" no
fi
[ -z "${BANDOLIN_SHOT:-}" ] || cp "$(ls "$work"/home-*/shot.png | tail -1)" "$BANDOLIN_SHOT"
echo "package: Debian package checked ($(basename "$deb")), started by a user who could write it and by one who cannot"
