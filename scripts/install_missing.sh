#!/usr/bin/env bash
# Installs the named Debian packages that are not installed yet: as root, or
# else through sudo, or su where there is no sudo (a fresh Debian with a root
# password). Only apt-get runs as root. Usage: scripts/install_missing.sh PACKAGE...
set -euo pipefail
missing=()
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -gt 0 ] || exit 0
echo "Installing: ${missing[*]}"
install="apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sh -c "$install"
elif command -v sudo >/dev/null; then
    sudo sh -c "$install"
else
    echo "(as root: the root password, please)"
    su root -c "$install"
fi
