# What a screen reader reads from the demo over AT-SPI while a keyboard user works the control.
# Run by run-atspi.sh under Debian's /usr/bin/python3 (pyatspi); prints each failed check.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
events = []
pyatspi.Registry.registerEventListener(events.append, "object:", "window:")
# The demo starts once the listener is registered: Qt's bridge sends only the events that
# listeners ask for, and on a busy machine misses a listener that registers while it starts.
demo = subprocess.Popen(sys.argv[1:])
APP = os.path.basename(sys.argv[1])
# Qt Quick 6.4 tells the same things otherwise than Qt Widgets: no relations (an input is named by
# its label, a combo shows its current item in a text child), no table interface (the headers are
# cells of the list, the selected entry's first cell holds the list's focus), and message boxes
# are dialogs in the window.
QUICK = APP == "vendorpayto-qml-demo"
ALERT = pyatspi.ROLE_DIALOG if QUICK else pyatspi.ROLE_ALERT
CHANGED = ("object:text-changed:insert",) if QUICK else (
    "object:property-change:accessible-name", "object:selection-changed")
INPUTS = (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX)


def pump(seconds=0.3):
    end = time.time() + seconds
    while time.time() < end:
        GLib.MainContext.default().iteration(False) or time.sleep(0.02)


def check(what, got, want):
    if got != want:
        failures.append(what)
        print(f"FAIL {what}: got {got!r}, want {want!r}", flush=True)
    return got == want


def settle(what, get, want, seconds=4):  # events take their time on a busy machine
    end = time.time() + seconds
    while True:
        try:
            got = get()
        except (GLib.GError, AttributeError) as error:  # an object gone meanwhile, or none yet
            got = str(error)
        if got == want or time.time() > end:
            return check(what, got, want)
        pump(0.1)


def find(root, name, role=None):
    return pyatspi.findDescendant(
        root, lambda o: o.name == name and (role is None or o.getRole() == role))


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)
    pump()


def extents(obj):
    return obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def click(obj):
    x, y, w, h = extents(obj)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2),
                    "click", "1"], check=True)
    pump(0.5)


def focused():
    return next((e.source for e in reversed(events)
                 if e.type == "object:state-changed:focused" and e.detail1 == 1), None)


def focus_name():  # a cell by its column
    obj = focused()
    if obj is not None and obj.getRole() == pyatspi.ROLE_TABLE_CELL:
        return ("table cell", column_of(obj))
    return obj and (obj.getRoleName(), obj.name)


def headers():
    if not QUICK:
        return [table.getColumnHeader(i) for i in range(table.nColumns)]
    role = pyatspi.ROLE_TABLE_COLUMN_HEADER
    found = pyatspi.findAllDescendants(tree, lambda o: o.getRole() == role)
    return sorted(found, key=lambda h: extents(h).x)


def column_of(cell):
    if not QUICK:
        return headers()[table.getColumnAtIndex(cell.getIndexInParent())].name
    x = extents(cell).x + extents(cell).width // 2  # the header above the cell
    return next((h.name for h in headers() if extents(h).x <= x < extents(h).x + extents(h).width),
                None)


def cells():
    return [c for c in tree if c.getRole() == pyatspi.ROLE_TABLE_CELL
            and c.getState().contains(pyatspi.STATE_SHOWING)]


def entry(row):  # where the first cell of an entry is among the list's children
    if not QUICK:
        return table.getIndexAt(row % table.nRows, 0)
    firsts = sorted((c for c in cells() if column_of(c) == "Name"), key=lambda c: extents(c).y)
    return firsts[row].getIndexInParent()


def selected_rows():
    if not QUICK:
        return table.nSelectedRows
    return len({extents(c).y for c in cells() if c.getState().contains(pyatspi.STATE_SELECTED)})


def labelled_by(obj):
    return next((r.getTarget(0).name for r in obj.getRelationSet()
                 if r.getRelationType() == pyatspi.RELATION_LABELLED_BY), None)


def shown_item(combo):  # what tells a combo's current item
    return combo[0] if QUICK else combo


def item_of(combo):  # labelled by a relation, a widget combo names its current item (Qt on Linux)
    if QUICK:
        return shown_item(combo).queryText().getText(0, -1) or None
    return combo.name if labelled_by(combo) not in (None, combo.name) else None


def field_of(label):
    if QUICK:
        return pyatspi.findDescendant(
            control, lambda o: o.name == label and o.getRole() in INPUTS)
    return find(control, label, pyatspi.ROLE_LABEL).getRelationSet()[0].getTarget(0)


def grab(obj, *keys):  # Qt's list and combos take the focus from the keyboard only: then keys
    obj.queryComponent().grabFocus()
    pump()
    key(*keys) if keys else None


def focus_list():
    grab(field_of("Name"), "shift+Tab")


def alert_texts():  # its title, its text and its buttons
    alerts = [w for w in (app[0] if QUICK else app) if w.getRole() == ALERT
              and w.getState().contains(pyatspi.STATE_SHOWING)]
    return [o.name for a in alerts for o in [a, *pyatspi.findAllDescendants(a, lambda o: o.name)]]


def answer_alert(title, want):
    settle(f"alert says {want!r}", lambda: {title, want} <= set(alert_texts()), True)
    if QUICK:  # a dialog, not an alert: its text comes with the focus on its default button
        settle(f"alert's button says {want!r}", lambda: focused().description, want)
    key("Return")


def press(name):
    button = find(control, name, pyatspi.ROLE_PUSH_BUTTON)
    grab(button, "space") if check(f"{name} button", bool(button), True) else None


