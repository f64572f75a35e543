#!/usr/bin/env python3
"""What a screen reader hears over AT-SPI, where it really reads the program.

Starts the program on an X server and a D-Bus session of its own (with the
accessibility bus), in Spanish and in English, opens the credits and the
"Gráficas" window with their buttons' own "Press" actions, and checks in all
four windows that every control showing a text is named by that text, that
every combo box is named by its label and never by its value, and that its
value is read from it. Ends the program with "FIN", found by its name.

usage: atspi_names_test.py PROGRAM CATALOGUE.ts
Exit 77 (skipped) when Xvfb, xauth, dbus-run-session or pyatspi is missing.
"""
import os
import shutil
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

SKIP = 77
WITH_XVFB = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "with-xvfb.sh")

# (window, role, texts): the texts, joined, are what the control shows, by
# their catalogue context. "exact" names must be the text and nothing more.
WINDOWS = {"TForm1": "Tarvelo", "TFormCPanel": "Panel de Control", "TForm3": "Autores",
           "GraphsWindow": "Gráficas"}
SHOWN = [
    ("TForm1", "push button", ["CPanel"], False),
    ("TForm1", "push button", ["Información"], False),
    ("TForm1", "push button", ["Gráficas"], False),
    ("TForm1", "push button", ["FIN"], False),
    ("TForm1", "push button", ["Giro"], False),
    ("TForm1", "push button", ["Zoom"], False),
    ("TForm1", "radio button", ["Animación"], False),
    ("TForm1", "radio button", ["Stop"], False),
    ("TForm1", "combo box", ["OpenGL"], True),
    ("TForm1", "combo box", ["EJES"], True),
    ("TFormCPanel", "combo box", ["Dibuja ", "Velocidades"], True),
    ("TFormCPanel", "combo box", ["Colisiones"], True),
    ("TForm3", "push button", ["Grupo"], False),
    ("GraphsWindow", "push button", ["Exportar CSV"], False),
    ("GraphsWindow", "chart", ["Presión"], False),
    ("GraphsWindow", "chart", ["Temperatura"], False),
    ("GraphsWindow", "chart", ["Energía"], False),
]


def catalogue(path):
    """(context, Spanish text) -> English text."""
    english = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            english[(name, message.findtext("source"))] = message.findtext("translation")
    return english


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def wait_for(what, find, seconds=20, proc=None):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if proc is not None and proc.poll() is not None:
            raise AssertionError("the program ended (%d) before %s" % (proc.returncode, what))
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    raise AssertionError("never appeared: " + what)


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    assert "Press" in names, "%r has no Press action: %r" % (acc.name, names)
    action.doAction(names.index("Press"))


def check_language(pyatspi, program, english, language):
    tr = (lambda context, text: text) if language == "es" else \
        (lambda context, text: english[(context, text)])
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    proc = subprocess.Popen([program, "--lang", language], env=env)
    failures = []
    try:
        def application():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "Molvix":
                    return app
            return None

        def window(context):
            title = tr(context, WINDOWS[context])
            app = wait_for("the application", application, proc=proc)
            for i in range(app.childCount):
                top = app.getChildAtIndex(i)
                if top is not None and top.name == title:
                    return top
            return None

        main = wait_for("the main window", lambda: window("TForm1"), proc=proc)
        # The two windows hidden at start, opened as a screen reader user would.
        for button in ("Información", "Gráficas"):
            press(wait_for(button, lambda: next(
                (a for a in walk(main) if a.name == tr("TForm1", button)
                 and a.getRoleName() == "push button"), None)))
        windows = {c: wait_for(WINDOWS[c], lambda c=c: window(c)) for c in WINDOWS}

        for context, role, texts, exact in SHOWN:
            shown = " ".join("".join(tr(context, t) for t in texts).split())
            named = [a.name for a in walk(windows[context]) if a.getRoleName() == role]
            ok = shown in named if exact else any(n.startswith(shown) for n in named)
            if not ok:
                failures.append("%s: no %s named %s%r among %r"
                                % (language, role, "" if exact else "from ", shown, named))

        combos = [a for w in windows.values() for a in walk(w) if a.getRoleName() == "combo box"]
        if len(combos) < 5:
            failures.append("%s: only %d combo boxes" % (language, len(combos)))
        for combo in combos:
            items = [a.name for a in walk(combo) if a.getRoleName() == "list item"]
            field = [a for a in walk(combo) if a.getRoleName() == "text"]
            value = field[0].queryText().getText(0, -1) if field else None
            if not combo.name or combo.name in items:
                failures.append("%s: combo box called by its value %r" % (language, combo.name))
            if value not in items:
                failures.append("%s: combo box %r reads %r, none of %r"
                                % (language, combo.name, value, items))

        fin = next((a for a in walk(main) if a.name == tr("TForm1", "FIN")), None)
        if fin is None:
            failures.append("%s: nothing called %r to end with" % (language, tr("TForm1", "FIN")))
        else:
            press(fin)
            if proc.wait(timeout=20) != 0:
                failures.append("%s: FIN ended with %d" % (language, proc.returncode))
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    return failures


def in_own_session(program, ts):
    """Runs this script again on an X server and a D-Bus session of its own
    (the accessibility bus starts on the session bus when first asked for).
    scripts/with-xvfb.sh gives it a server that picks its own free display
    number, with a cookie of its own, as the suite's other X clients get
    theirs: servers started at the same moment never share a number."""
    env = dict(os.environ, MOLVIX_ATSPI_SESSION="1")
    for name in ("DISPLAY", "XAUTHORITY"):
        env.pop(name, None)
    return subprocess.call([WITH_XVFB, "dbus-run-session", "--", sys.executable, __file__, program, ts],
                           env=env)


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, ts = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    if os.environ.get("MOLVIX_ATSPI_SESSION") != "1":
        missing = [t for t in ("Xvfb", "xauth", "mcookie", "dbus-run-session") if shutil.which(t) is None]
        try:
            import pyatspi  # noqa: F401
        except ImportError:
            missing.append("pyatspi for " + sys.executable)
        if missing:
            print("skipped: no " + ", ".join(missing))
            return SKIP
        return in_own_session(program, ts)
    import pyatspi
    english = catalogue(ts)
    failures = check_language(pyatspi, program, english, "es")
    failures += check_language(pyatspi, program, english, "en")
    for failure in failures:
        print("FAIL " + failure)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
