#!/bin/sh
# The Debian package as a user of a clean Debian 12 gets it: installed by apt, with the
# dependencies apt resolves, into a minimal root made from this machine's apt sources; started
# there by an ordinary user under Xvfb until its main window shows; its menu entry, icon and
# AppStream data checked where a desktop looks for them; removed and purged, leaving the user's
# data folder and settings as they were. Stops at the first thing that is wrong.
#
# Usage: tools/test-package.sh PACKAGE.deb WORK-FOLDER   (as root: it uses chroot and mounts)
# The root is made once and kept as a tarball in WORK-FOLDER, with apt's downloads, so that a
# second run installs from there; each run unpacks a fresh copy of it.
set -eu

if [ $# -ne 2 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PACKAGE.deb WORK-FOLDER" >&2
    exit 2
fi
if [ "$(id -u)" != 0 ]; then
    echo "$0 needs root (it makes a chroot and mounts /proc in it)" >&2
    exit 2
fi
# Every mount is made in a mount namespace of this run's own, so none outlives it, even when
# the run is stopped half way.
if [ -z "${TONNELIX_PACKAGE_TEST_NS:-}" ]; then
    TONNELIX_PACKAGE_TEST_NS=1 exec unshare --mount --propagation private -- "$0" "$@"
fi

missing=""
for tool in unshare chroot dpkg-deb desktop-file-validate appstreamcli xdotool import identify convert; do
    command -v "$tool" >/dev/null || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "$0 needs:$missing (make test-package installs them)" >&2
    exit 2
fi

deb=$(readlink -f "$1")
mkdir -p "$2"
work=$(readlink -f "$2")
root="$work/root"
user=cellar
home="/home/$user"
started=$(date +%s)

step() { printf '%-8s %s\n' "[$(($(date +%s) - started)) s]" "$*"; }
ok() { printf '         ok: %s\n' "$*"; }
fail() {
    printf '         FAILED: %s\n' "$*" >&2
    exit 1
}
in_root() { chroot "$root" "$@"; }
# An ordinary user's shell in the root, with the environment a desktop session would give.
as_user() {
    chroot --userspec="$uid:$gid" "$root" env -i HOME="$home" USER="$user" LOGNAME="$user" \
        SHELL=/bin/sh PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 "$@"
}
quiet() { # runs a command, shows its output only when it fails
    log="$work/last-command.log"
    if ! "$@" >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        return 1
    fi
}

version=$(dpkg-deb -f "$deb" Version)
step "package $(basename "$deb"), version $version"

# --- The root: Debian 12 from the bookworm entries of this machine's apt sources -------------
sources="$work/bookworm.sources"
list="$work/bookworm.list"
: >"$sources"
: >"$list"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk '$1 == "deb" {
        suite = ($2 ~ /^\[/) ? "" : $3
        for (i = 2; i <= NF; i++) if ($i ~ /\]$/) { suite = $(i + 2); break }
        if (suite ~ /^bookworm(-updates|-security)?$/) print
    }' "$file" >>"$list"