for _ in range(100):  # until the demo is on the bus, shown, and has the keyboard
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == APP), None)
    control = app and find(app, "Vendor pay-to addresses")
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "XKRVendorPayTo.*demo",
                    "windowfocus"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    grab(field_of("Name")) if control else pump(0.1)
    if control and focus_name():
        break
LIST = ("table cell", "Name") if QUICK else ("tree", "Pay-to entries")
tree = find(control, "Pay-to entries", pyatspi.ROLE_TABLE if QUICK else pyatspi.ROLE_TREE)
table = None if QUICK else tree.queryTable()

# Each combo: its label and current item, and what Down changes it to, with an event.
for label, before, start, keys in (
        ("Vendor Term", "Net 30  -  30 days", "Phone 2", ["shift+Tab"]),
        ("State", "Washington", "Postal Code", ["shift+Tab"]),
        ("Country", "USA", "Postal Code", ["shift+Tab", "shift+Tab"])):
    combo = field_of(label)
    check(f"{label} label", labelled_by(combo) or combo.name, label)
    check(f"{label} item", item_of(combo), before)
    grab(field_of(start), *keys)
    del events[:]
    key("Down")
    settle(f"{label} change event", lambda: any(
        e.source == shown_item(combo) and e.type.startswith(CHANGED) for e in events), True)
    settle(f"{label} item changed", lambda: item_of(combo) not in (None, before), True)

# Tab leaves the form at the end of its order, for the host's next control; Shift+Tab comes back.
grab(field_of("Cell"), "Tab")
settle("Tab at the end", focus_name, ("push button", "LetContactAddress"))
key("shift+Tab")
settle("Shift+Tab into the form", focus_name, ("text", "Cell"))

# The list: the columns a person sees, the sort, and a focus only ever on a shown cell.
check("Name required", (field_of("Name").description, field_of("Street2").description),
      ("Required", ""))
check("Active check box", bool(find(control, "Active", pyatspi.ROLE_CHECK_BOX)), True)
check("list columns", [h.name for h in headers()], ["Name", "Serial", "City"])
check("list sort", tree.description.endswith("Sorted by Serial, ascending."), True)
focus_list()
key("Down", "Down")
settle("focus after arrows", focus_name, ("table cell", "Name"))
for sort in ("City, ascending", "City, descending"):
    key("shift+F10")
    items = [key("Down") or focus_name() for _ in range(3)]
    check("sort menu", items, [("menu item", f"Sort by {c}") for c in ("Name", "Serial", "City")])
    key("Return" if items[-1] == ("menu item", "Sort by City") else "Escape")
    settle(f"sorted by {sort}", lambda: tree.description.endswith(f"Sorted by {sort}."), True)
    settle(f"focus after sort by {sort}", focus_name, ("table cell", "Name"))
key("shift+F10")  # the first column is said to be the sort column too
key("Down", "Return")
settle("sorted by Name", lambda: tree.description.rpartition(". ")[2],
       "Sorted by Name, descending.")  # another column keeps the direction

# Add, Escape, Edit, Cancel: the focus lands where the keyboard user can go on.
press("Add")
settle("focus after Add", focus_name, ("text", "Name"))
key("alt+p")  # a label's access key
settle("focus after Alt+P", focus_name, ("text", "Postal Code"))
key("Escape")
settle("focus after Escape", focus_name, LIST)
key("Down")
press("Edit")
settle("focus after Edit", focus_name, ("text", "Name"))
press("Cancel")
settle("focus after Cancel", focus_name, LIST)

# A new entry, deleted again: afterwards nothing is selected, and Down selects the first entry.
press("Add")
for field, typed, keys in (("Name", "New", []), ("Street1", "1 Main", []),
                           ("City", "Tacoma", ["Tab", "Down", "Down", "Tab", "Down"]),
                           ("Serial #", "99", ["shift+Tab"] * 3 + ["Down"])):
    grab(field_of(field))
    subprocess.run(["xdotool", "type", typed], check=True)
    key(*keys) if keys else None
press("Save")
focus_list()
key("End")
press("Delete")
answer_alert("Information Validation", "Do you want to delete the selected Address?")
settle("focus after Delete", focus_name, ("push button", "Add"))
check("selection after Delete", selected_rows(), 0)
focus_list()
key("Down")
settle("Down after Delete", lambda: focused().getIndexInParent(), entry(0))

# The serial box: a move toward a host widget is refused with the focus back in Serial, and
# Cancel always abandons; after a host load in add mode Cancel still works.
key("alt+a")  # a button's access key
settle("focus after Alt+A", focus_name, ("text", "Name"))
grab(field_of("Serial #"))
settle("focus in Serial", focus_name, ("text", "Serial #"))
click(find(app, "GetContactAddress", pyatspi.ROLE_PUSH_BUTTON))
answer_alert("Information Required", "Field Serial # can accept only numbers !")
settle("focus after the serial refusal", focus_name, ("text", "Serial #"))
click(find(control, "Cancel", pyatspi.ROLE_PUSH_BUTTON))
pump(1)
check("Cancel abandons", alert_texts(), [])
press("Add")
click(find(app, "LetContactAddress", pyatspi.ROLE_PUSH_BUTTON))
cancel = find(control, "Cancel", pyatspi.ROLE_PUSH_BUTTON)
check("Cancel after a load", cancel and cancel.getState().contains(pyatspi.STATE_ENABLED), True)
click(cancel)
settle("Cancel works after a load", lambda: bool(find(control, "Add", pyatspi.ROLE_PUSH_BUTTON)),
       True)
focus_list()
key("Up")
settle("Up after a load", lambda: focused().getIndexInParent(), entry(-1))

print(f"{len(failures)} check(s) failed" if failures else "all checks passed")
demo.terminate()
sys.exit(1 if failures else 0)
