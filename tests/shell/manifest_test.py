#!/usr/bin/env python3
"""manifest_test.py VelmoraRadio.exe

The manifest the built program carries, read from its resources as Windows
reads it: it names Windows 7, 8, 8.1 and 10/11 as supported, so version
queries tell the truth, and asks for per-monitor DPI awareness (version 2
first), so Windows leaves the scaling to the player. Prints what it missed.
"""

import sys
import xml.etree.ElementTree as ElementTree

SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"


def manifest_of(program):
    """The one manifest in the program's resources, as stored there."""
    with open(program, "rb") as file:
        data = file.read()
    end = data.find(b"</assembly>")
    start = data.rfind(b"<?xml", 0, end)
    if start < 0 or end < 0 or data.find(b"</assembly>", end + 1) >= 0:
        return None
    return ElementTree.fromstring(data[start:end + len(b"</assembly>")])


def main(program):
    manifest = manifest_of(program)
    if manifest is None:
        print(f"no single manifest in {program}")
        return 1
    missing = []
    named = {element.get("Id", "").lower()
             for element in manifest.iter(COMPATIBILITY + "supportedOS")}
    missing += [f"supportedOS {name} {guid}" for guid, name in SUPPORTED_OS.items()
                if guid not in named]
    awareness = [element.text or ""
                 for element in manifest.iter(WINDOWS_SETTINGS_2016 + "dpiAwareness")]
    first_choice = awareness[0].split(",")[0].strip() if len(awareness) == 1 else ""
    if first_choice != "PerMonitorV2":
        missing.append(f"dpiAwareness PerMonitorV2 first (saw {awareness})")
    for what in missing:
        print(f"the manifest lacks {what}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
