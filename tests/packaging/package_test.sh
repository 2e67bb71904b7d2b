#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack from this build folder, compared with what
# `cmake --install --strip` installs, its metadata checked by the tools a distribution uses, and
# the program run from the unpacked tree; the manual page and the bash completion are checked
# against the program's own help text, and lintian finds nothing. Exit 77 (skipped) where the
# packaging tools are missing.
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps appstreamcli desktop-file-validate groff readelf lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/pkg/greenguide_*_*.deb)
DESTDIR="$work/inst" cmake --install "$build" --prefix /usr --strip >/dev/null
dpkg-deb -x "$deb" "$work/x"

# The same tree both ways, and every file a desktop needs in it.
(cd "$work/x" && find . -type f | sort) >"$work/deb.list"
(cd "$work/inst" && find . -type f | sort) >"$work/inst.list"
diff -u "$work/inst.list" "$work/deb.list" || fail "package and cmake --install differ"
for f in usr/bin/greenguide usr/share/applications/greenguide.desktop \
    usr/share/icons/hicolor/scalable/apps/greenguide.svg \
    usr/share/icons/hicolor/256x256/apps/greenguide.png \
    usr/share/metainfo/uk.co.tarvex.greenguide.metainfo.xml \
    usr/share/man/man1/greenguide.1.gz usr/share/bash-completion/completions/greenguide; do
    grep -qx "./$f" "$work/deb.list" || fail "$f is not in the package"
done
for tree in x inst; do
    if readelf -S "$work/$tree/usr/bin/greenguide" | grep -q '\.debug_info'; then
        fail "the program in $tree is not stripped"
    fi
done

# Depends worked out from the libraries the program links, and the font its pages need.
depends=$(dpkg-deb -f "$deb" Depends)
for p in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation2 \
    libminizip1 libxlsxwriter4; do
    [[ $depends == *"$p"* ]] || fail "Depends lacks $p: $depends"
done

[[ $(dpkg-deb -f "$deb" Recommends) == bash-completion ]] || fail "Recommends: bash-completion"

# Debian's own measure: no error, no warning (as root it says so on stderr, which is dropped).
out=$(lintian --fail-on error,warning "$deb" 2>/dev/null) || fail "lintian: $out"
grep -q '^[EW]:' <<<"$out" && fail "lintian: $out"
# The site's settings are the administrator's (a conffile) and name no folder until edited.
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles >"$work/conffiles"
[[ $(cd "$work/x" && find etc -type f | sed 's|^|/|') == "$(cat "$work/conffiles")" ]] ||
    fail "conffiles: $(cat "$work/conffiles")"
grep -q '^#Data=' "$work/x/etc/greenguide/greenguide.conf" &&
    ! grep -q '^Data' "$work/x/etc/greenguide/greenguide.conf" || fail "greenguide.conf names a folder"

# One version throughout: the package's, its changelog's latest entry and the software centre's
# latest release; and the screenshot the software centre names is the package's own picture, of
# the size it gives.
metainfo="$work/x/usr/share/metainfo/uk.co.tarvex.greenguide.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
version=$(dpkg-deb -f "$deb" Version)
[[ $(gunzip -c "$work/x/usr/share/doc/greenguide/changelog.gz" | head -1) == "greenguide ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"
[[ $(grep -o -m1 '<release version="[^"]*"' "$metainfo") == "<release version=\"$version\"" ]] ||
    fail "the metainfo's latest release is not $version"
image=$(grep -o '<image [^>]*>[^<]*' "$metainfo")
png="$work/x/usr/share/greenguide/${image##*/}"
[[ -f $png ]] || fail "the screenshot ${image##*/} is not in the package"
read -r -a ihdr < <(od -An -tu1 -j16 -N8 "$png") # a PNG's width and height, big-endian
width=$(((ihdr[0] << 24) + (ihdr[1] << 16) + (ihdr[2] << 8) + ihdr[3]))
height=$(((ihdr[4] << 24) + (ihdr[5] << 16) + (ihdr[6] << 8) + ihdr[7]))
[[ $image == *"width=\"$width\" height=\"$height\""* ]] ||
    fail "the screenshot is $width x $height, not as the metainfo says: $image"
out=$(desktop-file-validate "$work/x/usr/share/applications/greenguide.desktop" 2>&1) &&
    [[ -z $out ]] || fail "desktop-file-validate: $out"
gunzip -c "$work/x/usr/share/man/man1/greenguide.1.gz" >"$work/greenguide.1"
out=$(groff -ww -z -man "$work/greenguide.1" 2>&1) && [[ -z $out ]] || fail "groff: $out"

# The program from the unpacked tree.
program="$work/x/usr/bin/greenguide"
export QT_QPA_PLATFORM=offscreen
[[ $("$program" --version) == "greenguide "* ]] || fail "--version"
"$program" rate --system "Pelvanor 55" --domestic >"$work/rate.txt" || fail "rate"
grep -q '^Building: *Domestic' "$work/rate.txt" || fail "rate: $(cat "$work/rate.txt")"

# Every command and option of the help text is described in the manual page (an item of its own)
# and completes with Tab.
source "$work/x/usr/share/bash-completion/completions/greenguide"
complete_words() {
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _greenguide
    printf '%s\n' "${COMPREPLY[@]}"
}
items=$(grep -A1 '^\.TP' "$work/greenguide.1")
commands=$(_greenguide_commands "$program")
[[ -n $commands ]] || fail "no commands in --help"
for command in $commands; do
    grep -q "^\.B $command\$" "$work/greenguide.1" || fail "the manual page lacks the command $command"
    grep -qx "$command" <<<"$(complete_words "${command:0:2}")" || fail "$command does not complete"
    for option in $(_greenguide_options "$program" "$command"); do
        grep -q -- "^\.B.* ${option//-/\\\\-}\b" <<<"$items" ||
            fail "the manual page lacks $option of $command"
        grep -qx -- "$option" <<<"$(complete_words "$command" "${option:0:3}")" ||
            fail "$option of $command does not complete"
    done
done
# publish writes into a folder: only folders complete.
[[ $(complete_words publish "$work/greenguide.") == "" && $(complete_words publish "$work/x/us") == "$work/x/usr" ]] ||
    fail "publish completes what is no folder"
echo "package: $(stat -c %s "$deb") bytes, Depends: $depends"
