#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Makes the web app's folder for a school's web site, and the same folder as one zip: the
site's page, the manifest (written by the manifest program under node), the icons, and the
worker that keeps them all for use with no network, under a cache named by the release: its
version and a digest of the files it keeps. The zip's bytes depend on its files alone.

    make_site.py NODE MANIFEST_PROGRAM NAME SHORT_NAME DESCRIPTION VERSION PAGE WORKER ICONS
                 FOLDER ZIP
"""
import hashlib
import json
import pathlib
import shutil
import subprocess
import sys
import zipfile

# Zip keeps times from 1980 on; none is needed, so every entry gets that first day.
ZIP_TIME = (1980, 1, 1, 0, 0, 0)


def site_files(node, manifest_program, names, page, icons):
    """The page, the manifest, and the icons it names, read from ICONS."""
    manifest = subprocess.run([node, manifest_program, *names], check=True,
                              capture_output=True).stdout
    files = {"index.html": page.read_bytes(), "manifest.webmanifest": manifest}
    for icon in json.loads(manifest)["icons"]:
        files[icon["src"]] = (icons / pathlib.PurePath(icon["src"]).name).read_bytes()
    return files


def worker(template, version, files):
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode() + b"\0" + files[name] + b"\0")
    kept = ["./"] + sorted(files)
    text = template.read_text(encoding="utf-8")
    for marker, value in (("{{{ RELEASE }}}", f"{version}-{digest.hexdigest()[:16]}"),
                          ("{{{ FILES }}}", json.dumps(kept))):
        if text.count(marker) != 1:
            sys.exit(f"{template} must hold {marker} once")
        text = text.replace(marker, value)
    return text.encode("utf-8")


def main():
    node, manifest_program, name, short_name, description, version = sys.argv[1:7]
    page, template, icons, folder, archive = (pathlib.Path(arg) for arg in sys.argv[7:12])
    files = site_files(node, manifest_program, (name, short_name, description), page, icons)
    files["service-worker.js"] = worker(template, version, files)
    shutil.rmtree(folder, ignore_errors=True)
    with zipfile.ZipFile(archive, "w") as out:
        for entry in sorted(files):
            path = folder / entry
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(files[entry])
            info = zipfile.ZipInfo(f"{folder.name}/{entry}", ZIP_TIME)
            info.external_attr = 0o644 << 16
            out.writestr(info, files[entry], compress_type=zipfile.ZIP_DEFLATED,
                         compresslevel=9)


if __name__ == "__main__":
    main()
