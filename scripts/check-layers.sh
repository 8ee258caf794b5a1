#!/usr/bin/env bash
# Fails when a source file includes a folder its layer may not use. The layers are the table
# in docs/ARCHITECTURE.md between the "layers:begin" and "layers:end" marks: one line a folder,
# "folder [qt=none|core|widgets]: folders it may include". A file belongs to the longest folder
# of the table that holds it; "controls/*" stands for every control library, each of which may
# include only what its line allows (never another library of the same line). Tests,
# benchmarks and fuzz targets sit above everything and are not checked.
#
# Usage: scripts/check-layers.sh [--plant FILE:LINE]...
#   --plant adds LINE to FILE's includes, as if it were written there (the layering test uses
#   it to prove that an upward include is caught).
set -euo pipefail
# Folder patterns such as controls/* are words here, never file names.
set -f
cd "$(dirname "$0")/.."

table=docs/ARCHITECTURE.md
declare -A allowed qt
folders=()
while IFS= read -r line; do
    [[ $line =~ ^([a-z/*_-]+)(\ qt=([a-z]+))?:(.*)$ ]] || continue
    folder=${BASH_REMATCH[1]}
    folders+=("$folder")
    allowed[$folder]=${BASH_REMATCH[4]}
    qt[$folder]=${BASH_REMATCH[3]:-widgets}
done < <(sed -n '/layers:begin/,/layers:end/p' "$table")
if [ ${#folders[@]} -eq 0 ]; then
    echo "check-layers: no layer table in $table" >&2
    exit 2
fi

# resolve PATH sets key (the table line the path belongs to, "" when none) and dir (the folder
# itself: a starred line's library, otherwise the key). Answers are kept: one path, one look.
declare -A key_cache dir_cache
resolve() {
    local path=$1
    if [ -n "${key_cache[$path]+x}" ]; then
        key=${key_cache[$path]} dir=${dir_cache[$path]}
        return
    fi
    local f base lib
    key="" dir=""
    for f in "${folders[@]}"; do
        if [[ $f == *'/*' ]]; then
            base=${f%/*}
            [[ $path == "$base"/*/* ]] || continue
            lib=${path#"$base"/}
            lib=$base/${lib%%/*}
            # A library named on a line of its own is not one of the starred ones.
            [ -n "${allowed[$lib]+x}" ] && continue
            if [ ${#base} -ge ${#key} ]; then key=$f dir=$lib; fi
        elif [[ $path == "$f"/* ]] && [ ${#f} -gt ${#key} ]; then
            key=$f dir=$f
        fi
    done
    key_cache[$path]=$key dir_cache[$path]=$dir
}

may_use() { # from-key to-key
    local a
    for a in ${allowed[$1]}; do
        [ "$a" = "$2" ] && return 0
    done
    return 1
}

# Qt by level: none, core (Qt Core and Network, never a window or a painter), or widgets.
qt_ok() { # level header
    case $1 in
    none) return 1 ;;
    core) ! [[ $2 =~ ^Q(t(Gui|Widgets|Test)|Widget|Paint|Gui|Application|Image|Pixmap|Font|Color|Key|Mouse|Wheel|Accessib|Screen|Window|Icon|Palette|Dialog|Label|PushButton|AbstractButton|LineEdit|Test) ]] ;;
    *) return 0 ;;
    esac
}

planted=()
while [ $# -gt 0 ]; do
    case $1 in
    --plant) planted+=("$2"); shift 2 ;;
    *) echo "usage: $0 [--plant FILE:LINE]..." >&2; exit 2 ;;
    esac
done

includes() {
    local sources
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        sources=$(git ls-files -co --exclude-standard -- '*.h' '*.cpp')
    else
        sources=$(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||')
    fi
    sources=$(grep -v -E '^(tests|bench|fuzz|build[^/]*)/' <<<"$sources" || true)
    # shellcheck disable=SC2086
    [ -z "$sources" ] || grep -H -n -E '^[[:space:]]*#[[:space:]]*include' $sources || true
    local p
    for p in "${planted[@]+"${planted[@]}"}"; do printf '%s:0:%s\n' "${p%%:*}" "${p#*:}"; done
}

bad=0
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    include=${rest#*:}
    resolve "${file%/*}/x"
    from=$key from_dir=$dir
    [ -n "$from" ] || continue
    if [[ $include =~ \#include\ *\<(Q[A-Za-z]*) ]]; then
        if ! qt_ok "${qt[$from]}" "${BASH_REMATCH[1]}"; then
            echo "$hit: $from may use Qt only as far as '${qt[$from]}'"
            bad=1
        fi
        continue
    fi
    [[ $include =~ \#include\ *\"([^\"]+)\" ]] || continue
    target=${BASH_REMATCH[1]}
    # A plain file name is the folder's own or one the build generates (TaurelVersion.h).
    [[ $target == */* ]] || continue
    resolve "$target"
    if [ -z "$key" ]; then
        echo "$hit: $target is in no folder of the layer table"
        bad=1
    elif [ "$dir" != "$from_dir" ] && ! may_use "$from" "$key"; then
        echo "$hit: $from_dir may not include $dir"
        bad=1
    fi
done < <(includes)

if [ $bad -ne 0 ]; then
    echo "check-layers: includes above break the layers of $table" >&2
    exit 1
fi
echo "check-layers: every include keeps to the layers of $table"
