"""What a screen reader gets from the running program, read over AT-SPI: the roles and names of
the main window, the editor and the Project Properties dialog, the editor's states and text, and
the caret events while the user types. Prints one line per fault; exits 1 if there was any."""
import subprocess
import sys
import threading
import time

import pyatspi

faults = []


def check(ok, what):
    if not ok:
        faults.append(what)


def app():
    for _ in range(150):
        for candidate in pyatspi.Registry.getDesktop(0):
            if candidate is not None and candidate.name == "Larkspan":
                return candidate
        time.sleep(0.1)
    sys.exit("FAIL: Larkspan is not on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(root, role, name=None):
    for node in walk(root):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    time.sleep(0.6)


heard = []
pyatspi.Registry.registerEventListener(
    lambda event: heard.append((event.source.name, event.detail1)), "object:text-caret-moved")

def drive():
    try:
        key("Return")  # the splash's panel has the focus
        root = app()
        time.sleep(1.0)
        editor = find(root, "text", "Editor: C File - Larkspan")
        check(editor is not None, "no editor named after its document")
        if editor is not None:
            states = editor.getState()
            for state in (pyatspi.STATE_EDITABLE, pyatspi.STATE_MULTI_LINE, pyatspi.STATE_FOCUSED):
                check(states.contains(state), "editor lacks " + pyatspi.stateToString(state))
            check("EditableText" in pyatspi.listInterfaces(editor), "editor not editable text")
            subprocess.run(["xdotool", "type", "--delay", "60", "int x;"], check=True)
            time.sleep(0.8)
            check(editor.queryText().getText(0, -1) == "int x;", "editor text differs")
            check(editor.queryText().caretOffset == 6, "caret offset not 6")
            # A character outside the BMP counts as one; Qt's bridge cuts the text in UTF-16.
            editor.queryEditableText().insertText(0, "/*\U0001F600*/", 6)
            key("Left")
            text = editor.queryText()
            found = (text.characterCount, text.getText(2, 3), text.getText(5, 11), text.caretOffset)
            check(found == (11, "\U0001F600", "int x;", 10), "past an emoji: %r" % (found,))
        for node in walk(root):
            name = node.name or ""
            check("&" not in name and name == name.strip(), "unclean name %r" % name)
        # View > Project Explorer, then its pop-up's Project Properties, all by keys.
        key("alt+v", "p")
        key("Tab", "shift+F10", "p")
        time.sleep(0.8)
        dialog = find(root, "dialog", "Project Properties")
        explorer = find(root, "frame", "Project Explorer")
        check(explorer is not None, "the Project Explorer is not a frame")
        check(dialog is not None, "Project Properties is not a dialog")
        radios = [n for n in walk(root) if n.getRoleName() == "radio button"]
        check(len(radios) == 2, "%d radio buttons, not 2" % len(radios))
        check(not [n for n in walk(root) if n.getRoleName() == "check box"], "check boxes")
    except Exception as error:  # a fault in the client is a failure too
        faults.append("client: %r" % error)
    finally:
        pyatspi.Registry.stop()


threading.Thread(target=drive).start()
pyatspi.Registry.start()
offsets = [offset for source, offset in heard if source == "Editor: C File - Larkspan"]
check(offsets[-8:] == [1, 2, 3, 4, 5, 6, 11, 10], "caret events while typing: %r" % offsets)
for fault in faults:
    print("FAIL:", fault)
print("%d faults" % len(faults))
sys.exit(1 if faults else 0)
