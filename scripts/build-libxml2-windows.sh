#!/usr/bin/env bash
# Builds libxml2 for Windows (MinGW-w64) from Debian's own source package of the version the
# Linux build uses, and installs it as a static library into PREFIX (build/windows-deps/prefix
# unless named), where the windows preset finds it. A prefix that already holds that version is
# kept as it is, so only the first build, or a new libxml2 version, costs the compile.
#
# Options, chosen to match what the bindings rely on from the Linux library:
#   on   the parser, tree, serializer, XPath and the rest of the default feature set; threads
#        (Windows threads); zlib (Debian libz-mingw-w64-dev, linked statically), as the Linux
#        library has it, though the bindings only parse from memory and never inflate anything
#   off  HTTP and FTP: no code that reaches the network is compiled in at all
#   off  iconv and ICU: neither exists for MinGW here, and a build that silently picks up some
#        other converter would read encodings differently. libxml2's built-in tables serve
#        instead: UTF-8, UTF-16, ASCII and ISO-8859-1 to -16. A file declared in another
#        encoding (windows-1252, say) fails to open on Windows with libxml2's "unsupported
#        encoding" error instead of being misread.
#   off  LZMA, Python, the programs, the tests, loadable modules
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
prefix=$(realpath -m "${1:-build/windows-deps/prefix}")
work=$(realpath -m "$prefix/../libxml2-work")

version=$(dpkg-query -W -f='${Version}' libxml2-dev 2>/dev/null) ||
  { echo "build-libxml2-windows: libxml2-dev is not installed (scripts/install-deps.sh)" >&2; exit 1; }
stamp=$prefix/libxml2-version
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then
  echo "build-libxml2-windows: libxml2 $version for Windows already in $prefix"
  exit 0
fi
start=$(date +%s)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# apt-get source needs a deb-src entry for each archive apt installs from. Where none exists,
# one is added beside the deb entries, naming the same archives, suites and components.
sources=$(apt-cache showsrc libxml2 2>/dev/null || true)
if ! grep -qx "Version: $version" <<<"$sources"; then
  echo "build-libxml2-windows: adding deb-src entries for apt-get source"
  shopt -s nullglob
  for list in /etc/apt/sources.list.d/*.sources; do
    [[ $list == */nfse-deb-src-* ]] && continue
    grep -q '^Types:.*deb-src' "$list" && continue
    sed -e 's/^Types: *deb$/Types: deb-src/' "$list" |
      $sudo tee "/etc/apt/sources.list.d/nfse-deb-src-$(basename "$list")" >/dev/null
  done
  for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] || continue
    [[ $list == */nfse-deb-src-* ]] && continue
    grep -q '^deb-src ' "$list" && continue
    sed -n 's/^deb \(.*\)$/deb-src \1/p' "$list" |
      $sudo tee "/etc/apt/sources.list.d/nfse-deb-src-$(basename "$list")" >/dev/null
  done
  $sudo apt-get update -qq
fi

rm -rf "$work" "$prefix"
mkdir -p "$work"
# Unpacked by dpkg-source with Debian's patches applied, as the Linux library was built.
(cd "$work" && apt-get source -qq --only-source "libxml2=$version" 2>&1 |
  grep -v -e '^dpkg-source: info:' -e 'Download is performed unsandboxed' || true)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libxml2-*' | head -n 1)
[ -n "$source_dir" ] && [ -f "$source_dir/CMakeLists.txt" ] ||
  { echo "build-libxml2-windows: apt-get source libxml2=$version gave no source tree" >&2; exit 1; }

cmake -S "$source_dir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DBUILD_SHARED_LIBS=OFF \
  -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF \
  -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_ICU=OFF -DLIBXML2_WITH_ISO8859X=ON \
  -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=ON -DLIBXML2_WITH_THREADS=ON \
  -DLIBXML2_WITH_PYTHON=OFF -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_TESTS=OFF \
  -DLIBXML2_WITH_MODULES=OFF >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
  { tail -n 60 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" --component development >/dev/null
echo "$version" >"$stamp"
rm -rf "$work"
echo "build-libxml2-windows: libxml2 $version built for Windows into $prefix in $(($(date +%s) - start)) s"
