#!/usr/bin/python3
"""What the desktop tells of the running program, for desktop_e2e.sh.

  desktop_checks.py names <application>
      over AT-SPI, as a screen reader hears it: the name of every text box
      in reading order, one a line, then "focus: " and the focused control's
      name.
  desktop_checks.py icon <window id> <png>
      exits 0 if the window's _NET_WM_ICON holds that picture, at its size.
  desktop_checks.py at <application> <accessible name>
      prints "x y", the screen position of the middle of the first control
      of that name, for a click where a user would click.
  desktop_checks.py focus <application> <accessible name>
      gives that control the keyboard focus.
  desktop_checks.py shown <application> <accessible name>
      exits 0 if that control is on screen, 1 if it is hidden or absent.
  desktop_checks.py focused <application>
      prints the name of the control that has the keyboard focus.
  desktop_checks.py starting <application> <text>
      prints the name of the first control whose name starts with that
      text, as a screen reader would read it.
  desktop_checks.py text <application> <accessible name>
      prints the text that control holds (a box's contents).

Runs with Debian's /usr/bin/python3, which has python3-pyatspi.
"""
import subprocess
import sys


def names(application):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    apps = [a for a in desktop if a is not None and a.name == application]
    if not apps:
        return 1
    boxes, focus = [], ""

    def walk(node):
        nonlocal focus
        role = node.getRole()
        if role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            boxes.append(node.name)
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            focus = node.name
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child)

    walk(apps[0])
    print("\n".join(boxes))
    print("focus: " + focus)
    return 0


def find(application, name):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    apps = [a for a in desktop if a is not None and a.name == application]

    def walk(node):
        if node.name == name:
            return node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            found = walk(child) if child is not None else None
            if found is not None:
                return found
        return None

    for app in apps:
        found = walk(app)
        if found is not None:
            return found
    return None


def at(application, name):
    import pyatspi

    control = find(application, name)
    if control is None:
        print(f"no control named {name!r}", file=sys.stderr)
        return 1
    box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(box.x + box.width // 2, box.y + box.height // 2)
    return 0


def focus(application, name):
    control = find(application, name)
    if control is None or not control.queryComponent().grabFocus():
        print(f"cannot focus {name!r}", file=sys.stderr)
        return 1
    return 0


def shown(application, name):
    import pyatspi

    control = find(application, name)
    return 0 if control is not None and control.getState().contains(pyatspi.STATE_SHOWING) else 1


def walk_all(application):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    stack = [a for a in desktop if a is not None and a.name == application]
    while stack:
        node = stack.pop()
        yield node
        for i in range(node.childCount - 1, -1, -1):
            child = node.getChildAtIndex(i)
            if child is not None:
                stack.append(child)


def focused(application):
    import pyatspi

    # Qt marks the current item of every list "focused", whether or not its
    # list has the keyboard: an item counts only when its list has it.
    items = (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)
    for node in walk_all(application):
        if not node.getState().contains(pyatspi.STATE_FOCUSED):
            continue
        if node.getRole() in items and not (
                node.parent is not None and node.parent.getState().contains(pyatspi.STATE_FOCUSED)):
            continue
        print(node.name)
        return 0
    return 1


def starting(application, text):
    for node in walk_all(application):
        if node.name and node.name.startswith(text):
            print(node.name)
            return 0
    return 1


def text(application, name):
    control = find(application, name)
    if control is None:
        print(f"no control named {name!r}", file=sys.stderr)
        return 1
    held = control.queryText()
    print(held.getText(0, held.characterCount))
    return 0


def icon(window, png):
    said = subprocess.run(["xprop", "-id", window, "-notype", "32c", "_NET_WM_ICON"],
                          capture_output=True, text=True, check=True).stdout
    values = [int(v) for v in said.split("=", 1)[1].replace(",", " ").split()]
    size = int(subprocess.run(["identify", "-format", "%w", png], capture_output=True,
                              text=True, check=True).stdout)
    rgba = subprocess.run(["convert", png, "-depth", "8", "RGBA:-"], capture_output=True,
                          check=True).stdout
    i = 0
    while i + 2 <= len(values):
        width, height = values[i], values[i + 1]
        pixels = values[i + 2:i + 2 + width * height]
        i += 2 + width * height
        if (width, height) != (size, size):
            continue
        for n, argb in enumerate(pixels):
            r, g, b, a = rgba[4 * n:4 * n + 4]
            theirs = ((argb >> 16) & 255, (argb >> 8) & 255, argb & 255, (argb >> 24) & 255)
            # Colour is moot where the picture is transparent.
            if abs(theirs[3] - a) > 2 or (a > 16 and any(
                    abs(x - y) > 4 for x, y in zip(theirs[:3], (r, g, b)))):
                print(f"pixel {n}: {theirs} where the picture has {(r, g, b, a)}")
                return 1
        return 0
    print(f"no {size}x{size} icon on the window")
    return 1


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "names":
        sys.exit(names(sys.argv[2]))
    if len(sys.argv) == 4 and sys.argv[1] == "icon":
        sys.exit(icon(sys.argv[2], sys.argv[3]))
    if len(sys.argv) == 4 and sys.argv[1] == "at":
        sys.exit(at(sys.argv[2], sys.argv[3]))
    if len(sys.argv) == 4 and sys.argv[1] == "focus":
        sys.exit(focus(sys.argv[2], sys.argv[3]))
    if len(sys.argv) == 4 and sys.argv[1] == "shown":
        sys.exit(shown(sys.argv[2], sys.argv[3]))
    if len(sys.argv) == 3 and sys.argv[1] == "focused":
        sys.exit(focused(sys.argv[2]))
    if len(sys.argv) == 4 and sys.argv[1] == "starting":
        sys.exit(starting(sys.argv[2], sys.argv[3]))
    if len(sys.argv) == 4 and sys.argv[1] == "text":
        sys.exit(text(sys.argv[2], sys.argv[3]))
    sys.exit(__doc__)
