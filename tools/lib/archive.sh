# SPDX-License-Identifier: MIT
# Sourced by the build scripts: the zip that a program goes out in, with its Bulgarian read-me.

# Writes ZIP with the given files and folders and README.txt, made from README with CR LF line
# ends and a byte order mark, so that every Notepad shows its Cyrillic text right.
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
    rm -rf "$staging"
}
