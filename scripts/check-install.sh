#!/usr/bin/env bash
# Installs a built tree (build/default unless named) into a temporary prefix and uses it the way
# another project would: builds and runs the examples/ against it through find_package, and runs
# the installed nfse as a script would. Fails when the installed tree names a build path or holds
# tests or test data, when a desktop entry is invalid, when nfse lists wrongly or exits with the
# wrong status, or when the Debian package lacks a program or its runtime dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/default}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() {
  echo "check-install: $*" >&2
  exit 1
}

# Twice: installing over an earlier install is fine.
cmake --install "$build" --prefix "$prefix" >/dev/null
cmake --install "$build" --prefix "$prefix" >/dev/null

grep -rlF -e "$PWD" -e "$build" "$prefix" && fail "the files above name a build path"
find "$prefix" \( -iname '*test*' -o -iname '*bench*' -o -iname '*probe*' -o -iname '*.xml' \) |
  grep . && fail "the files above are tests or test data"
desktop-file-validate "$prefix"/share/applications/*.desktop

cmake -S examples -B "$work/example" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/example" >/dev/null
output=$("$work/example/cancel_request" "$work/request.xml")
grep -qx "CodigoMunicipio: 2927408" <<<"$output" || fail "cancel_request printed: $output"
output=$("$work/example/query_request" "$work/query.xml")
grep -qx "InscricaoMunicipal: 552190" <<<"$output" || fail "query_request printed: $output"

# The installed command line, run as a script runs it: a listing, and the exit statuses of a
# file that cannot be read and of a usage error.
nfse=$prefix/bin/nfse
[ -f "$prefix/share/man/man1/nfse.1" ] || fail "the manual page of nfse is not installed"
[ -f "$prefix/share/bash-completion/completions/nfse" ] || fail "the bash completion of nfse is not installed"
host=$(sed -n 's/^PLATFORM_SCHEMA_HOST:STRING=//p' "$build/CMakeCache.txt")
cat >"$work/response.xml" <<XML
<CancelarNfseResposta xmlns="http://$host/servico_cancelar_nfse_resposta_v03.xsd"
  xmlns:t="http://$host/tipos_v03.xsd"><t:ListaMensagemRetorno><t:MensagemRetorno>
  <t:Codigo>E1</t:Codigo><t:Mensagem>Aviso</t:Mensagem></t:MensagemRetorno></t:ListaMensagemRetorno>
</CancelarNfseResposta>
XML
output=$("$nfse" list "$work/response.xml" </dev/null) || fail "nfse list failed: $output"
grep -qxP "ListaMensagemRetorno/MensagemRetorno\[0\]/Codigo\tE1" <<<"$output" || fail "nfse list printed: $output"
status=0
"$nfse" list "$work/response.xml" "$work/missing.xml" </dev/null >/dev/null 2>"$work/nfse.err" || status=$?
[ $status -eq 1 ] && [ "$(wc -l <"$work/nfse.err")" -eq 1 ] ||
  fail "nfse list with a missing file: status $status, $(cat "$work/nfse.err")"
status=0
"$nfse" list --layout guess "$work/response.xml" </dev/null >/dev/null 2>&1 || status=$?
[ $status -eq 2 ] || fail "nfse with a usage error: status $status"
"$nfse" --help </dev/null | grep -q unwrap || fail "nfse --help does not name unwrap"

(cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(echo "$work"/package/*.deb)
contents=$(dpkg-deb -c "$deb")
for file in bin/tarvel bin/orvane share/applications/tarvel.desktop share/applications/orvane.desktop \
  share/icons/hicolor/scalable/apps/tarvel.svg share/icons/hicolor/scalable/apps/orvane.svg \
  bin/nfse share/man/man1/nfse.1 share/bash-completion/completions/nfse; do
  grep -q " \./usr/$file\$" <<<"$contents" || fail "the Debian package lacks /usr/$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libxml2; do
  grep -q "\b$package\b" <<<"$depends" || fail "the Debian package does not depend on $package"
done
echo "check-install: installed, examples built and run, nfse run, desktop entries valid, $(basename "$deb") complete"
