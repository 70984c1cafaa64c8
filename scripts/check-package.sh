#!/usr/bin/env bash
# Checks the Debian package with the distribution's own tools: the desktop entry
# (desktop-file-validate), the AppStream metainfo (appstreamcli, offline), the package
# (lintian: errors fail, warnings are listed) and both manual pages (man renders them
# without a warning).
#
#   scripts/check-package.sh [PACKAGE.deb]      (default: build/default/ordisan_*.deb)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh lintian appstream desktop-file-utils man-db groff-base

deb=${1:-$(ls build/default/ordisan_*.deb | tail -1)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
passed=0 # a failing check ends the script

echo "== desktop-file-validate"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop
passed=$((passed + 1))

echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic "$work"/root/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$work/root"
passed=$((passed + 2))

echo "== man"
for page in "$work"/root/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings" >&2
    exit 1
  fi
  echo "$(basename "$page"): renders cleanly"
  passed=$((passed + 1))
done

echo "== lintian"
lintian --fail-on error --display-info "$deb"
echo "$deb: no lintian errors"
passed=$((passed + 1))
echo "package: $passed passed, 0 failed"
