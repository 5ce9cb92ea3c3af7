"""The main caption's menu labels: their texts in System/menu.xml and their 1-bit masks in
menu_glyphs.txt (written by make_menu_glyphs.py, read by make_frame_images.py).

The mask file is UTF-8 text, one block a label, blocks apart by an empty line:
    label 200 시스템
    ..##....#.....
    (one row of '#' drawn and '.' left a mask row, all rows as long)
Lines starting with '# ' are comments (a mask row has no space). Standard library only.
"""
import os
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
MENU_XML = os.path.join(HERE, "..", "System", "menu.xml")
GLYPHS = os.path.join(HERE, "menu_glyphs.txt")
# The caption's buttons open these menus of the ordinary user, left to right.
MENU_IDS = (200, 201, 202, 203)


def menu_labels(path=MENU_XML):
    """[(id, text)] of the caption's menus, in button order."""
    menus = {}
    for menu in ElementTree.parse(path).getroot().iterfind("NORMAL_USER/MENU"):
        menus[int(menu.get("id", "0"))] = menu.get("text", "")
    missing = [i for i in MENU_IDS if not menus.get(i)]
    if missing:
        raise ValueError("%s: NORMAL_USER has no text for menu %s" % (path, ", ".join(map(str, missing))))
    return [(i, menus[i]) for i in MENU_IDS]


def write_glyphs(path, header, glyphs):
    """glyphs: [(id, text, rows)]; header: comment lines without their '# '."""
    lines = ["# " + line for line in header]
    for menu_id, text, rows in glyphs:
        lines += ["", "label %d %s" % (menu_id, text)] + list(rows)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def read_glyphs(path=GLYPHS):
    """[(id, text, rows)] of the mask file; a malformed file raises ValueError naming the line."""
    glyphs = []
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()

    def fail(number, why):
        raise ValueError("%s line %d: %s" % (path, number, why))

    for number, line in enumerate(lines, 1):
        if not line or line.startswith("# "):
            continue
        if line.startswith("label "):
            parts = line.split(" ", 2)
            if len(parts) != 3 or not parts[1].isdigit() or not parts[2].strip():
                fail(number, "expected 'label <menu id> <text>'")
            glyphs.append((int(parts[1]), parts[2], [], number))
            continue
        if not glyphs:
            fail(number, "a mask row before any 'label' line")
        rows = glyphs[-1][2]
        if set(line) - set("#."):
            fail(number, "a mask row holds only '#' and '.'")
        if rows and len(line) != len(rows[0]):
            fail(number, "row is %d wide, the label's first row %d" % (len(line), len(rows[0])))
        rows.append(line)
    for menu_id, text, rows, number in glyphs:
        if not rows or "#" not in "".join(rows):
            fail(number, "label %s has no drawn pixel" % text)
    return [(menu_id, text, rows) for menu_id, text, rows, _ in glyphs]