done
for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    # deb822 paragraphs: the "deb" type and the bookworm suites of each enabled one.
    awk 'BEGIN { RS = ""; FS = "\n" }
    {
        out = ""; deb = 0; enabled = 1; suites = ""
        for (i = 1; i <= NF; i++) {
            line = $i
            if (line ~ /^#/) continue
            if (line ~ /^[Tt]ypes:/) { if (line ~ /[ \t]deb([ \t]|$)/) deb = 1; out = out "Types: deb\n"; continue }
            if (line ~ /^[Ee]nabled:[ \t]*[Nn][Oo]/) { enabled = 0; continue }
            if (line ~ /^[Ss]uites:/) {
                n = split(substr(line, 8), words, /[ \t]+/)
                for (j = 1; j <= n; j++)
                    if (words[j] ~ /^bookworm(-updates|-security)?$/) suites = suites " " words[j]
                out = out "Suites:" suites "\n"; continue
            }
            out = out line "\n"
        }
        if (deb && enabled && suites != "") printf "%s\n", out
    }' "$file" >>"$sources"
done
set --
[ -s "$sources" ] && set -- "$@" "$sources"
[ -s "$list" ] && set -- "$@" "$list"
[ $# -gt 0 ] || fail "no Debian 12 (bookworm) entry in /etc/apt/sources.list or /etc/apt/sources.list.d"
# The machine's own stand on release files past their date (a mirror frozen at one day).
aptconf="$work/bookworm.apt.conf"
apt-config dump | grep -E '^Acquire::Check-(Valid-Until|Date) ' >"$aptconf" || true
# A minimal Debian 12 with nothing added but what shows a window on a virtual screen.
options="--variant=minbase --include=xvfb,xauth --skip=cleanup/apt/lists"
key=$( (echo "$options"; cat "$aptconf" "$@") | sha256sum | cut -c1-16)
tarball="$work/bookworm-$key.tar"
if [ -f "$tarball" ]; then
    step "minimal Debian 12 root: cached $(basename "$tarball")"
else
    step "minimal Debian 12 root: made by mmdebstrap from $*"
    command -v mmdebstrap >/dev/null || fail "mmdebstrap is not installed (package mmdebstrap)"
    rm -f "$work"/bookworm-*.tar
    # shellcheck disable=SC2086 # the options are words
    quiet mmdebstrap $options --aptopt="$aptconf" bookworm "$tarball.part" "$@" ||
        fail "mmdebstrap could not make the root"
    mv "$tarball.part" "$tarball"
fi
grep -q " ${root}[/ ]" /proc/self/mounts && fail "something is mounted under $root"
rm -rf --one-file-system "$root"
mkdir -p "$root"
tar -C "$root" --numeric-owner -xf "$tarball"
grep -q '^VERSION_ID="12"' "$root/etc/os-release" || fail "the root is not Debian 12"
ok "fresh root of Debian $(cat "$root/etc/debian_version") in $root"

mount -t proc proc "$root/proc"
mount -t tmpfs tmpfs "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount --bind "$root/dev/pts/ptmx" "$root/dev/ptmx"
mkdir -p "$work/archives/partial"
mount --bind "$work/archives" "$root/var/cache/apt/archives"

# --- Installed by apt, its dependencies resolved from the archive ---------------------------
step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
install_package() {
    quiet in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "./tmp/$(basename "$deb")"
}
# The root's package lists are those of the day it was made: read again when they are older
# than a day, or when they no longer match the archive.
if [ -n "$(find "$tarball" -mmin +1440)" ] || ! install_package; then
    quiet in_root apt-get update || fail "apt-get update failed in the root"
    install_package || fail "apt-get could not install the package"
fi
# shellcheck disable=SC2016 # dpkg-query's own fields
status=$(in_root dpkg-query -W -f='${Status} ${Version}' tonnelix)
[ "$status" = "install ok installed $version" ] || fail "dpkg says: $status"
ok "installed with $(grep -c '^Unpacking ' "$work/last-command.log") packages, recommends left out"

in_root useradd --create-home --shell /bin/sh "$user"
uid=$(in_root id -u "$user")
gid=$(in_root id -g "$user")

# --- The menu entry and the icon where a desktop looks: $XDG_DATA_DIRS, by default
# /usr/local/share and /usr/share, applications/ and icons/hicolor/ --------------------------
step "desktop entry and icon"
entry=""
for dir in /usr/local/share /usr/share; do
    [ -f "$root$dir/applications/tonnelix.desktop" ] && { entry="$dir/applications/tonnelix.desktop"; break; }
done
[ -n "$entry" ] || fail "no applications/tonnelix.desktop under /usr/local/share or /usr/share"
if ! report=$(desktop-file-validate "$root$entry" 2>&1) || [ -n "$report" ]; then
    fail "desktop-file-validate $entry: $report"
fi
ok "$entry passes desktop-file-validate"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root$entry")
found=$(as_user sh -c "command -v '$command'") || fail "Exec=$command is not on the user's PATH"
ok "Exec=$command is $found"
icon=$(sed -n 's/^Icon=//p' "$root$entry")
sizes=""
for file in "$root"/usr/share/icons/hicolor/*/apps/"$icon".png; do
    [ -f "$file" ] || continue
    size=$(basename "$(dirname "$(dirname "$file")")")
    drawn=$(identify -format '%wx%h' "$file") || fail "$file is no image"
    [ "$drawn" = "$size" ] || fail "$file is $drawn in the folder for $size"
    sizes="$sizes $size"
done
case "$sizes" in *" 48x48"*) ;; *) fail "Icon=$icon has no 48x48 PNG in /usr/share/icons/hicolor" ;; esac
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    fail "Icon=$icon has no scalable SVG in /usr/share/icons/hicolor"
ok "Icon=$icon: scalable SVG and PNG of$sizes, each of its folder's size"

step "AppStream data"
metainfo=/usr/share/metainfo/org.tonnelix.tonnelix.metainfo.xml
[ -f "$root$metainfo" ] || fail "no $metainfo"
quiet appstreamcli validate --no-net "$root$metainfo" || fail "appstreamcli validate $metainfo"
ok "$metainfo passes appstreamcli validate --no-net"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$root$metainfo" ||
    fail "$metainfo does not launch $(basename "$entry")"
grep -q "<release version=\"$version\" " "$root$metainfo" ||
    fail "$metainfo has no release $version"
ok "launches $(basename "$entry"), names release $version"

# --- The companion command, where the package has it ----------------------------------------
if [ -e "$root/usr/bin/tonnelix-cli" ]; then
    step "tonnelix-cli --version"
    said=$(as_user tonnelix-cli --version 2>&1) || fail "tonnelix-cli --version failed: $said"
    case "$said" in *"$version"*) ;; *) fail "tonnelix-cli --version says: $said" ;; esac
    ok "$said"
else
    step "tonnelix-cli: not in this package, not checked"
fi

# --- Started by the user on a virtual screen -------------------------------------------------
step "tonnelix started by user $user under xvfb-run"
# A display number free on this machine: the root shares its abstract X sockets.
display=300
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] ||
    grep -q "@/tmp/.X11-unix/X$display\$" /proc/net/unix; do
    display=$((display + 1))
done
as_user xvfb-run -n "$display" -f "$home/.Xauthority" -s "-screen 0 1280x1024x24 -nolisten tcp" \
    sh -c 'tonnelix & echo $! >/tmp/tonnelix.pid; wait $!' >"$work/tonnelix.log" 2>&1 &
session=$!
# The program ended, xvfb-run closes the display, whatever way this run ends.
stop_session() {
    [ -f "$root/tmp/tonnelix.pid" ] && kill -TERM "$(cat "$root/tmp/tonnelix.pid")" 2>/dev/null
    wait "$session" 2>/dev/null || true
}
trap stop_session EXIT
export DISPLAY=":$display" XAUTHORITY="$root$home/.Xauthority"
window=""
tries=0
while [ -z "$window" ]; do
    kill -0 "$session" 2>/dev/null || { cat "$work/tonnelix.log" >&2; fail "tonnelix ended before its window showed"; }
    tries=$((tries + 1))
    [ "$tries" -le 120 ] || { cat "$work/tonnelix.log" >&2; fail "no window named Tonnelix in 60 s"; }
    sleep 0.5
    window=$(xdotool search --onlyvisible --name '^Tonnelix$' 2>/dev/null | head -n 1) || window=""
done
title=$(xdotool getwindowname "$window")
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
ok "main window \"$title\" shown, $geometry"
pid=$(cat "$root/tmp/tonnelix.pid")
sleep 1
import -window root "$work/main-window.png"
colours=$(convert "$work/main-window.png" -format %k info:)
[ "$colours" -gt 16 ] || fail "the screen shows $colours colours only (see $work/main-window.png)"
ok "screenshot $work/main-window.png: $colours colours"
grep -q "/usr/lib/tonnelix/tonnelix.ENU" "/proc/$pid/maps" || fail "the English module is not loaded"
ok "program /usr/lib/tonnelix/tonnelix runs with its module tonnelix.ENU"

data="$home/.local/share/Tonnelix"
ini="$home/.config/Tonnelix.ini"
for shipped in "$root"/usr/share/tonnelix/data/en/* "$root/usr/share/tonnelix/data/fr/Vins.dat"; do
    name=$(basename "$shipped")
    cmp -s "$shipped" "$root$data/$name" || fail "$data/$name is not the shipped ${shipped#"$root"}"
done
ok "data folder $data seeded: $(cd "$root$data" && echo *)"
grep -q "^Path=$data" "$root$ini" || fail "$ini does not name the data folder"
ok "settings $ini written"

stop_session
trap - EXIT
unset DISPLAY XAUTHORITY

# --- Removed and purged by apt: the user's files stay, byte for byte -------------------------
snapshot() {
    (cd "$root$home" && find .local/share/Tonnelix .config/Tonnelix.ini -print0 | sort -z |
        xargs -0 stat -c '%n %s %a %u %Y' && find .local/share/Tonnelix .config/Tonnelix.ini \
        -type f -print0 | sort -z | xargs -0 sha256sum)
}
snapshot >"$work/user-files.before"
for action in remove purge; do
    # A package without configuration files is gone whole after remove: nothing to purge.
    if [ "$action" = purge ] && ! in_root dpkg-query -W tonnelix >/dev/null 2>&1; then
        step "apt-get purge tonnelix: nothing left to purge, dpkg no longer knows it"
        break
    fi
    step "apt-get $action tonnelix"
    quiet in_root apt-get "$action" -y tonnelix || fail "apt-get $action failed"
    for path in /usr/bin/tonnelix /usr/lib/tonnelix /usr/share/tonnelix "$entry" "$metainfo"; do
        [ ! -e "$root$path" ] || fail "$path is left after $action"
    done
    ok "its files are gone"
    snapshot >"$work/user-files.after"
    diff "$work/user-files.before" "$work/user-files.after" >&2 ||
        fail "the user's data folder or settings changed on $action"
    ok "data folder and settings as they were ($(grep -c '' "$work/user-files.before") lines of names, sizes, modes, times and hashes)"
done

step "all checks passed in $(($(date +%s) - started)) s"
