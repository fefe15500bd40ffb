# SPDX-License-Identifier: MIT
# Sourced by the build scripts: the zip that a program goes out in, with its Bulgarian read-me.

# Writes ZIP with the given files and folders and README.txt, made from README with CR LF line
# ends and a byte order mark, so that every Notepad shows its Cyrillic text right. Its entries
# then get the source's time (SOURCE_DATE_EPOCH, which the caller sets), modes that say only
# whether they run, and the order of their names, so that nothing of the machine or the moment
# that made it is left (Debian's strip-nondeterminism).
zip_with_readme() { # ZIP README FILE...
    local zip
    zip=$(realpath -m "$1")
    local readme=$2
    shift 2
    local staging
    staging=$(mktemp -d)
    cp -r "$@" "$staging/"
    {
        printf '\xef\xbb\xbf'
        sed 's/$/\r/' "$readme"
    } >"$staging/README.txt"
    local names=()
    local file
    for file in "$@"; do
        names+=("$(basename "$file")")
    done
    rm -f "$zip"
    (cd "$staging" && zip -q -X -r "$zip" "${names[@]}" README.txt)
    TZ=UTC strip-nondeterminism --type zip --timestamp "$SOURCE_DATE_EPOCH" "$zip" >/dev/null
    rm -rf "$staging"
}
