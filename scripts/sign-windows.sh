#!/usr/bin/env bash
# Signs Windows programs, DLLs and installers in place (Authenticode, SHA-256)
# with osslsigncode and the certificate the environment names:
#   SKYVARRE_SIGN_PKCS12         the PKCS#12 file with the certificate and its key
#   SKYVARRE_SIGN_PASSWORD       its password (may be empty)
#   SKYVARRE_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamping service (optional),
#                                so that the signature outlives the certificate
# Usage: sign-windows.sh FILE...   (scripts/windows.sh and the installer's
# !finalize and !uninstfinalize call it)
set -euo pipefail
: "${SKYVARRE_SIGN_PKCS12:?names no PKCS#12 file}"

options=(sign -pkcs12 "$SKYVARRE_SIGN_PKCS12" -h sha256 -n Skyvarre)
[ -z "${SKYVARRE_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$SKYVARRE_SIGN_TIMESTAMP_URL")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in "$@"; do
    # osslsigncode writes a new file, and never over an existing one.
    signed=$work/$(basename "$file")
    # The password reaches osslsigncode through a pipe, never its command line.
    if ! osslsigncode "${options[@]}" -readpass <(printf '%s' "${SKYVARRE_SIGN_PASSWORD:-}") \
        -in "$file" -out "$signed" >/dev/null; then
        echo "sign-windows: could not sign $file" >&2
        exit 1
    fi
    chmod --reference="$file" "$signed"
    mv "$signed" "$file"
done
