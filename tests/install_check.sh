#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what an installation holds: the
# programs (which answer --version without a display), the menu entry, the icon, the AppStream
# data and the README, the first two validated by their own tools.
#   install_check.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/orvanta-config bin/orvanta-cli bin/orvanta-panel-sim \
    share/applications/org.orvanta.OrvantaConfig.desktop \
    share/icons/hicolor/scalable/apps/org.orvanta.OrvantaConfig.svg \
    share/metainfo/org.orvanta.OrvantaConfig.metainfo.xml share/doc/orvanta-config/README.md \
    share/doc/orvanta-config/copyright share/doc/orvanta-config/changelog.gz \
    share/man/man1/orvanta-config.1.gz share/man/man1/orvanta-cli.1.gz \
    share/man/man1/orvanta-panel-sim.1.gz share/man/ru/man1/orvanta-config.1.gz \
    share/man/ru/man1/orvanta-cli.1.gz share/bash-completion/completions/orvanta-cli; do
    [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/orvanta-config" --version)
[ "$version" = "orvanta-config $(sed -n 's/^project(OrvantaConfig VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")" ] ||
    { echo "version: $version"; exit 1; }
"$prefix/bin/orvanta-cli" --help >/dev/null
# Each page of the programs has its sections, the Russian ones under Russian headings.
for page in orvanta-config orvanta-cli; do
    for wanted in "man1 NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT FILES EXAMPLES" \
        "ru/man1 ИМЯ ОБЗОР ОПИСАНИЕ ПАРАМЕТРЫ ОКРУЖЕНИЕ ФАЙЛЫ ПРИМЕРЫ"; do
        read -r folder sections <<<"$wanted"
        have=$(zcat "$prefix/share/man/$folder/$page.1.gz" | sed -n 's/^\.SH "\?\([^"]*\)"\?$/\1/p' | tr '\n' ' ')
        [ "$have" = "$sections " ] || { echo "$folder/$page sections: $have"; exit 1; }
    done
done
desktop-file-validate "$prefix/share/applications/org.orvanta.OrvantaConfig.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.orvanta.OrvantaConfig.metainfo.xml" >/dev/null
echo "installed and valid: $version"
