#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Signs the .exe and the .msi in a release folder with Debian's osslsigncode when
# VOICE_TYPES_SIGN_P12 names a PKCS#12 code signing certificate (its password in
# VOICE_TYPES_SIGN_PASSWORD), verifies both signatures against that certificate, and writes
# SHA256SUMS over what is shipped. Without a certificate it says so in one line.
#
#   scripts/sign.sh DIST
set -euo pipefail
dist=$1
fail() { echo "sign.sh: $*" >&2; exit 1; }
if [ -n "${VOICE_TYPES_SIGN_P12:-}" ]; then
  certificate=$(mktemp)
  trap 'rm -f "$certificate" "$dist"/*.signed' EXIT
  openssl pkcs12 -in "$VOICE_TYPES_SIGN_P12" -passin env:VOICE_TYPES_SIGN_PASSWORD -nokeys \
    -out "$certificate" 2>/dev/null ||
    fail "cannot open $VOICE_TYPES_SIGN_P12: not a PKCS#12 file, or VOICE_TYPES_SIGN_PASSWORD is wrong"
  # The name and address the installer was built with.
  property() { msiinfo export "$dist"/*.msi Property | sed -n "s/^$1\t//p" | tr -d '\r'; }
  name=$(property ProductName) homepage=$(property ARPHELPLINK)
  for file in "$dist"/*.exe "$dist"/*.msi; do
    osslsigncode sign -pkcs12 "$VOICE_TYPES_SIGN_P12" -pass "${VOICE_TYPES_SIGN_PASSWORD:-}" \
      -n "$name" -i "$homepage" -h sha256 -in "$file" -out "$file.signed" >/dev/null ||
      fail "osslsigncode could not sign $file"
    mv "$file.signed" "$file"
    osslsigncode verify -CAfile "$certificate" -in "$file" >/dev/null ||
      fail "the signature of $file does not verify"
  done
  echo "Signed, and the signatures verify: the .exe and the .msi."
else
  echo "Not signed: no code signing certificate given (VOICE_TYPES_SIGN_P12)."
fi
(cd "$dist" && sha256sum -- *.msi *.exe *.deb *.html *.zip >SHA256SUMS)
