#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Makes the web app's folder for a school's web site, and the same folder as one zip: the
site's page, the manifest (written by the manifest program under node), the icons, and the
worker that keeps them all for use with no network, under a cache named by the release: its
version and a digest of the files it keeps. Every file carries the release's time (EPOCH,
seconds), in the folder and in the zip, which unzip and Windows Explorer restore: a web server
then tells each release's files from the last by their time, as it tells the browser's
update check, whatever their sizes. The zip's bytes depend on its files and that time alone.

    make_site.py NODE MANIFEST_PROGRAM NAME SHORT_NAME DESCRIPTION VERSION WORKER ICONS EPOCH
                 PAGE FOLDER ZIP
"""
import hashlib
import json
import os
import pathlib
import shutil
import subprocess
import sys
import time
import zipfile

# The first time a zip entry can carry.
ZIP_EPOCH = 315532800  # 1980-01-01


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
    template, icons = pathlib.Path(sys.argv[7]), pathlib.Path(sys.argv[8])
    # In whole seconds of two, as a zip keeps them, so that the folder's times are the zip's.
    epoch = max(int(sys.argv[9]), ZIP_EPOCH) // 2 * 2
    page, folder, archive = (pathlib.Path(arg) for arg in sys.argv[10:13])
    files = site_files(node, manifest_program, (name, short_name, description), page, icons)
    files["service-worker.js"] = worker(template, version, files)
    shutil.rmtree(folder, ignore_errors=True)
    with zipfile.ZipFile(archive, "w") as out:
        for entry in sorted(files):
            path = folder / entry
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(files[entry])
            os.utime(path, (epoch, epoch))
            info = zipfile.ZipInfo(f"{folder.name}/{entry}", time.gmtime(epoch)[:6])
            info.external_attr = 0o644 << 16
            out.writestr(info, files[entry], compress_type=zipfile.ZIP_DEFLATED,
                         compresslevel=9)


if __name__ == "__main__":
    main()
