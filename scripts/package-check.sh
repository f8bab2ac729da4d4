#!/usr/bin/env bash
# Builds the Debian package (build-package/build/quillbat_<version>_amd64.deb) and checks it as a
# new user meets it. desktop-file-validate and appstreamcli validate report nothing on its files.
# In a bare Debian 12 (debootstrap --variant=minbase, made once in build-package/debian-12 and
# reused) apt-get installs it with what it depends on; a user who is not root gets the article of
# an installed example; quillbat-cli names the installed phrase files as the ones it uses until
# that user has phrase files of their own in ~/.config/quillbat/phrases, which then write the
# article (the same decision puts the desktop program's settings in ~/.config/quillbat; their
# round trip is a test of the core, run by ./test.sh); the .box file type and the menu entry
# reach the system's caches through dpkg's triggers; dpkg -r removes the program and leaves the
# user's files.
#   scripts/package-check.sh     (as root: it makes and enters the Debian root with chroot)
# Ends with "N passed, N failed"; exits 1 on a failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUILLBAT_ROOT"

if [ "$(id -u)" -ne 0 ]; then
    echo "scripts/package-check.sh makes and enters a Debian root with chroot: run it as root." >&2
    exit 1
fi
ensure_packages debootstrap dpkg-dev desktop-file-utils appstream

out="$QUILLBAT_ROOT/build-package"
configure_and_build "$out/build" -DQUILLBAT_BUILD_TESTS=OFF
version=$("$out/build/quillbat-cli" --version | cut -d' ' -f2)
deb="quillbat_${version}_amd64.deb"
rm -f "$out"/build/quillbat_*.deb
(cd "$out/build" && cpack -G DEB >/dev/null)
echo "Built $out/build/$deb"

passed=0
failed=0

# The package's own files, as they will land on the user's system.
contents="$out/contents"
rm -rf "$contents"
dpkg-deb -x "$out/build/$deb" "$contents"
check "desktop-file-validate reports nothing" prints "" \
    desktop-file-validate "$contents"/usr/share/applications/org.quillbat.quillbat.desktop
# --strict fails on any issue but the pedantic hints, which only --pedantic shows.
check "appstreamcli validate reports nothing" \
    appstreamcli validate --no-net --strict "$contents"/usr/share/metainfo/org.quillbat.quillbat.metainfo.xml

# The bare Debian 12. A root whose making was cut short is made again; --one-file-system keeps
# rm out of anything still mounted in it.
root="$out/debian-12"
for mounted in dev/pts dev proc; do
    ! mountpoint -q "$root/$mounted" || umount "$root/$mounted"
done
if [ ! -f "$root/.made-by-debootstrap" ]; then
    rm -rf --one-file-system "$root"
    echo "Making a bare Debian 12 in $root (debootstrap --variant=minbase) ..."
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$out/debootstrap.log"
    touch "$root/.made-by-debootstrap"
fi
mount --bind /proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
trap 'umount "$root/dev/pts" "$root/dev" "$root/proc"' EXIT
cp /etc/resolv.conf "$root/etc/resolv.conf"

user=leaguefan
home="/home/$user"
in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive HOME=/root "$@"
}
as_user() {
    chroot "$root" /usr/sbin/runuser -u "$user" -- /usr/bin/env -i PATH=/usr/bin:/bin \
        LANG=C.UTF-8 HOME="$home" "$@"
}

# What an earlier run left: the package, the file-type tools, the user's files.
in_root dpkg --purge quillbat shared-mime-info desktop-file-utils >/dev/null 2>&1 || true
in_root id "$user" >/dev/null 2>&1 || in_root useradd --create-home "$user"
rm -rf "${root:?}$home/.config" "${root:?}$home/xdg"

cp "$out/build/$deb" "$root/tmp/$deb"
apt_log="$out/chroot-apt.log"
in_root apt-get update -qq >"$apt_log" 2>&1
check "apt-get install ./$deb in a bare Debian 12" \
    in_root sh -c "cd /tmp && apt-get install -y -qq ./$deb"

game=riverton-at-harbor-city.box
expected_article=$("$out/build/quillbat-cli" --seed 7 --data data "examples/$game")
check "a user's quillbat-cli writes the article of an installed example" prints "$expected_article" \
    as_user quillbat-cli --seed 7 "/usr/share/doc/quillbat/examples/$game"
check "quillbat-cli --version" prints "quillbat-cli $version" as_user quillbat-cli --version
check "the desktop program starts (--version)" prints "quillbat $version" \
    as_user env QT_QPA_PLATFORM=offscreen quillbat --version
check "the installed phrase files are the user's first ones" \
    prints "Phrase files: /usr/share/quillbat" as_user quillbat-cli --check-phrases
check "root, who may write /usr/bin, also uses the installed phrase files" \
    prints "Phrase files: /usr/share/quillbat" in_root quillbat-cli --check-phrases

# The user's own voice: a copy of the phrase files whose openings all read "Our own words".
phrases="$home/.config/quillbat/phrases"
as_user mkdir -p "$phrases"
as_user sh -c "cp /usr/share/quillbat/*.dat '$phrases/'"
printf '%s,Our own words\r\n' none 100 hot chilly cold normal >"$root$phrases/temperature.dat"
check "the user's phrase folder is ~/.config/quillbat/phrases once it holds phrase files" \
    prints "Phrase files: $phrases" as_user quillbat-cli --check-phrases
check "the user's phrase files write the article" \
    as_user sh -c "quillbat-cli --seed 7 /usr/share/doc/quillbat/examples/$game | grep -q '^Our own words'"
check "\$XDG_CONFIG_HOME names the user's configuration folder" \
    prints "Phrase files: /usr/share/quillbat" \
    as_user env XDG_CONFIG_HOME="$home/xdg" quillbat-cli --check-phrases

# The tools that keep the file-type and menu caches, installed after the package: their dpkg
# triggers build the caches from what the package put in place, and rebuild them on removal.
in_root apt-get install -y -qq shared-mime-info desktop-file-utils >>"$apt_log" 2>&1
check ".box files are of the boxscore type" \
    grep -q '^50:text/x-baseball-boxscore:\*\.box$' "$root/usr/share/mime/globs2"
check "boxscores open with Quillbat" \
    grep -q '^text/x-baseball-boxscore=org.quillbat.quillbat.desktop;$' \
    "$root/usr/share/applications/mimeinfo.cache"

check "dpkg -r quillbat" in_root dpkg -r quillbat
check "dpkg -r removes the programs and the phrase files" \
    test ! -e "$root/usr/bin/quillbat-cli" -a ! -e "$root/usr/bin/quillbat" \
    -a ! -e "$root/usr/share/quillbat"
check "dpkg -r leaves the user's phrase files" test -f "$root$phrases/temperature.dat"
check "the caches forget the boxscore type" \
    sh -c "! grep -q x-baseball-boxscore '$root/usr/share/mime/globs2' '$root/usr/share/applications/mimeinfo.cache'"

echo "Package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
