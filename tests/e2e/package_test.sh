#!/usr/bin/env bash
# The Debian package, made from this build by scripts/package (which fails on any lintian
# error): its control data, dependencies and files in their places, lintian with every check
# on, and the menu entry and metainfo it ships. With KD_SYSTEM_INSTALL_TEST=1 (CI, as root or with sudo) it is also installed with
# apt-get; /usr/bin/kedoozle then starts for an ordinary user, keeps that user's settings in
# their configuration folder, exits cleanly, and the package is purged again.
source "$(dirname "$0")/lib.sh"

"${KD_SOURCE:?}/scripts/package" --build-dir "${KD_BUILD:?}" >"$E2E_TMP/package.log" 2>&1 ||
  { cat "$E2E_TMP/package.log" >&2; fail "scripts/package failed"; }
deb=$(ls "$KD_BUILD"/kedoozle_*.deb)
grep '^[EW]: ' "$E2E_TMP/package.log" >&2 || true

dpkg-deb --info "$deb" >"$E2E_TMP/info" || fail "dpkg-deb cannot read the package"
grep -q '^ Package: kedoozle$' "$E2E_TMP/info" || fail "not the kedoozle package"
depends=$(sed -n 's/^ Depends: //p' "$E2E_TMP/info")
for dep in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-2.0-0 libjpeg62-turbo libx11-6 fonts-liberation; do
  [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done
[[ "$depends" != *-dev* ]] || fail "a development package among the dependencies: $depends"
[ "$(dpkg-deb --field "$deb" Installed-Size)" -gt 1000 ] || fail "implausible Installed-Size"
[ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -xOf - ./conffiles)" = /etc/kedoozle/Kedoozle.ini ] ||
  fail "the default settings are not the configuration file"

dpkg-deb --contents "$deb" | awk '{ line = $1 " " $6; if ($7 != "") line = line " " $7 " " $8; print line }' |
  sed 's#\./#/#' >"$E2E_TMP/contents"
expect() { grep -q "^$1 $2" "$E2E_TMP/contents" || fail "the package lacks $2 ($1)"; }
# The program, its settings window and its lock library in /usr/lib/kedoozle, nothing else there; the data in
# /usr/share/kedoozle; the licence in /usr/share/doc; both manuals in section 1, as both
# commands are in /usr/bin.
expect -rwxr-xr-x "/usr/lib/kedoozle/Kedoozle$"
expect -rwxr-xr-x "/usr/lib/kedoozle/KedoozleSettings$"
expect -rw-r--r-- "/usr/lib/kedoozle/libkdkbhook.so$"
[ "$(grep -c ' /usr/lib/kedoozle/.' "$E2E_TMP/contents")" = 3 ] || fail "more than the program, its settings window and its library in /usr/lib/kedoozle"
for f in License.txt Sounds.dll Keys.dll Patterns.dll Pictures.dll; do expect -rw-r--r-- "/usr/share/kedoozle/$f$"; done
expect lrwxrwxrwx "/usr/share/kedoozle/Kedoozle.ini -> /etc/kedoozle/Kedoozle.ini"
expect -rw-r--r-- "/etc/kedoozle/Kedoozle.ini$"
expect lrwxrwxrwx "/usr/bin/kedoozle -> ../lib/kedoozle/Kedoozle"
expect -rwxr-xr-x "/usr/bin/kdmodule$"
for f in applications/org.kedoozle.Kedoozle.desktop applications/org.kedoozle.Kedoozle.Settings.desktop metainfo/org.kedoozle.Kedoozle.metainfo.xml \
         icons/hicolor/48x48/apps/org.kedoozle.Kedoozle.png icons/hicolor/256x256/apps/org.kedoozle.Kedoozle.png \
         man/man1/kedoozle.1.gz man/man1/kdmodule.1.gz doc/kedoozle/copyright doc/kedoozle/changelog.gz; do
  expect -rw-r--r-- "/usr/share/$f$"
done
for language in de es fr it nl pl pt_BR tr; do expect -rw-r--r-- "/usr/share/kedoozle/translations/kedoozle_$language.qm$"; done
! grep -q '/usr/local\|/build/\|/tmp/\|/man6/' "$E2E_TMP/contents" || fail "build paths or a section-6 manual in the package"

# lintian at its most thorough: no error, no warning, and only these notes, each for a reason:
#   executable-in-usr-lib (experimental)  the program sits with its key-lock library, which it
#       loads from its own folder only; policy allows internal programs in /usr/lib/<package>
#   extra-license-file, package-contains-documentation-outside-usr-share-doc  License.txt in
#       /usr/share/kedoozle is what the About window shows; a program may not rely on
#       /usr/share/doc, which a system may leave out
#   portable-executable-missing-security-features  the content modules are resource-only PE
#       files with no code: there is nothing to randomise or protect
#   arch-dep-package-has-big-usr-share  the 7 MB of default content in one package with the
#       program, rather than a separate architecture-independent package
#   hardening-no-*  only for a build made without the package's flags (the tests' build)
command -v lintian >/dev/null || fail "lintian is needed (scripts/bootstrap test)"
lintian -i -I -E --pedantic --tag-display-limit 0 "$deb" >"$E2E_TMP/lintian.txt" 2>&1 || true
explained='executable-in-usr-lib|extra-license-file|package-contains-documentation-outside-usr-share-doc|portable-executable-missing-security-features|arch-dep-package-has-big-usr-share|hardening-no-bindnow|hardening-no-fortify-functions'
grep -E '^[A-MO-Z]: ' "$E2E_TMP/lintian.txt" | grep -Ev "^[A-Z]: kedoozle: ($explained) " >"$E2E_TMP/lintian.unexplained" || true
[ ! -s "$E2E_TMP/lintian.unexplained" ] || { cat "$E2E_TMP/lintian.unexplained" >&2; fail "lintian reports what is not explained"; }
! grep -q '^[EW]: ' "$E2E_TMP/lintian.txt" || fail "lintian reports an error or a warning"

# What the desktop reads from the package passes its validators.
dpkg-deb -x "$deb" "$E2E_TMP/root"
desktop-file-validate "$E2E_TMP/root/usr/share/applications/org.kedoozle.Kedoozle.desktop" || fail "the menu entry does not validate"
appstreamcli validate --no-net "$E2E_TMP/root/usr/share/metainfo/org.kedoozle.Kedoozle.metainfo.xml" >"$E2E_TMP/appstream.log" 2>&1 ||
  { cat "$E2E_TMP/appstream.log" >&2; fail "the metainfo does not validate"; }
readelf -d "$E2E_TMP/root/usr/lib/kedoozle/Kedoozle" | grep -q 'R.*PATH.*\[\$ORIGIN\]' || fail "the program does not find its lock library"

if [ "${KD_SYSTEM_INSTALL_TEST:-0}" != 1 ]; then
  echo "PASS (the system-wide install runs with KD_SYSTEM_INSTALL_TEST=1)"
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq --reinstall "$deb" >"$E2E_TMP/apt.log" 2>&1 || { cat "$E2E_TMP/apt.log" >&2; fail "apt-get install failed"; }
trap '$sudo apt-get purge -y -qq kedoozle >/dev/null 2>&1 || true; e2e_cleanup' EXIT
[ -x /usr/bin/kedoozle ] || fail "no /usr/bin/kedoozle after installing"
[ "$(man -w kedoozle 2>/dev/null)" = /usr/share/man/man1/kedoozle.1.gz ] || fail "man kedoozle does not find section 1"
etc_before=$(md5sum /etc/kedoozle/Kedoozle.ini)

# An ordinary user starts it from the menu's command; the superuser plays as nobody.
home=$E2E_TMP/home
mkdir -p "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  chmod 755 "$E2E_TMP"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
start_x 1024x768
(cd "$home" && HOME=$home XDG_CONFIG_HOME= SDL_AUDIODRIVER=dummy exec "${as_user[@]}" /usr/bin/kedoozle \
   >"$E2E_TMP/program.log" 2>&1) &
KD_PID=$!
E2E_PIDS+=($KD_PID)
wait_for_main_window
xdotool key a s d
wait_for_drawing "$E2E_TMP/started.png" "$E2E_TMP/drawn.png" || fail "the installed program does not draw"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the installed program exited with $(cat "$E2E_TMP/status")"
grep -q '^Pictures=Pictures.dll' "$home/.config/kedoozle/Kedoozle.ini" 2>/dev/null ||
  fail "no settings in the user's ~/.config/kedoozle"
[ "$(md5sum /etc/kedoozle/Kedoozle.ini)" = "$etc_before" ] || fail "the user's game changed /etc/kedoozle/Kedoozle.ini"
echo "PASS"
