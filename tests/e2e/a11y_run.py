#!/usr/bin/python3
"""Does the typical run of the real selector only through the desktop
accessibility bus (AT-SPI), as a screen reader does: controls are found by
role and name, buttons pressed by their action, text typed through the
editable text, list items chosen through the list. On every screen it checks
that each shown control has a name, each push button a Press action, and that
no name stands both on a label and on another control unless the label is that
control's label. Run inside an X server and a private D-Bus session.
Usage: a11y_run.py SELECTOR DATA_DIR [--dump]  (--dump prints each screen's tree)"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

selector, data_dir = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
dump = "--dump" in sys.argv
failures = []


def wait(what, probe, timeout=15.0):
    """The first true answer of probe(), polled; fails the run after timeout seconds."""
    end = time.monotonic() + timeout
    while True:
        # The bus's news (an application arriving, say) reaches the client's
        # cache only through its main loop.
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            answer = probe()
        except (GLib.Error, LookupError):  # an object that went away while it was read
            answer = None
        if answer:
            return answer
        if time.monotonic() > end:
            raise SystemExit(f"FAIL: timed out waiting for {what}")
        time.sleep(0.05)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def children(node):
    return [child for child in node if child is not None]


def shown_tree(node, depth=0):
    """(depth, node) for node and every shown descendant, in reading order."""
    yield depth, node
    for child in children(node):
        if showing(child):
            yield from shown_tree(child, depth + 1)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def labelled(node):
    """What this label labels."""
    return [r.getTarget(i) for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABEL_FOR for i in range(r.getNTargets())]


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def check(window, screen):
    """Checks one window as the bus reports it, and prints it with --dump."""
    if dump:
        print(f"--- {screen}")
    nodes = list(shown_tree(window))
    for depth, node in nodes:
        role, name = node.getRoleName(), node.name
        if dump:
            value = text_of(node)
            shown = f" text={value[:60]!r}" if value not in (None, name) else ""
            about = f" description={node.description!r}" if node.description else ""
            print(f"{'  ' * depth}{role} {name!r} {actions(node)}{about}{shown}")
        if not name and role not in ("panel", "filler") and text_of(node) != "":
            failures.append(f"{screen}: a shown {role} without a name")
        if role == "push button" and "Press" not in actions(node):
            failures.append(f"{screen}: push button {name!r} without a Press action")
    labels = [node for _, node in nodes if node.getRoleName() == "label"]
    for _, node in nodes:
        if node.getRoleName() in ("label", "frame", "dialog", "alert"):
            continue
        for label in labels:
            if label.name == node.name and node not in labelled(label):
                failures.append(f"{screen}: {node.name!r} read twice, as label and as {node.getRoleName()}")


def find(root, role, name=None):
    for _, node in shown_tree(root):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def do(node, action_name):
    names = actions(node)
    if action_name not in names:
        raise SystemExit(f"FAIL: {node.getRoleName()} {node.name!r} has no {action_name} action: {names}")
    node.queryAction().doAction(names.index(action_name))


def windows(app):
    return [w for w in children(app) if showing(w)]


def screen(app, role, title, control=None):
    """The shown window of that role and title (holding a push button named control)."""
    return wait(f"{role} {title!r}", lambda: next(
        (w for w in windows(app) if w.getRoleName() == role and w.name == title
         and (control is None or find(w, "push button", control))), None))


def press(window, name):
    button = find(window, "push button", name)
    if not button:
        raise SystemExit(f"FAIL: no push button {name!r} in {window.name!r}")
    do(button, "Press")


def gone(window):
    try:
        return not showing(window)
    except GLib.Error:
        return True


def choose(lst, item):
    """Selects a list item through the list's Selection interface, or where the
    toolkit has none (Qt before 6.5) through its Table interface."""
    rows = [child.name for child in children(lst)]
    if item not in rows:
        raise SystemExit(f"FAIL: no {item!r} in {lst.name!r}: {rows}")
    try:
        chosen = lst.querySelection().selectChild(rows.index(item))
    except NotImplementedError:
        chosen = lst.queryTable().addRowSelection(rows.index(item))
    if not chosen:
        raise SystemExit(f"FAIL: {lst.name!r} refused to select {item!r}")


def records(name):
    """A data file's records as lists of fields."""
    with open(os.path.join(data_dir, name), encoding="utf-8") as lines:
        return [line.rstrip("\r\n").split("\t" if name[0].isdigit() else ",") for line in lines if line.strip()]


