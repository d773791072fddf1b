#!/usr/bin/python3
"""End-to-end checks of the real executables on an X server with the openbox window manager.

Run as: e2e.py CASE EXECUTABLE   (inside xvfb-run with a 1920x1080 screen)
Each case starts openbox, starts the program from another directory and drives it with xdotool.
"""
import os
import re
import subprocess
import sys
import threading
import time

TITLE = "2020Pelloria-Brindlecove-By:Tarnwick"


def sh(*args, check=True):
    return subprocess.run(args, check=check, capture_output=True, text=True).stdout


def wait_for(what, probe, timeout=15.0):
    end = time.time() + timeout
    while time.time() < end:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def window_title(win):
    out = sh("xprop", "-id", win, "_NET_WM_NAME", check=False)
    m = re.search(r'= "(.*)"', out)
    return m.group(1) if m else None


def find_window(proc, title):
    """The mapped window of the process with exactly this title (names are compared here, not
    by xdotool's pattern, which depends on the locale)."""
    wins = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)],
                          capture_output=True, text=True).stdout.split()
    for win in wins:
        if window_title(win) == title:
            return win
    return None


def start_window_manager():
    wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    wait_for("the window manager", lambda: "window id #" in
             sh("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
    return wm


def start(exe, env=None):
    # Started from another directory: the program must enter its own.
    proc = subprocess.Popen([exe], cwd="/", stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            text=True, env=env)
    proc.lines = []

    def collect():
        for line in proc.stderr:
            proc.lines.append(line)

    proc.reader = threading.Thread(target=collect, daemon=True)
    proc.reader.start()
    return proc


def finish(proc, timeout=15):
    try:
        proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        raise AssertionError("the program did not end")
    proc.reader.join(5)
    return proc.returncode, "".join(proc.lines)


def geometry(win):
    info = sh("xwininfo", "-id", win)
    get = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
    return get("Absolute upper-left X"), get("Absolute upper-left Y"), get("Width"), get("Height")


def frame_extents(win):
    out = wait_for("frame extents", lambda: re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                                                       sh("xprop", "-id", win, "_NET_FRAME_EXTENTS")))
    return tuple(int(v) for v in out.groups())  # left, right, top, bottom


def check(cond, what):
    if not cond:
        raise AssertionError(what)


def expect_normal_end(proc, exe, how):
    status, err = finish(proc)
    check(status == 0, "%s: exit status %d, wanted 0 (stderr: %s)" % (how, status, err))
    if os.path.basename(exe) == "wufu_probe":
        check(err.count("clean-up routine ran") == 1,
              "%s: the clean-up routine must run exactly once: %r" % (how, err))
        check("current directory: " + os.path.dirname(os.path.realpath(exe)) in err,
              "the program must run in its own directory: %r" % err)


def open_window(exe):
    proc = start(exe)
    win = wait_for("the window", lambda: find_window(proc, TITLE))
    time.sleep(0.3)
    return proc, win


def case_window(exe):
    """Title, client size, centring, fixed frame, icon; Esc ends it with status 0."""
    proc, win = open_window(exe)
    check(sh("xprop", "-id", win, "_NET_WM_NAME").strip().endswith('"%s"' % TITLE), "title")
    x, y, w, h = geometry(win)
    check((w, h) == (744, 432), "client area %dx%d, wanted 744x432" % (w, h))
    left, _, top, _ = frame_extents(win)
    # The outer rectangle starts where the stored 750 x 461 would be centred.
    check((x - left, y - top) == (585, 309), "frame at %d,%d, wanted 585,309" % (x - left, y - top))
    hints = sh("xprop", "-id", win, "WM_NORMAL_HINTS")
    check("minimum size: 744 by 432" in hints and "maximum size: 744 by 432" in hints,
          "the frame must be fixed: " + hints)
    actions = sh("xprop", "-id", win, "_NET_WM_ALLOWED_ACTIONS")
    check("MAXIMIZE" not in actions and "RESIZE" not in actions,
          "no maximize and no resize: " + actions)
    check("MINIMIZE" in actions and "CLOSE" in actions, "minimize and close: " + actions)
    icon = sh("xprop", "-id", win, "-notype", "_NET_WM_ICON")
    check(re.search(r"Icon \(128 x 128\)|128, 128", icon) is not None, "a 128 x 128 icon")
    sh("xdotool", "windowactivate", "--sync", win)
    sh("xdotool", "key", "Escape")
    expect_normal_end(proc, exe, "Esc")


def case_close_button(exe):
    proc, win = open_window(exe)
    x, y, w, _ = geometry(win)
    left, right, top, _ = frame_extents(win)
    # openbox puts the close button at the right end of the title bar.
    sh("xdotool", "mousemove", str(x + w + right - top // 2 - 2), str(y - top // 2), "click", "1")
    expect_normal_end(proc, exe, "close button")


def case_window_menu(exe):
    proc, win = open_window(exe)
    sh("xdotool", "windowactivate", "--sync", win)
    sh("xdotool", "key", "alt+space")
    time.sleep(0.5)
    # The last entry of openbox's window menu is Close.
    sh("xdotool", "key", "End", "Return")
    expect_normal_end(proc, exe, "window menu")


def case_close_shortcut(exe):
    proc, win = open_window(exe)
    sh("xdotool", "windowactivate", "--sync", win)
    sh("xdotool", "key", "alt+F4")
    expect_normal_end(proc, exe, "the window manager's close shortcut")


def case_all_pages(exe):
    """A whole session: every tab clicked in turn, back to the first, then Esc."""
    proc, win = open_window(exe)
    x, y, _, _ = geometry(win)
    # The probe reports its tabs on standard error.
    def reported():
        found = {}
        for m in re.finditer(r"tab (\d+): (-?\d+) (-?\d+) (\d+) (\d+)", "".join(proc.lines)):
            found[int(m.group(1))] = tuple(int(v) for v in m.groups()[1:])
        return found if len(found) == 9 else None
    tabs = wait_for("the tabs", reported, timeout=10)
    check(len(tabs) == 9, "the probe reports nine tabs: %r" % tabs)
    for page in list(range(9)) + [0]:
        tx, ty, tw, th = tabs[page]
        sh("xdotool", "mousemove", str(x + tx + tw // 2), str(y + ty + th // 2), "click", "1")
        time.sleep(0.3)
        check(proc.poll() is None, "the program ended on page %d" % page)
    sh("xdotool", "windowactivate", "--sync", win)
    sh("xdotool", "key", "Escape")
    expect_normal_end(proc, exe, "Esc after every page")


def fatal(exe):
    proc = start(exe)
    box = wait_for("the error box", lambda: find_window(proc, "错误"))
    check(find_window(proc, TITLE) is None, "no window before the report")
    time.sleep(0.3)
    sh("xdotool", "windowactivate", "--sync", box)
    sh("xdotool", "key", "Return")
    status, err = finish(proc)
    check(status == 255, "exit status %d, wanted -1 (255)" % status)
    check("clean-up routine ran" not in err, "the clean-up routine must not run")


def case_fatal(exe):
    """A damaged description: the report box titled 错误, dismissed, then status -1."""
    fatal(exe)


def case_no_display(exe):
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("QT_QPA_PLATFORM", None)
    proc = start(exe, env)
    status, err = finish(proc)
    lines = [l for l in err.splitlines() if l.strip()]
    check(status != 0, "without a display the program cannot run")
    check(len(lines) == 1 and "xvfb-run" in lines[0], "one clear line: %r" % err)


def main():
    case, exe = sys.argv[1], os.path.realpath(sys.argv[2])
    wm = None if case == "no_display" else start_window_manager()
    try:
        globals()["case_" + case](exe)
    finally:
        if wm:
            wm.terminate()
    print("e2e %s: passed" % case)


if __name__ == "__main__":
    main()
