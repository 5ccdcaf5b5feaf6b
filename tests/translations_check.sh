#!/usr/bin/env bash
# translations_check.sh LUPDATE SOURCE_DIR: every text of the sources has a finished
# translation in each catalogue, no catalogue keeps a text the sources no longer have, and the
# English one holds no Cyrillic letter.
set -euo pipefail
lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for catalogue in "$source"/translations/orvanta_*.ts; do
    name=$(basename "$catalogue")
    language=${name#orvanta_}
    language=${language%.ts}
    cp "$catalogue" "$work/$name"
    "$lupdate" -silent -no-obsolete -locations none -source-language ru -target-language "$language" \
        "$source/src" -ts "$work/$name"
    if ! cmp -s "$catalogue" "$work/$name"; then
        echo "$name does not match the sources (run lupdate and translate what it marks):"
        diff "$catalogue" "$work/$name" | head -40
        failed=1
    fi
    if grep -q 'type="unfinished"' "$work/$name"; then
        echo "$name has unfinished entries:"
        grep -B3 'type="unfinished"' "$work/$name" | head -40
        failed=1
    fi
done
# The help texts are English in the sources: any other catalogue that gives them back unchanged
# has not translated them.
for catalogue in "$source"/translations/orvanta_*.ts; do
    name=$(basename "$catalogue")
    [ "$name" = orvanta_en.ts ] && continue
    untranslated=$(awk '/<source>Usage: / { source = $0; inside = 1; next }
        inside && /<translation>Usage: / { print source }
        /<\/translation>/ { inside = 0 }' "$catalogue")
    if [ -n "$untranslated" ]; then
        echo "$name gives help texts back in English:"
        echo "$untranslated"
        failed=1
    fi
done
english=$(awk '/<translation/ { inside = 1 } inside { print } /<\/translation>/ { inside = 0 }' \
    "$source/translations/orvanta_en.ts" |
    LC_ALL=C.UTF-8 grep -P '\p{Cyrillic}' || true)
if [ -n "$english" ]; then
    echo "orvanta_en.ts has Cyrillic in its translations:"
    echo "$english" | head -20
    failed=1
fi
exit $failed
