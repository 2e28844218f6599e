"""The desktop program seen and driven from outside, as a user has it.

The program is started the way the README starts it (tools/run-program.sh). Everything
it shows is read from the accessibility tree (AT-SPI), which Qt publishes for every
window; everything a user does is a real X input event sent with XTest through xdotool.
Nothing here calls into the program's objects.
"""

import os
import re
import subprocess
import tempfile
import time
import unittest

import pyatspi

ROOT = os.environ["XM_ROOT"]
BUILD = os.environ["XM_BUILD"]
SHOTS = os.environ.get("XINGMING_SCREENSHOT_DIR")

_wm = None


def _run(*cmd, check=True):
    return subprocess.run([str(c) for c in cmd], check=check, capture_output=True, text=True).stdout


def xdo(*args):
    return _run("xdotool", *args)


def ensure_window_manager():
    """Openbox, so that windows have title bars and focus as on a desktop."""
    global _wm
    if _wm is not None and _wm.poll() is None:
        return
    if subprocess.run(["wmctrl", "-m"], capture_output=True).returncode == 0:
        return  # one is running already (an earlier one still leaving, say)
    def start():
        return subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    _wm = start()
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        if subprocess.run(["wmctrl", "-m"], capture_output=True).returncode == 0:
            return
        if _wm.poll() is not None:
            # It gave up, most likely because an earlier one had not yet let go of the
            # screen when it started: start it again once that one has gone.
            time.sleep(0.2)
            _wm = start()
        time.sleep(0.05)
    raise RuntimeError("the window manager did not start")


