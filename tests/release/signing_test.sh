#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Signs a copy of a release with a throwaway self-signed code signing certificate: both
# Windows files must carry a signature that verifies, SHA256SUMS must cover the signed
# files, and without a certificate release files stay unsigned, saying so. A wrong password
# and an osslsigncode that cannot sign must fail, saying why in one line, with nothing signed.
#   signing_test.sh SOURCE_DIR RELEASE_DIST WORK_DIR
set -euo pipefail
source=$1 release=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
cp -r "$release" "$work/signed"
cp -r "$release" "$work/unsigned"

# Whether each Windows file in a copy carries a signature that verifies against the certificate.
expect_signatures() {  # COPY yes|no
  for file in "$work/$1"/*.exe "$work/$1"/*.msi; do
    verified=no
    osslsigncode verify -CAfile "$work/cert.pem" -in "$file" 2>/dev/null |
      grep -q "Signature verification: ok" && verified=yes
    [ "$verified" = "$2" ] || { echo "$file: signature verified $verified, expected $2"; exit 1; }
  done
}

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=voice-types test signer" \
  -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:throwaway \
  -out "$work/signer.p12"

VOICE_TYPES_SIGN_P12=$work/signer.p12 VOICE_TYPES_SIGN_PASSWORD=throwaway \
  "$source/scripts/sign.sh" "$work/signed"
expect_signatures signed yes
(cd "$work/signed" && sha256sum --check --quiet SHA256SUMS)

mkdir -p "$work/failing"
printf '#!/bin/sh\n[ "$1" = sign ] && exit 1\nexec /usr/bin/osslsigncode "$@"\n' >"$work/failing/osslsigncode"
chmod +x "$work/failing/osslsigncode"
for case in "wrong-password|not-the-password|$PATH|VOICE_TYPES_SIGN_PASSWORD is wrong" \
            "cannot-sign|throwaway|$work/failing:$PATH|could not sign"; do
  IFS='|' read -r what password path reason <<<"$case"
  cp -r "$release" "$work/$what"
  status=0
  said=$(VOICE_TYPES_SIGN_P12=$work/signer.p12 VOICE_TYPES_SIGN_PASSWORD=$password PATH=$path \
    "$source/scripts/sign.sh" "$work/$what" 2>&1) || status=$?
  [ "$status" -ne 0 ] && [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] && [[ "$said" == *"$reason"* ]] ||
    { echo "$what: status $status, said: $said"; exit 1; }
  expect_signatures "$what" no
done

message=$(env -u VOICE_TYPES_SIGN_P12 "$source/scripts/sign.sh" "$work/unsigned")
[ "$message" = "Not signed: no code signing certificate given (VOICE_TYPES_SIGN_P12)." ] ||
  { echo "unexpected: $message"; exit 1; }
expect_signatures unsigned no
cmp "$release/SHA256SUMS" "$work/unsigned/SHA256SUMS"
echo "signed and verified, and unsigned without a certificate"
