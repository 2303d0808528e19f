"""The resource script lines for the picture files: art/shared.rc (icon and cursor, included
by src/res/qope.rc) and one list of bitmaps per window, included by that window's script:
art/practice.rc (src/app/PracticeDlg.rc), art/lookup.rc (src/lookup/CodeLookupDlg.rc) and
art/rootmaps.rc (src/lookup/RootMapDlg.rc); art/speedtests.rc, the speed tests' landscapes, is
included by src/res/qope.rc."""
from __future__ import annotations

HEADER = """\
// Pictures of Qope, written by tools/art/generate.py: do not edit, regenerate.
// Paths are relative to src/res/, which the resource compiler searches.
"""


def script(bitmaps: list[tuple[str, str]], icons: dict[str, str], cursors: dict[str, str]) -> str:
    """Each argument maps a resource name or number to its file name in art/."""
    lines = [HEADER]
    for rid, path in icons.items():
        lines.append(f'{rid} ICON "art/{path}"\n')
    for rid, path in cursors.items():
        lines.append(f'{rid} CURSOR "art/{path}"\n')
    for name, path in bitmaps:
        lines.append(f'{name} BITMAP "art/{path}"\n')
    return "".join(lines)