def wait_for(what, probe, timeout=15.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(interval)


# --- the accessibility tree -------------------------------------------------------------

def role(acc):
    try:
        return acc.getRoleName()
    except Exception:
        return ""


def name(acc):
    try:
        return acc.name or ""
    except Exception:
        return ""


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def children(acc):
    try:
        n = acc.childCount
    except Exception:
        return []
    out = []
    for i in range(n):
        try:
            c = acc.getChildAtIndex(i)
        except Exception:
            c = None
        if c is not None:
            out.append(c)
    return out


def descendants(acc, visible_only=True, skip_web=True):
    """Every element below acc, in tree order; hidden branches are left out."""
    out = []
    stack = list(reversed(children(acc)))
    while stack:
        a = stack.pop()
        if visible_only and not showing(a):
            continue
        out.append(a)
        if skip_web and role(a) == "document web":
            continue
        stack.extend(reversed(children(a)))
    return out


def text_of(acc):
    """The text a control holds: its text contents where it has them, else its name."""
    try:
        return acc.queryText().getText(0, -1)
    except Exception:
        return name(acc)


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


# --- input ------------------------------------------------------------------------------

def click_at(x, y, button=1):
    xdo("mousemove", "--sync", x, y)
    xdo("click", button)


def click(acc, button=1):
    x, y, w, h = extents(acc)
    assert w > 0 and h > 0, "nothing to click: %s %r" % (role(acc), name(acc))
    click_at(x + w // 2, y + h // 2, button)


def key(*keys):
    xdo("key", "--delay", 20, *keys)


def close_window():
    """Closes the active window as its title bar's close button does (through the window
    manager)."""
    key("alt+F4")


# Keycodes the virtual X server leaves without a symbol; characters that have no key are
# put on them before they are typed, so that the program sees the new keyboard map first.
_SPARE_KEYCODES = [93, 97, 103, 120, 132, 149, 154, 168, 178, 183, 184, 197, 202, 217, 219, 222, 230, 248]


def type_text(text):
    """Types text key by key; characters without a key of their own (Chinese) get one."""
    run = ""
    for ch in text:
        if ord(ch) < 128:
            run += ch
            continue
        if run:
            xdo("type", "--delay", 20, run)
            run = ""
        _type_unmapped(ch)
    if run:
        xdo("type", "--delay", 20, run)


def _type_unmapped(ch):
    sym = "U%04X" % ord(ch)
    code = _SPARE_KEYCODES[ord(ch) % len(_SPARE_KEYCODES)]
    _run("xmodmap", "-e", "keycode %d = %s %s" % (code, sym, sym))
    time.sleep(0.15)
    xdo("key", sym)


def set_selection(text, selection="clipboard"):
    """Puts text on an X selection, owned by xclip (as another program would)."""
    p = subprocess.Popen(["xclip", "-selection", selection, "-loops", "5"], stdin=subprocess.PIPE,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    p.stdin.write(text.encode())
    p.stdin.close()
    time.sleep(0.2)


# --- the program ------------------------------------------------------------------------

class Program:
    """One run of the program, from tools/run-program.sh to its end."""

    def __init__(self):
        ensure_window_manager()
        # A desktop session has a private runtime folder; the virtual one gets its own.
        runtime = tempfile.mkdtemp(prefix="xingming-runtime-")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_RUNTIME_DIR=runtime)
        self.err = tempfile.NamedTemporaryFile(prefix="xingming-stderr-", delete=False)
        self.proc = subprocess.Popen([os.path.join(ROOT, "tools/run-program.sh"), BUILD], env=env,
                                     stdout=subprocess.DEVNULL, stderr=self.err, start_new_session=True)
        self.app = wait_for("the program on the accessibility bus", self._find_app, timeout=30)
        self.main = self.window("姓名测试与取名")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            try:
                if app.get_process_id() == self.proc.pid:
                    return app
            except Exception:
                pass
        self.assert_alive()
        return None

    # Its state.
    def alive(self):
        return self.proc.poll() is None

    def assert_alive(self):
        code = self.proc.poll()
        if code is not None:
            raise AssertionError("the program ended with status %d; standard error:\n%s" % (code, self.stderr()))

    def stderr(self):
        with open(self.err.name, encoding="utf-8", errors="replace") as f:
            return f.read()

    def wait_exit(self, timeout=15):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")

    def close(self):
        if self.alive():
            os.killpg(self.proc.pid, 15)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, 9)
                self.proc.wait()
        os.unlink(self.err.name)

    # Its windows.
    def windows(self):
        return [w for w in children(self.app) if showing(w)]

    def find_window(self, title):
        for w in self.windows():
            if name(w) == title:
                return w
        return None

    def window(self, title, timeout=20):
        """A window by its title, as the accessibility tree and the X server both have it:
        the title on screen is exactly the window's own, with nothing added."""
        w = wait_for("the window %r" % title, lambda: self.assert_alive() or self.find_window(title), timeout)
        wait_for("an X window titled exactly %r" % title, lambda: self.x_windows(title), timeout=5)
        return w

    def x_windows(self, title):
        """The program's mapped X windows whose title (_NET_WM_NAME or WM_NAME) is title."""
        pattern = "^%s$" % re.escape(title)
        return _run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.proc.pid), "--name", pattern,
                    check=False).split()

    def wait_closed(self, title, timeout=15):
        wait_for("the window %r to close" % title, lambda: self.assert_alive() or self.find_window(title) is None,
                 timeout)

    def message(self, timeout=15):
        """The text of the message box now open (title "提示"); closes it with Enter."""
        box = self.window("提示", timeout)
        texts = wait_for("the message's text",
                         lambda: [name(a) for a in descendants(box) if role(a) == "label" and name(a)])
        key("Return")
        self.wait_closed("提示")
        return texts[0]

    def no_message(self, settle=0.4):
        time.sleep(settle)
        self.assert_alive()
        return self.find_window("提示") is None

    # Controls by what a user sees.
    def find(self, window, role_name=None, label=None, visible_only=True):
        out = []
        for a in descendants(window, visible_only):
            if role_name is not None and role(a) != role_name:
                continue
            if label is not None and name(a) != label:
                continue
            out.append(a)
        return out

    def one(self, window, role_name=None, label=None, index=0, timeout=10):
        found = wait_for("%s %r" % (role_name, label),
                         lambda: self.assert_alive() or self.find(window, role_name, label), timeout)
        return found[index]

    def labels(self, window):
        return [name(a) for a in descendants(window) if role(a) == "label"]

    def activate(self, title):
        """Brings a window of the program to the front, as a click on its task bar entry
        does (through the window manager)."""
        ids = self.x_windows(title)
        assert ids, "no window %r on screen" % title
        subprocess.run(["wmctrl", "-i", "-a", ids[0]], check=True)
        time.sleep(0.3)

    def close_by_title_bar(self, title):
        """Clicks the close button at the right end of the window's title bar, which the
        window manager draws (Openbox's default layout ends the bar with it)."""
        ids = self.x_windows(title)
        assert ids, "no window %r on screen" % title
        extents_line = _run("xprop", "-id", ids[0], "_NET_FRAME_EXTENTS")
        left, right, top, bottom = [int(v) for v in extents_line.split("=")[1].split(",")]
        x, y, w, h = extents(self.find_window(title))
        click_at(x + w + right - 11, y - top // 2)

    def toolbar(self, caption):
        click(self.one(self.main, "push button", caption))

    def field(self, window, label):
        """A text box or an editable list, by its accessible name."""
        for a in descendants(window):
            if name(a) == label and role(a) in ("text", "entry"):
                return a
        raise AssertionError("no field %r" % label)

    def fill(self, window, label, text):
        """Clicks into a field, empties it and types text as keys."""
        f = self.field(window, label)
        click(f)
        # Control keys carry character codes the filters refuse; select with the arrows.
        key("End", "shift+Home", "Delete")
        if text:
            type_text(text)

    def value(self, window, label):
        return text_of(self.field(window, label))

    def choose(self, window, caption, index=0):
        click(self.one(window, "radio button", caption, index))

    def press(self, window, caption, index=0):
        click(self.one(window, "push button", caption, index))

    def web_loaded(self, window, timeout=30):
        """Waits until the browser view of window has shown its page (the cover is gone)."""
        wait_for("the page in %r" % name(window),
                 lambda: self.assert_alive() or not self.find(window, "label", "请稍候．．．"), timeout)
        self.assert_alive()

    def screenshot(self, window, file_name):
        if not SHOTS:
            return
        os.makedirs(SHOTS, exist_ok=True)
        x, y, w, h = extents(window)
        xdo("mousemove", "--sync", 0, 0)  # no hover marks in the picture
        time.sleep(0.3)  # let the last paint reach the screen
        _run("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
             os.path.join(SHOTS, file_name))


class ProgramTest(unittest.TestCase):
    """A test with one fresh run of the program; the run must survive every step and
    write nothing to standard error."""

    def setUp(self):
        self.p = Program()
        self.main = self.p.main

    def tearDown(self):
        try:
            # End the run as a user does, so that closing is checked too.
            if self.p.alive() and self.p.find_window("姓名测试与取名") and not self.p.find_window("提示"):
                self.p.activate("姓名测试与取名")
                self.p.toolbar("退出登陆")
                self.assertEqual(self.p.wait_exit(), 0)
            err = self.p.stderr()
            if err:
                self.fail("the program wrote to standard error:\n" + err)
        finally:
            self.p.close()