def run(app):
    menu = screen(app, "frame", "Vellimar UPS Selector", "Enter Your Own VA")
    check(menu, "category menu")
    press(menu, "General Computer / Workstation")
    estimator = screen(app, "frame", "General Computer", "Add This System")
    check(estimator, "general computer estimator")
    press(estimator, "Cancel")
    menu = screen(app, "frame", "Vellimar UPS Selector", "Enter Your Own VA")
    press(menu, "Enter Your Own VA")
    box = screen(app, "dialog", "Specify VA")
    check(box, "input box")
    field = find(box, "text", "Enter VA Rating:")
    if not field or not field.queryEditableText().setTextContents("450") or text_of(field) != "450":
        raise SystemExit("FAIL: the input box's text field did not take 450")
    press(box, "OK")

    loads = screen(app, "frame", "Vellimar UPS Selector", "Suggest a UPS")
    press(loads, "Add Another Item")
    press(screen(app, "frame", "Vellimar UPS Selector", "Network Server"), "Network Server")
    picker = screen(app, "frame", "Select Item Category", "Next")
    makers = wait("manufacturers", lambda: find(picker, "list", "1. Select Manufacturer:"))
    maker = children(makers)[0].name
    choose(makers, maker)
    # Its smallest model, so that the total stays within most classes' models.
    va, model = min((int(r[2]), r[1]) for r in records("server.txt") if r[0] == maker)
    models = find(picker, "list", "2. Select Model:")
    wait("the models of " + maker, lambda: model in [child.name for child in children(models)])
    choose(models, model)
    check(picker, "model picker")
    press(picker, "Next")

    loads = screen(app, "frame", "Vellimar UPS Selector", "Suggest a UPS")
    items = find(loads, "list", "List of items to protect")
    wait("both items in the load list", lambda: [c.name for c in children(items)] == [
        "Specific VA:  450", f"{maker} {model}"])
    runtime = find(loads, "combo box")
    do(runtime, "ShowMenu")
    popup = wait("the runtime list", lambda: showing(children(runtime)[0]) and children(runtime)[0])
    do(wait("60 min./ 1 hour", lambda: find(popup, "list item", "60 min./ 1 hour")), "Toggle")
    do(runtime, "Press")
    wait("the runtime chosen", lambda: runtime.name == "Desired runtime" and not showing(popup))
    volt = find(loads, "radio button", "230 Volt")
    do(volt, "Toggle")
    wait("230 Volt chosen", lambda: volt.getState().contains(pyatspi.STATE_CHECKED))
    check(loads, "load list")
    press(loads, "Help")
    alert = screen(app, "alert", "Vellimar UPS Selector")
    check(alert, "message box")
    if not find(alert, "label", "1. Select 120V or 230V\n2. Select desired runtime\n3. Click 'Suggest UPS'"):
        failures.append("message box: its text is not a label of the alert")
    press(alert, "OK")
    wait("the message box closed", lambda: gone(alert))
    press(loads, "Suggest a UPS")

    results = screen(app, "frame", "Selector Results", "Quit Selector")
    check(results, "results")
    pairs = {label.name: target.name for _, label in shown_tree(results)
             if label.getRoleName() == "label" for target in labelled(label)}
    # The models the 230 V table holds for this total at 60 minutes, field 4.
    total = 450 + va
    expected = [r[4] for r in records("230.txt") if int(r[0].split("-")[0]) <= total <= int(r[0].split("-")[1])]
    captions = ["Basic battery backup only", "Basic battery backup with standard interface port",
                "Line interactive with standard interface port", "Line interactive with smart interface port",
                "Line interactive with smart interface port; rackmountable",
                "On-line UPS with smart interface port", "Corehall UPS with smart interface port"]
    if pairs != dict(zip(captions, expected)) or not any(expected):
        failures.append(f"results: class captions and models read as {pairs}, not as {expected}")
    for name, value in (("Total VA", f" {total}"), ("Desired runtime", "60 min./ 1 hour")):
        label = find(results, "label", name)
        if not label or text_of(label) != value:
            failures.append(f"results: {name} reads {label and text_of(label)!r}, not {value!r}")
    # A class with a model: the viewer closes at once on an empty one.
    press(results, "Information about " + next(c for c, m in zip(captions, expected) if m))

    viewer = screen(app, "frame", "Information Viewer", "Back")
    wait("the product information", lambda: text_of(find(viewer, "text", "Product information")))
    check(viewer, "information viewer")
    press(viewer, "Back")
    wait("the viewer closed", lambda: gone(viewer))
    press(results, "Quit Selector")


def main():
    pyatspi.Atspi.set_timeout(5000, 15000)
    # The accessibility bus and its registry first, as on a desktop: Qt joins
    # a bus that is there when it starts, or announced on the session bus.
    desktop = pyatspi.Registry.getDesktop(0)
    wait("the accessibility registry", lambda: desktop.getRoleName() == "desktop frame")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([selector], cwd=data_dir, env=env)
    try:
        def started():
            if program.poll() is not None:
                raise SystemExit(f"FAIL: the selector ended at start with status {program.returncode}")
            return next((a for a in children(desktop) if a.get_process_id() == program.pid), None)
        app = wait("the selector on the accessibility bus", started)
        app.set_cache_mask(pyatspi.Atspi.Cache.NONE)  # read everything afresh, as no events are followed
        run(app)
        status = program.wait(timeout=10)
        if status != 0:
            failures.append(f"the selector ended with status {status} after Quit Selector")
    except SystemExit as stop:
        failures.append(str(stop.code).removeprefix("FAIL: "))
    except subprocess.TimeoutExpired:
        failures.append("the selector was still running 10 s after Quit Selector")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    for failure in failures:
        print("FAIL:", failure)
    print("PASS" if not failures else f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
