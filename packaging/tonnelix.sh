#!/bin/sh
# Starts Tonnelix in the user's data folder, which receives on the first start the shipped
# reference files of the language the program will start in. A file already there is never
# replaced. Installed as PREFIX/bin/tonnelix; finds the rest of PREFIX from its own place, so an
# unpacked package or a staging prefix runs as well as /usr.
set -u

here=$(dirname "$(readlink -f "$0")")
prefix=$(dirname "$here")
program="$prefix/lib/tonnelix/tonnelix"
shipped="$prefix/share/tonnelix/data"
data="${XDG_DATA_HOME:-$HOME/.local/share}/Tonnelix"
ini="${XDG_CONFIG_HOME:-$HOME/.config}/Tonnelix.ini"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tonnelix needs a graphical display and none is set (DISPLAY is empty): start it from a desktop session, or under xvfb-run." >&2
    exit 1
fi

if ! mkdir -p "$data"; then
    echo "Tonnelix cannot create its data folder $data." >&2
    exit 1
fi

# One program writes a data folder at a time. The folder's lock is taken before it is seeded and
# handed, still held, to the program (TONNELIX_LOCK_FD names the descriptor), so that no second
# start can slip in between. When another program has the folder open nothing is copied: the
# program is started all the same, to say so and bring the open window to the front. Without
# flock, or on a file system without locks, the folder is seeded unlocked and the program says so.
unset TONNELIX_LOCK_FD
lock="$data/.tonnelix.lock"
locked=no
if command -v flock >/dev/null 2>&1 && { command exec 9>>"$lock"; } 2>/dev/null; then
    if flock -n -E 75 9 2>/dev/null; then
        locked=yes
    elif [ $? -eq 75 ]; then
        exec 9>&-
        cd "$data" || exit 1
        exec "$program"
    else
        exec 9>&-
    fi
fi

# The language of the settings file, else the system language as the program reads it
# (LC_ALL, LC_MESSAGES, LANG, then LANGUAGE): French for France only, so a French locale of
# another country starts in English, and gets the English files.
lang=""
if [ -f "$ini" ]; then
    value=$(awk -F= '/^\[/ { section = $0; sub(/[ \t\r]+$/, "", section) }
        section == "[Options]" { key = $1; gsub(/[ \t]/, "", key);
            if (key == "Language") { sub(/^[^=]*=[ \t]*/, ""); print; exit } }' "$ini")
    if [ -n "$value" ]; then
        case "$value" in English*) lang=en ;; *) lang=fr ;; esac
    fi
fi
if [ -z "$lang" ]; then
    locale="${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}"
    case "$locale" in
    "" | C | C.* | POSIX) lang=en ;;
    *)
        first="${LANGUAGE:-}"
        first="${first%%:*}"
        [ -n "$first" ] && locale="$first"
        case "$locale" in fr_FR* | fr | fr.* | fr@*) lang=fr ;; *) lang=en ;; esac
        ;;
    esac
fi

# Copied under a temporary name and renamed, so that a failed copy (a full disk) never leaves a
# half file that would then count as already there.
copy() {
    name=$(basename "$1")
    [ -f "$1" ] && [ ! -e "$data/$name" ] || return 0
    if cp "$1" "$data/.$name.tonnelix-new" && mv -f "$data/.$name.tonnelix-new" "$data/$name"; then
        echo "Copied $name into $data"
    else
        rm -f "$data/.$name.tonnelix-new"
        echo "Tonnelix cannot copy $name into $data." >&2
        exit 1
    fi
}
for f in "$shipped/$lang"/*; do copy "$f"; done
# Each language keeps its own appellation base.
copy "$shipped/fr/Vins.dat"
copy "$shipped/en/Wines.dat"

cd "$data" || exit 1
if [ "$locked" = yes ]; then
    export TONNELIX_LOCK_FD=9
fi
exec "$program"
