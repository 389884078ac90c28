#!/usr/bin/env bash
# Checks what a user gets installed: the tree `cmake --install` writes into a temporary DESTDIR
# ("install"), or the Debian package CPack makes, unpacked with dpkg-deb ("package").
#   check-install.sh install|package <build dir> <source dir> <program>...
set -euo pipefail

mode=$1 build=$2 source=$3
shift 3
programs=("$@")
id=org.ovela.Quorin

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

case $mode in
install)
    DESTDIR=$root cmake --install "$build" --prefix /usr >"$tmp/install.log" ||
        { cat "$tmp/install.log"; echo "FAIL: cmake --install" >&2; exit 1; }
    ;;
package)
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
        { cat "$tmp/cpack.log"; echo "FAIL: cpack -G DEB" >&2; exit 1; }
    debs=("$tmp"/out/*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
        { echo "FAIL: expected one .deb, got: ${debs[*]}" >&2; exit 1; }
    deb=${debs[0]}
    dpkg-deb -x "$deb" "$root"
    ;;
*)
    echo "usage: $0 install|package <build dir> <source dir> <program>..." >&2
    exit 2
    ;;
esac
usr=$root/usr

# The programs, each with its manual page, linked against the system's libraries and not the
# build tree.
for program in "${programs[@]}"; do
    [ -f "$usr/share/man/man1/$program.1.gz" ] || fail "the manual page of $program is missing"
    path=$usr/bin/$program
    if [ ! -x "$path" ]; then
        fail "usr/bin/$program is missing or not executable"
    elif readelf -d "$path" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
        fail "usr/bin/$program still looks for libraries in the build tree"
    fi
done

# The launcher entry, the description and the icon name each other by the same id.
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
for file in "$desktop" "$metainfo" "$usr/share/icons/hicolor/scalable/apps/$id.svg" \
            "$usr/share/doc/ovelaz/copyright" "$usr/share/doc/ovelaz/changelog.gz"; do
    [ -f "$file" ] || fail "${file#"$root"/} is missing"
done
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate ${desktop#"$root"/}"
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
    [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the launcher entry's Icon is not $id"
fi
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 ||
        { cat "$tmp/appstream.log"; fail "appstreamcli validate ${metainfo#"$root"/}"; }
    grep -qF "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
fi

# A PNG's width and height, from its header.
png_size() {
    local w h
    w=$(od -An -tx1 -j16 -N4 "$1" | tr -d ' \n')
    h=$(od -An -tx1 -j20 -N4 "$1" | tr -d ' \n')
    echo "$((16#$w))x$((16#$h))"
}
for size in 16 22 24 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$png" ]; then
        fail "${png#"$root"/} is missing"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
        fail "${png#"$root"/} is $(png_size "$png")"
    fi
done

# The description shows the screenshots the README shows.
if [ -f "$metainfo" ]; then
    shown=$(grep -o 'docs/screenshots/[A-Za-z0-9_.-]*\.png' "$source/README.md" | sort -u)
    [ -n "$shown" ] || fail "the README shows no screenshots"
    for shot in $shown; do
        grep -qE "<image type=\"source\">https://[^<]*/screenshots/$(basename "$shot")</image>" \
            "$metainfo" || fail "the metainfo does not show $shot"
    done
fi

# Nothing else is installed: no tests, tools or static libraries.
find "$root" \( -type f -o -type l \) | sed "s|^$root/||" | sort >"$tmp/files"
if grep -vE '^usr/bin/|^usr/share/(applications|metainfo|icons/hicolor|doc/ovelaz|man/man1)/' \
        "$tmp/files" >"$tmp/stray"; then
    fail "unexpected files installed: $(tr '\n' ' ' <"$tmp/stray")"
fi

if [ "$mode" = package ]; then
    # The dependencies come from the libraries the programs link, with their versions.
    depends=$(dpkg-deb -f "$deb" Depends)
    for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 zlib1g libsodium23; do
        [[ $depends == *"$library (>= "* ]] || fail "Depends lacks $library: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Package)" = ovelaz ] || fail "the package is not named ovelaz"
    [[ $(dpkg-deb -f "$deb" Recommends) == *qt6-translations-l10n* ]] ||
        fail "the package does not recommend Qt's translations"
    owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
    [ "$owners" = root/root ] || fail "files not owned by root: $owners"
    # Warnings fail too, so that any left are decided on, not overlooked.
    lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian finds errors or warnings"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$mode: $(wc -l <"$tmp/files") files checked"
