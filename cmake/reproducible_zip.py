#!/usr/bin/env python3
"""Writes a zip whose bytes follow from the files alone: each entry dated SOURCE_DATE_EPOCH (the last commit's
time; 1980 without it), in the order given, with no extra fields and the same permissions.
Usage: reproducible_zip.py ZIP FILE..."""
import os
import sys
import time
import zipfile

archive_name, files = sys.argv[1], sys.argv[2:]
stamp = time.gmtime(max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800))[:6]
with zipfile.ZipFile(archive_name, "w") as archive:
    for path in files:
        entry = zipfile.ZipInfo(os.path.basename(path), stamp)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o644 << 16
        with open(path, "rb") as content:
            archive.writestr(entry, content.read())
