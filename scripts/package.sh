#!/usr/bin/env bash
# Builds the Debian package into build-package/, checks it with the desktop, AppStream and
# lintian validators and, when run as root, installs it into a throw-away root and removes it
# again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh dpkg-dev file desktop-file-utils appstream lintian xz-utils
dir=build-package
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j "$(nproc)" --target kovolo kovolo_desktop_files
# Manuals are optional build products: build them when the project has the target.
if cmake --build "$dir" --target help 2>/dev/null | grep -q kovolo_manuals; then
  cmake --build "$dir" -j "$(nproc)" --target kovolo_manuals
fi
(cd "$dir" && rm -f kovolo_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/kovolo_*.deb)
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

status=0
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage/files"
echo "== desktop-file-validate"
desktop-file-validate "$stage"/files/usr/share/applications/*.desktop || status=1
echo "== appstreamcli validate"
appstreamcli validate --no-net "$stage"/files/usr/share/metainfo/*.metainfo.xml || status=1
echo "== lintian (errors fail, warnings are reported)"
lintian --allow-root --tag-display-limit 0 "$deb" | tee "$stage/lintian.txt" || true
if grep -q '^E: ' "$stage/lintian.txt"; then status=1; fi

if [ "$(id -u)" -eq 0 ]; then
  echo "== install into a throw-away root and remove again"
  root="$stage/root"
  mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
  touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
  # The throw-away root has no Qt: only the package's own files are checked there.
  dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" >"$stage/dpkg.log" 2>&1 ||
    { cat "$stage/dpkg.log"; status=1; }
  for f in usr/bin/kovolo usr/share/applications/org.kovolo.Kovolo.desktop \
           usr/share/metainfo/org.kovolo.Kovolo.metainfo.xml \
           usr/share/icons/hicolor/scalable/apps/org.kovolo.Kovolo.svg \
           usr/share/icons/hicolor/48x48/apps/org.kovolo.Kovolo.png \
           usr/share/man/man1/kovolo.1.gz usr/share/doc/kovolo/copyright; do
    [ -e "$root/$f" ] || { echo "missing after install: /$f"; status=1; }
  done
  for f in "$root"/usr/share/kovolo/*.pdf; do
    [ -e "$f" ] && echo "manual: ${f#"$root"}"
  done
  dpkg --root="$root" --force-depends --force-script-chrootless --purge kovolo >>"$stage/dpkg.log" 2>&1 ||
    { cat "$stage/dpkg.log"; status=1; }
  left=$(find "$root" -type f ! -path "$root/var/*" | head -n 5)
  if [ -n "$left" ]; then echo "left after removal: $left"; status=1; fi
  echo "install and removal: done"
fi
[ "$status" -eq 0 ] && echo "package checks passed" || echo "package checks FAILED"
exit "$status"
