# The committed art and sound under game/data, the icons under game/icons (and the contact
# sheet in docs) are what game/art/generate.py makes from the sources: it runs the generator
# into a temporary directory and compares every file byte for byte, both ways. Skipped (exit 77) when the
# art tools are not installed (scripts/install-art-deps.sh).
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

python=/usr/bin/python3
missing=""
command -v rsvg-convert >/dev/null || missing="$missing librsvg2-bin"
"$python" -c 'import numpy' 2>/dev/null || missing="$missing python3-numpy"
"$python" -c 'import cairo' 2>/dev/null || missing="$missing python3-cairo"
fc-match -f '%{family}' 'Comic Neue:bold' 2>/dev/null | grep -q 'Comic Neue' || missing="$missing fonts-comic-neue"
if [ -n "$missing" ]; then
    echo "SKIPPED: the art tools are not installed:$missing (run scripts/install-art-deps.sh)"
    exit 77
fi

nice "$python" "$source_dir/game/art/generate.py" --out "$work/out" >generate.txt 2>&1 ||
    { cat generate.txt; fail "the generator failed"; }

(cd "$source_dir" && find game/data game/icons docs/contact_sheet.png -type f ! -name '.*' | sort) >committed.txt
(cd "$work/out" && find game/data game/icons docs -type f | sort) >generated.txt
diff -u committed.txt generated.txt || fail "the generator makes a different set of files"
while read -r file; do
    cmp -s "$source_dir/$file" "$work/out/$file" ||
        fail "$file differs from what game/art/generate.py makes; run it and commit the result"
done <generated.txt
echo PASS
