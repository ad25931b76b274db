#!/usr/bin/env python3
"""End-to-end scenarios for Corvanti-Tarn.exe under Wine.

Each scenario runs the real program in a fresh copy of the install folder and waits on what can
be observed from outside: top-level windows and their styles (through probe.exe), dialog boxes,
the tray icon's existence, process counts and exit codes, files, and the program's diagnostic
trace lines, which Wine prints on its debug channel. Nothing waits on a fixed sleep alone: every
wait polls with a deadline. Every process started here is ended before the script returns."""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time
import traceback

WINDOW_CLASS = "CorvantiTarnGMClass"
EXE = "Corvanti-Tarn.exe"
WM_CLOSE = 0x10
DPI_LEVEL_OFFSET = 0x787  # in the profile record, after config.bin's first-run flag
TRACE_LINE = re.compile(r'OutputDebugStringA "(.*)"\s*$')

DETECTED = "balloon: Info | The system detect the gaming mouse. | 100"
NOT_DETECTED = "balloon: Warning | The system did not detect the gaming mouse! | 100"
DPI_VALUES = {
    1: [600, 800, 1000, 1200, 1600, 2000, 2400, 3200],
    2: [250, 500, 750, 1000, 1250, 1500, 2000, 2500],
    3: [400, 800, 1200, 1600, 2000, 2400, 2800, 3200],
    0: [250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000],
}


class ScenarioFailed(Exception):
    pass


class ScenarioSkipped(Exception):
    pass


NOT_LINKED = "simulated mouse: not linked in this build"


def decode_trace(escaped):
    """Undoes Wine's escaping of a traced string (\\n, \\\\, \\xNN bytes of UTF-8)."""
    raw = bytearray()
    index = 0
    while index < len(escaped):
        char = escaped[index]
        if char == "\\" and index + 1 < len(escaped):
            nxt = escaped[index + 1]
            if nxt == "x" and index + 3 < len(escaped) + 1:
                raw += bytes([int(escaped[index + 2:index + 4], 16)])
                index += 4
                continue
            raw += {"n": b"\n", "t": b"\t", "r": b"\r", "\\": b"\\", '"': b'"'}.get(nxt, nxt.encode())
            index += 2
            continue
        raw += char.encode()
        index += 1
    return raw.decode("utf-8", "replace").rstrip("\n")


class Harness:
    def __init__(self, install, probe, work):
        self.install = install
        self.probe_exe = probe
        self.work = work
        self.running = []
        self.notes = []
        self.env = dict(os.environ)
        self.env["WINEDEBUG"] = "-all,warn+seh"
        self.env.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")

    # --- observation -------------------------------------------------------------------
    def probe(self, *args):
        """One probe run; a run that does not end within its deadline counts as no answer,
        and the polling callers simply ask again."""
        try:
            result = subprocess.run(["wine", self.probe_exe, *[str(a) for a in args]],
                                    capture_output=True, text=True, env=self.env, timeout=10)
        except subprocess.TimeoutExpired:
            self.notes.append("probe %s did not answer within 10 s" % " ".join(map(str, args)))
            return ""
        return result.stdout.replace("\r", "")

    def windows(self):
        found = []
        for line in self.probe("windows", WINDOW_CLASS).splitlines():
            if line.startswith("window="):
                found.append(dict(item.split("=", 1) for item in line.split()))
        return found

    def dialogs(self):
        return self.probe("dialogs")

    def tray_icon_present(self):
        return "icon=1" in self.probe("tray-icon", WINDOW_CLASS)

    def process_count(self):
        match = re.search(r"processes=(\d+)", self.probe("processes", EXE))
        return int(match.group(1)) if match else -1

    def post(self, message, wparam, lparam):
        self.probe("post", WINDOW_CLASS, message, wparam, lparam)

    def open_from_tray(self):
        self.probe("open-from-tray", WINDOW_CLASS)

    def open_tray_menu(self):
        self.probe("open-tray-menu", WINDOW_CLASS)

    def choose_exit(self):
        self.probe("exit", WINDOW_CLASS)

    def screenshot(self, name):
        path = os.path.join(self.work, "screens", name + ".png")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(["import", "-window", "root", path], capture_output=True, timeout=60)
        self.notes.append("screenshot " + path)
        return path

    @staticmethod
    def wait_until(condition, what, timeout=30.0, interval=0.3):
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > deadline:
                raise ScenarioFailed("timed out waiting for " + what)
            time.sleep(interval)

    # --- programs ----------------------------------------------------------------------
    def fresh_copy(self, name):
        folder = os.path.join(self.work, name)
        shutil.rmtree(folder, ignore_errors=True)
        shutil.copytree(self.install, folder)
        return folder

    def start(self, folder, *args):
        program = Program(self, folder, args)
        self.running.append(program)
        return program

    def end_all(self):
        for program in self.running:
            program.end()
        self.running = []


