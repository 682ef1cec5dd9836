#!/usr/bin/env bash
# Builds the release files twice from this checkout's files, in two folders
# of different names and depths and minutes apart, and compares them byte for
# byte: the Debian package, and the Windows program, installer and zip. Each
# is built the way the README documents, with nothing set beforehand: the
# file times come from the last commit, as a fresh clone's own build takes
# them. They are built unsigned: signing is the one step whose output
# differs. Where files differ, diffoscope says where.
# Usage: scripts/reproducible.sh   (the test command runs it; needs what
#                                   scripts/install-deps.sh test installs)
set -euo pipefail
cd "$(dirname "$0")/.."
unset SOURCE_DATE_EPOCH SKYVARRE_SIGN_PKCS12

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
release_files=(
    build/release/skyvarre_"$version"_amd64.deb
    build/windows/package/skyvarre-"$version"/skyvarre.exe
    build/windows/skyvarre-"$version"-setup.exe
    build/windows/skyvarre-"$version"-windows-x64.zip
)

# Clones this checkout's history to $1, lays the files git tracks over it
# (with what is changed but not committed yet) with this moment as their
# time, as a checkout gives them, and builds the release files there.
build_in() {
    local tree=$1
    mkdir -p "$(dirname "$tree")"
    git clone --quiet --no-checkout . "$tree"
    git ls-files -z | tar --null -T - -cf - | tar -xmf - -C "$tree"
    (
        cd "$tree"
        cmake --preset release -DSKYVARRE_BUILD_BENCHMARKS=OFF
        cmake --build --preset release -j "$(nproc)"
        (cd build/release && cpack -G DEB)
        bash scripts/windows.sh package
    ) >"$tree.log" 2>&1 || {
        tail -n 30 "$tree.log" >&2
        echo "reproducible: the build in $tree failed" >&2
        exit 1
    }
}

first=$work/first/skyvarre
second=$work/second/a/longer/path/to/the/sources
build_in "$first"
build_in "$second"

differ=0
for file in "${release_files[@]}"; do
    if cmp -s "$first/$file" "$second/$file"; then
        echo "same bytes: $file ($(sha256sum <"$first/$file" | cut -c1-16)…)"
        continue
    fi
    differ=1
    echo "FAIL: $file differs between the two builds" >&2
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$first/$file" "$second/$file" 2>/dev/null | head -n 60 >&2 || true
    fi
done
exit "$differ"
