#!/usr/bin/python3
"""Usage: deb_dates.py DEB. Prints every modification time a Debian package carries, once each,
in seconds since 1970: those of its ar members and of every entry of the archives inside."""
import io
import sys
import tarfile

with open(sys.argv[1], "rb") as f:
    deb = f.read()
if deb[:8] != b"!<arch>\n":
    sys.exit("%s: not an ar archive" % sys.argv[1])
times, at = set(), 8
while at + 60 <= len(deb):
    # An ar member's header: name 16, date 12, owner 6, group 6, mode 8, size 10, magic 2.
    header = deb[at:at + 60]
    name, size = header[:16].decode().strip(), int(header[48:58])
    times.add(int(header[16:28]))
    if name.startswith(("control.tar", "data.tar")):
        with tarfile.open(fileobj=io.BytesIO(deb[at + 60:at + 60 + size])) as archive:
            times.update(int(entry.mtime) for entry in archive)
    at += 60 + size + size % 2
print(*sorted(times), sep="\n")
