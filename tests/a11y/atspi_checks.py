# What a screen reader reads from the demo over AT-SPI while a keyboard user works the control.
# Run by run-atspi.sh under Debian's /usr/bin/python3 (pyatspi); prints each failed check.
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


def click(obj):
    x, y, w, h = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2),
                    "click", "1"], check=True)
    pump(0.5)


def focused():
    return next((e.source for e in reversed(events)
                 if e.type == "object:state-changed:focused" and e.detail1 == 1), None)


def focus_name():  # a cell by its column
    obj = focused()
    if obj is not None and obj.getRole() == pyatspi.ROLE_TABLE_CELL:
        column = table.getColumnAtIndex(obj.getIndexInParent())
        return ("table cell", table.getColumnHeader(column).name)
    return obj and (obj.getRoleName(), obj.name)


def labelled_by(obj):
    return next((r.getTarget(0).name for r in obj.getRelationSet()
                 if r.getRelationType() == pyatspi.RELATION_LABELLED_BY), None)


def item_of(combo):  # labelled by a relation, a combo names its current item (Qt on Linux)
    return combo.name if labelled_by(combo) not in (None, combo.name) else None


def field_of(label):
    return find(control, label, pyatspi.ROLE_LABEL).getRelationSet()[0].getTarget(0)


def grab(obj, *keys):  # Qt's list and combos take the focus from the keyboard only: then keys
    obj.queryComponent().grabFocus()
    pump()
    key(*keys) if keys else None


def focus_list():
    grab(field_of("Name"), "shift+Tab")


def alert_texts():
    alerts = [w for w in app if w.getRole() == pyatspi.ROLE_ALERT]
    return [o.name for a in alerts for o in pyatspi.findAllDescendants(a, lambda o: o.name)]


def answer_alert(want):
    settle(f"alert says {want!r}", lambda: want in alert_texts(), True)
    key("Return")


def press(name):
    button = find(control, name, pyatspi.ROLE_PUSH_BUTTON)
    grab(button, "space") if check(f"{name} button", bool(button), True) else None


for _ in range(100):  # until the demo is on the bus, shown, and has the keyboard
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "vendorpayto-demo"),
               None)
    control = app and find(app, "Vendor pay-to addresses")
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "XKRVendorPayTo demo",
                    "windowfocus"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    grab(field_of("Name")) if control else pump(0.1)
    if control and focus_name():
        break
LIST = ("tree", "Pay-to entries")
tree = find(control, "Pay-to entries", pyatspi.ROLE_TREE)
table = tree.queryTable()

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
    settle(f"{label} change event", lambda: any(e.source == combo and e.type.startswith((
        "object:property-change:accessible-name", "object:selection-changed")) for e in events),
        True)
    settle(f"{label} item changed", lambda: item_of(combo) not in (None, before), True)

# The list: the columns a person sees, the sort, and a focus only ever on a shown cell.
check("Name required", (field_of("Name").description, field_of("Street2").description),
      ("Required", ""))
check("list columns", [table.getColumnHeader(i).name for i in range(table.nColumns)],
      ["Name", "Serial", "City"])
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
answer_alert("Do you want to delete the selected Address?")
settle("focus after Delete", focus_name, ("push button", "Add"))
check("selection after Delete", table.nSelectedRows, 0)
focus_list()
key("Down")
settle("Down after Delete", lambda: focused().getIndexInParent(), table.getIndexAt(0, 0))

# The serial box: a move toward a host widget is refused with the focus back in Serial, and
# Cancel always abandons; after a host load in add mode Cancel still works.
press("Add")
settle("focus after Add", focus_name, ("text", "Name"))
grab(field_of("Serial #"))
settle("focus in Serial", focus_name, ("text", "Serial #"))
click(find(app, "GetContactAddress", pyatspi.ROLE_PUSH_BUTTON))
answer_alert("Field Serial # can accept only numbers !")
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
settle("Up after a load", lambda: focused().getIndexInParent(),
       table.getIndexAt(table.nRows - 1, 0))

print(f"{len(failures)} check(s) failed" if failures else "all checks passed")
demo.terminate()
sys.exit(1 if failures else 0)