class Program:
    def __init__(self, harness, folder, args):
        self.harness = harness
        self.folder = folder
        index = sum(1 for name in os.listdir(folder) if name.startswith("trace-"))
        self.log_path = os.path.join(folder, "trace-%d.log" % index)
        self.log = open(self.log_path, "wb")
        self.process = subprocess.Popen(["wine", os.path.join(folder, EXE), *args], cwd=folder,
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL, env=harness.env)

    def skip_without_simulated_mouse(self, lines):
        if NOT_LINKED in lines:
            raise ScenarioSkipped("the simulated mouse is not linked in this build")

    def traces(self):
        with open(self.log_path, "rb") as log:
            text = log.read().decode("utf-8", "replace")
        lines = []
        for line in text.splitlines():
            match = TRACE_LINE.search(line)
            if match:
                lines.append(decode_trace(match.group(1)))
        return lines

    def count(self, trace):
        return sum(1 for line in self.traces() if line == trace)

    def wait_trace(self, predicate, what, timeout=30.0):
        def find():
            lines = self.traces()
            self.skip_without_simulated_mouse(lines)
            for line in lines:
                if predicate(line):
                    return line
            return None
        return Harness.wait_until(find, what + " (trace)", timeout)

    def wait_exact(self, trace, times=1, timeout=30.0):
        def seen():
            lines = self.traces()
            self.skip_without_simulated_mouse(lines)
            return sum(1 for line in lines if line == trace) >= times
        return Harness.wait_until(seen, "%r x%d (trace)" % (trace, times), timeout)

    def wait_exit(self, timeout=30.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise ScenarioFailed("the program did not end")

    def end(self):
        if self.process.poll() is None:
            try:
                self.harness.choose_exit()
                self.process.wait(timeout=10)
            except (subprocess.TimeoutExpired, OSError):
                self.process.kill()
                self.process.wait(timeout=10)
        self.log.close()


def expect(condition, message):
    if not condition:
        raise ScenarioFailed(message)


def write_str_ini(folder, lines):
    text = "\r\n".join(lines) + "\r\n"
    with open(os.path.join(folder, "str.ini"), "wb") as file:
        file.write(b"\xff\xfe" + text.encode("utf-16-le"))


def simulated_mouse_args(folder):
    state = os.path.join(folder, "mouse-state.txt")
    return state, ["--simulated-mouse=" + state, "--traffic=" + os.path.join(folder, "traffic.log")]


def wait_started(harness, program):
    program.wait_exact("start-up done")
    return harness.wait_until(harness.windows, "the main window")


# --- scenarios ----------------------------------------------------------------------------
def scenario_start_with_simulated_mouse(harness):
    folder = harness.fresh_copy("simulated-start")
    _, args = simulated_mouse_args(folder)
    program = harness.start(folder, *args)
    program.wait_exact(DETECTED)
    windows = wait_started(harness, program)
    expect(len(windows) == 1, "one main window, found %d" % len(windows))
    window = windows[0]
    harness.wait_until(lambda: harness.windows()[0]["visible"] == "0", "the window to hide")
    expect(window["toolwindow"] == "1" and window["appwindow"] == "0",
           "no task-bar button: %s" % window)
    expect(harness.tray_icon_present(), "the tray icon exists")

    # Opening from the tray shows the window (the page builders draw nothing yet).
    harness.open_from_tray()
    program.wait_exact("window shown")
    harness.wait_until(lambda: harness.windows()[0]["visible"] == "1", "the window to show")
    harness.screenshot("opened-from-tray")


def scenario_second_copy(harness):
    folder = harness.fresh_copy("second-copy")
    program = harness.start(folder)
    program.wait_exact(NOT_DETECTED)
    wait_started(harness, program)
    # A second copy ends at once with code 0 and leaves one process, window and icon.
    second = harness.start(folder)
    code = second.wait_exit(60)
    expect(code == 0, "second copy exit code %s" % code)
    expect(harness.process_count() == 1, "one process left")
    expect(len(harness.windows()) == 1, "one main window left")
    expect(harness.tray_icon_present(), "the first copy's icon remains")
    expect(second.traces() == ["second copy: exit"], "the second copy showed nothing")
    expect(program.count(NOT_DETECTED) == 1, "the first copy showed nothing new")


def scenario_no_mouse(harness):
    folder = harness.fresh_copy("no-mouse")
    program = harness.start(folder)
    program.wait_exact(NOT_DETECTED)
    wait_started(harness, program)
    harness.wait_until(lambda: harness.windows()[0]["visible"] == "0", "the window to hide")
    harness.open_from_tray()
    program.wait_exact(NOT_DETECTED, times=2)
    expect(harness.windows()[0]["visible"] == "0", "the window stays hidden")
    expect(program.count("window shown") == 0, "the window was never shown")
    expect(harness.tray_icon_present(), "the tray icon exists without the mouse")
    # Closing (Alt+F4) only hides: the process and its icon stay.
    harness.post(WM_CLOSE, 0, 0)
    program.wait_exact("window hidden")
    expect(program.process.poll() is None, "the process lives on after WM_CLOSE")
    expect(harness.tray_icon_present(), "the tray icon stays after WM_CLOSE")


def press_dpi_button(state, stage):
    """Asks the simulated mouse to press its DPI button into `stage`: one "code value" line in
    the request file beside its state file, renamed into place so it is never read half
    written."""
    request = state + ".press"
    with open(request + ".tmp", "w") as file:
        file.write("7 %d\n" % stage)
    os.replace(request + ".tmp", request)


def scenario_dpi_button(harness):
    folder = harness.fresh_copy("dpi-button")
    state, args = simulated_mouse_args(folder)
    program = harness.start(folder, *args)
    program.wait_exact(DETECTED)
    wait_started(harness, program)
    # The sensor type is read when the basic page is first built, at start-up with the mouse.
    sensor = program.wait_trace(lambda line: line.startswith("sensor type: "), "sensor type")
    sensor_type = int(sensor.split(": ")[1])
    level = program.wait_trace(lambda line: line.startswith("dpi stage 2 level: "), "level")
    level = int(level.split(": ")[1])
    press_dpi_button(state, 2)
    values = DPI_VALUES.get(sensor_type, DPI_VALUES[0])
    value = str(values[level]) if sensor_type in DPI_VALUES and level < len(values) else ""
    program.wait_exact("balloon: Info | Switch DPI into the second stage %s | 5000" % value)


def scenario_exit_from_tray_menu(harness):
    folder = harness.fresh_copy("tray-exit")
    program = harness.start(folder)
    wait_started(harness, program)
    window = harness.windows()[0]["window"]
    subprocess.run(["xdotool", "mousemove", "600", "500"], capture_output=True)
    harness.open_tray_menu()
    program.wait_exact("tray menu shown")
    harness.screenshot("tray-menu")
    # The menu's one item is chosen with the keyboard; a window manager-less display may not
    # give the menu the focus, so the item's command is posted when the keys did not reach it.
    subprocess.run(["xdotool", "key", "Down", "Return"], capture_output=True)
    try:
        code = program.wait_exit(5)
        harness.notes.append("tray menu: chosen with the keyboard")
    except ScenarioFailed:
        subprocess.run(["xdotool", "key", "Escape"], capture_output=True)
        harness.choose_exit()
        code = program.wait_exit(30)
        harness.notes.append("tray menu: shown; its command was posted")
    expect(code == 0, "exit code %s" % code)
    expect(program.count("tray icon removed") == 1, "the icon was deleted")
    expect(harness.process_count() == 0, "no process left")
    expect("icon=0" in harness.probe("tray-icon", WINDOW_CLASS), "no icon left (%s)" % window)


def scenario_missing_config(harness):
    folder = harness.fresh_copy("missing-config")
    os.remove(os.path.join(folder, "config.bin"))
    program = harness.start(folder)
    dialogs = harness.wait_until(
        lambda: (lambda text: text if "Config file is not exist." in text else None)(
            harness.dialogs()), "the message box")
    harness.screenshot("missing-config")
    caption = re.search(r"dialog caption=(.*)", dialogs).group(1)
    harness.probe("press-ok", caption)
    program.wait_exact("start-up done")
    expect(len(harness.windows()) == 1, "the program runs on")
    expect(program.process.poll() is None, "the process is alive")
    # The factory profile is what the shipped config.bin holds: the DPI levels must match.
    with open(os.path.join(harness.install, "config.bin"), "rb") as file:
        shipped = file.read()
    for stage in range(1, 5):
        level = shipped[1 + DPI_LEVEL_OFFSET + stage - 1]
        expect(program.count("dpi stage %d level: %d" % (stage, level)) == 1,
               "stage %d runs with the factory level %d" % (stage, level))


def scenario_red_300(harness):
    folder = harness.fresh_copy("red-300")
    write_str_ini(folder, ["[Skins]", "Lan=EN", "Path=Default", "RColor=300", "GColor=7",
                           "BColor=256"])
    program = harness.start(folder)
    program.wait_exact("text colour: 44,7,0")


def scenario_resources(harness):
    listing = harness.probe("resources", os.path.join(harness.install, EXE))
    for size, bits in ((16, 32), (24, 32), (32, 32), (48, 24)):
        expect("icon 710: %dx%d@%d" % (size, size, bits) in listing, "icon %d px" % size)
    main = re.search(r"dialog 102: style=(\w+) exstyle=(\w+) size=450x325 class=(\w+) "
                     r"title= font=12:5B8B 4F53", listing)
    expect(main is not None, "the main dialog template: " + listing)
    style = int(main.group(1), 16)
    # popup, visible, clip children, centred, with its own font
    expect(style & 0x92000840 == 0x92000840, "main dialog style %08X" % style)
    expect(main.group(3).lower() == WINDOW_CLASS.lower(), "the main dialog names its class")
    for dialog in range(701, 709):
        match = re.search(r"dialog %d: style=(\w+) .*size=200x150 " % dialog, listing)
        expect(match is not None, "dialog %d" % dialog)
        style = int(match.group(1), 16)
        # popup, thin border, clip children; no caption
        expect(style & 0x82800000 == 0x82800000 and style & 0x00C00000 == 0x00800000,
               "dialog %d style %08X" % (dialog, style))
    expect("menu 180: item 32772" in listing, "menu 180")
    expect("manifest: 1" in listing and "version: 1" in listing, "manifest and version")


SCENARIOS = [
    scenario_resources,
    scenario_start_with_simulated_mouse,
    scenario_second_copy,
    scenario_no_mouse,
    scenario_dpi_button,
    scenario_exit_from_tray_menu,
    scenario_missing_config,
    scenario_red_300,
]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--install", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--only", action="append")
    options = parser.parse_args()
    os.makedirs(options.work, exist_ok=True)
    if not os.environ.get("DISPLAY"):
        print("e2e: no display (run through scripts/test.sh, which starts Xvfb)")
        return 1
    harness = Harness(os.path.abspath(options.install), os.path.abspath(options.probe),
                      os.path.abspath(options.work))
    failures = 0
    for scenario in SCENARIOS:
        name = scenario.__name__[len("scenario_"):]
        if options.only and name not in options.only:
            continue
        started = time.monotonic()
        try:
            scenario(harness)
            print("PASS %s (%.1f s)" % (name, time.monotonic() - started))
        except ScenarioSkipped as reason:
            print("SKIP %s: %s" % (name, reason))
        except Exception as error:  # a failed scenario must not stop the others
            failures += 1
            print("FAIL %s: %s" % (name, error))
            if not isinstance(error, ScenarioFailed):
                traceback.print_exc()
        finally:
            harness.end_all()
    for note in harness.notes:
        print("note: " + note)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
