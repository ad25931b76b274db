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
# Offsets in config.bin (the first-run flag, then the profile record).
FIRST_RUN_FLAG = 0
MODE_B_BLOCK = 1 + 192
REPORT_RATE = 1 + 1925
DPI_ENABLED = 1 + 1931
LIGHTING_MODE = 1 + 1947
SHOWN_KEY_MODE = 1 + 1960
# Main window hotspots in client pixels (inside each control, clear of shared edges).
APPLY = (700, 633)
OK = (600, 633)
CANCEL = (820, 633)
CLOSE = (859, 14)
SKINS = (710, 14)
ADVANCED_TAB = (80, 74)
BASIC_TAB = (34, 74)
MODE_B = (410, 528)


def button_box(button):
    return (320, 209 + 23 * (button - 1))


def report_rate_cell(cell):
    return (577 + 72 * (cell - 1), 209)


def dpi_tick(stage):
    return (562 + 27 * (stage - 1), 549)


def dpi_level(stage, level):
    return (562 + 27 * (stage - 1), 508 - 18 * (level - 1))


def lighting_selector(row):
    return (800, 337 + 30 * (row - 1))


def pointer_cell(row, cell):
    return (64 + 24 * (cell - 1), 205 + 150 * (row - 1))


def read_mouse_state(path):
    blocks = {}
    with open(path) as file:
        for line in file:
            if line.strip() and not line.startswith("#"):
                name, data = line.split()
                blocks[name] = bytes.fromhex(data)
    return blocks


def read_ini_sections(path):
    """The sections of a UTF-16 INI file in file order, each as (name, keys by lower-case
    name)."""
    with open(path, "rb") as file:
        text = file.read().decode("utf-16")
    sections = []
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            sections.append((line[1:-1], {}))
        elif sections and "=" in line:
            key, value = line.split("=", 1)
            sections[-1][1][key.strip().lower()] = value
    return sections


def read_str_ini(path, section):
    """The keys of one section of a UTF-16LE str.ini, by lower-case name."""
    for name, values in read_ini_sections(path):
        if name.lower() == section.lower():
            return values
    return {}


def macro_items(section):
    """The event items of one record.ini section, in order."""
    return [section["item%d" % index] for index in range(int(section["itemcount"]))]


def word(position, matrix):
    return matrix[4 * position:4 * position + 4].hex(" ")


# Wine logs a debug string as it raises it (dispatch_exception) or as it converts it.
TRACE_LINE = re.compile(r'(?:OutputDebugStringA|dispatch_exception) "(.*)"\s*$')

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

    def main_window(self):
        """The program's main window as the probe lists it. A probe run that lists nothing (it
        can fail to start under load) is asked again for a while; a program that has gone gives
        an empty dict, which fails the caller's check with its own message."""
        deadline = time.monotonic() + 10
        while True:
            found = self.windows()
            if found or time.monotonic() > deadline:
                return found[0] if found else {}
            time.sleep(0.3)

    def dialogs(self):
        return self.probe("dialogs")

    def tray_icon_present(self):
        return "icon=1" in self.probe("tray-icon", WINDOW_CLASS)

    def tray_icon_of(self, window):
        """Asks the shell about the icon of this window handle, alive or not."""
        return "icon=1" in self.probe("tray-icon-of", "0x" + window)

    def menu_rect(self):
        match = re.search(r"menu=(-?\d+),(-?\d+),(-?\d+),(-?\d+)", self.probe("menu-rect"))
        return tuple(int(value) for value in match.groups()) if match else None

    def process_count(self):
        match = re.search(r"processes=(\d+)", self.probe("processes", EXE))
        return int(match.group(1)) if match else -1

    def post(self, message, wparam, lparam):
        self.probe("post", WINDOW_CLASS, message, wparam, lparam)

    def client_origin(self):
        client = self.main_window()["client"].split(",")
        return int(client[0]), int(client[1])

    def click_client(self, point):
        """A real click at a client point of the main window."""
        x, y = self.client_origin()
        xdotool("mousemove", x + point[0], y + point[1], "click", "1")

    def click_list_item(self, list_id, index, window_class=WINDOW_CLASS):
        """Rests the pointer on a list's item (its selection follows), then clicks it."""
        found = self.wait_until(
            lambda: re.search(r"item=(-?\d+),(-?\d+)",
                              self.probe("list-item", window_class, list_id, index)),
            "item %d of list %d" % (index, list_id))
        x, y = int(found.group(1)), int(found.group(2))
        xdotool("mousemove", x, y - 1)
        xdotool("mousemove", x, y, "click", "1")

    def list_index_of(self, list_id, text, window_class, count=12):
        """The index of the item reading `text`, once the list shows it."""
        def find():
            for index in range(count):
                match = re.search(r"text=(.*)$", self.probe("list-item", window_class, list_id,
                                                            index).strip())
                if match and match.group(1) == text:
                    return str(index)
            return None
        return int(self.wait_until(find, "%r in list %d" % (text, list_id)))

    def child(self, control_id):
        return self.probe("child", WINDOW_CLASS, control_id)

    def wait_child(self, control_id, present=True):
        self.wait_until(lambda: ("child=1" in self.child(control_id)) == present,
                        "control %d to %s" % (control_id, "appear" if present else "go"))

    def click_tray_icon(self):
        """A real click on the program's icon in Wine's tray window (its left end)."""
        def tray():
            result = subprocess.run(["xdotool", "search", "--name", "Wine System Tray"],
                                    capture_output=True, text=True, timeout=10)
            ids = result.stdout.split()
            return ids[0] if ids else None
        tray_id = self.wait_until(tray, "the tray window")
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", tray_id],
                                  capture_output=True, text=True, timeout=10).stdout
        values = dict(line.split("=", 1) for line in geometry.split())
        xdotool("mousemove", int(values["X"]) + 10, int(values["Y"]) + 10, "click", "1")

    def pixel(self, image, x, y):
        result = subprocess.run(["convert", image, "-format", "%%[pixel:p{%d,%d}]" % (x, y),
                                 "info:"], capture_output=True, text=True, timeout=60)
        return result.stdout.strip()

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


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, timeout=10)


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


MOUSE_BLOCKS = ([("sensor-block", 4), ("lighting", 3), ("lighting-detail-0", 3),
                 ("lighting-detail-1", 3), ("settings-0", 24), ("settings-1", 24),
                 ("dpi-stage-count", 1), ("dpi-stage-codes", 8)] +
                [("key-matrix-%d" % n, 64) for n in range(1, 5)] +
                [("macro-%d" % n, 128) for n in range(1, 13)])


def write_mouse_state(path, sensor_type, **blocks):
    """A simulated mouse with the given sensor type; every other block is empty unless given
    by its name with underscores (lighting_detail_1=bytes(...))."""
    lines = []
    for name, size in MOUSE_BLOCKS:
        block = bytearray(blocks.get(name.replace("-", "_"), bytes(size)))
        assert len(block) == size, name
        if name == "sensor-block":
            block[0] = sensor_type
        lines.append("%s %s" % (name, block.hex()))
    with open(path, "w") as file:
        file.write("\n".join(lines) + "\n")


def set_dpi_level(folder, stage, level):
    path = os.path.join(folder, "config.bin")
    with open(path, "r+b") as file:
        file.seek(1 + DPI_LEVEL_OFFSET + stage - 1)
        file.write(bytes([level]))


def png_size(path):
    with open(path, "rb") as file:
        header = file.read(24)
    return int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")


def window_size(window):
    width, height = window["size"].split("x")
    return int(width), int(height)


# --- scenarios ----------------------------------------------------------------------------
def scenario_start_with_simulated_mouse(harness):
    folder = harness.fresh_copy("simulated-start")
    _, args = simulated_mouse_args(folder)
    program = harness.start(folder, *args)
    program.wait_exact(DETECTED)
    windows = wait_started(harness, program)
    expect(len(windows) == 1, "one main window, found %d" % len(windows))
    window = windows[0]
    harness.wait_until(lambda: harness.main_window().get("visible") == "0", "the window to hide")
    expect(window["toolwindow"] == "1" and window["appwindow"] == "0",
           "no task-bar button: %s" % window)
    expect(harness.tray_icon_present(), "the tray icon exists")

    # Opening from the tray shows the window.
    harness.open_from_tray()
    program.wait_exact("window shown")
    harness.wait_until(lambda: harness.main_window().get("visible") == "1", "the window to show")
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
    harness.wait_until(lambda: harness.main_window().get("visible") == "0", "the window to hide")
    harness.open_from_tray()
    program.wait_exact(NOT_DETECTED, times=2)
    expect(harness.main_window().get("visible") == "0", "the window stays hidden")
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
    # Sensor type 2 with stage 2 at level 5 is 1500 DPI.
    write_mouse_state(state, 2)
    set_dpi_level(folder, 2, 5)
    program = harness.start(folder, *args)
    program.wait_exact(DETECTED)
    wait_started(harness, program)
    press_dpi_button(state, 2)
    program.wait_exact("balloon: Info | Switch DPI into the second stage %d | 5000" %
                       DPI_VALUES[2][5])


def scenario_chinese_found_balloon(harness):
    folder = harness.fresh_copy("chinese-found")
    write_str_ini(folder, ["[Skins]", "Lan=CHS", "Path=Default"])
    _, args = simulated_mouse_args(folder)
    program = harness.start(folder, *args)
    program.wait_exact("balloon: Info | 系统检测到游戏鼠标。 | 100")
    expect(program.count(DETECTED) == 0, "no English balloon")


def scenario_exit_from_tray_menu(harness):
    folder = harness.fresh_copy("tray-exit")
    program = harness.start(folder)
    wait_started(harness, program)
    window = harness.main_window()["window"]
    expect(harness.tray_icon_of(window), "the icon exists before Exit")
    subprocess.run(["xdotool", "mousemove", "600", "500"], capture_output=True)
    harness.open_tray_menu()
    program.wait_exact("tray menu shown")
    left, top, right, bottom = harness.wait_until(harness.menu_rect, "the tray menu")
    harness.screenshot("tray-menu")
    # The menu's one item is chosen with a real click; nothing else may end the program.
    x, y = (left + right) // 2, (top + bottom) // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], capture_output=True)
    time.sleep(0.3)
    subprocess.run(["xdotool", "click", "1"], capture_output=True)
    code = program.wait_exit(15)
    expect(code == 0, "exit code %s" % code)
    expect(program.count("tray icon removed") == 1, "the icon was deleted")
    expect(harness.process_count() == 0, "no process left")
    expect(not harness.tray_icon_of(window), "the shell holds no icon of %s" % window)


def scenario_icon_survives_shell_restart(harness):
    folder = harness.fresh_copy("shell-restart")
    program = harness.start(folder)
    wait_started(harness, program)
    expect(harness.tray_icon_present(), "the tray icon exists")
    # A restarting shell forgets the icon, then announces itself.
    harness.probe("tray-icon-delete", WINDOW_CLASS)
    harness.wait_until(lambda: not harness.tray_icon_present(), "the icon to be gone")
    harness.probe("shell-restarted", WINDOW_CLASS)
    program.wait_exact("tray icon added again: ok")
    expect(harness.tray_icon_present(), "the tray icon is back")


def scenario_window_takes_the_size_of_main_png(harness):
    expected = png_size(os.path.join(harness.install, "Skins", "Default", "main.png"))
    # A skin that cannot be shown falls back to the shipped one; the file keeps its "Path".
    for path in ("Default", "NoSuchSkin", ""):
        folder = harness.fresh_copy("skin-" + (path or "empty"))
        write_str_ini(folder, ["[Skins]", "Lan=EN", "Path=" + path])
        program = harness.start(folder)
        windows = wait_started(harness, program)
        expect(window_size(windows[0]) == expected,
               "Path=%r: window %s, main.png %dx%d" % (path, windows[0]["size"], *expected))
        with open(os.path.join(folder, "str.ini"), "rb") as file:
            text = file.read().decode("utf-16")
        expect("Path=%s\r\n" % path in text, "Path=%r kept in str.ini" % path)
        harness.end_all()


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


# --- the main window under real input ------------------------------------------------------
def edit_config(folder, edits):
    """Sets bytes of the folder's config.bin: {offset: value or list of values}."""
    path = os.path.join(folder, "config.bin")
    with open(path, "rb") as file:
        data = bytearray(file.read())
    for offset, values in edits.items():
        values = values if isinstance(values, list) else [values]
        data[offset:offset + len(values)] = bytes(values)
    with open(path, "wb") as file:
        file.write(data)


def read_file(folder, name):
    with open(os.path.join(folder, name), "rb") as file:
        return file.read()


def open_with_mouse(harness, name, sensor, config=None, settings=None, **blocks):
    """Starts a fresh copy with a simulated mouse of the test's own making and opens the main
    window with a real click on the tray icon."""
    folder = harness.fresh_copy(name)
    state = os.path.join(folder, "mouse-state.txt")
    write_mouse_state(state, sensor, **blocks)
    edit_config(folder, config or {})
    if settings:
        write_str_ini(folder, settings)
    return folder, state, start_and_open(harness, folder, state)


def start_and_open(harness, folder, state):
    """Starts the program in `folder` with the simulated mouse kept in `state` and opens the
    main window with a real click on the tray icon."""
    program = harness.start(folder, "--simulated-mouse=" + state)
    program.wait_exact(DETECTED)
    wait_started(harness, program)
    harness.wait_until(lambda: harness.main_window().get("visible") == "0", "the window to hide")
    harness.click_tray_icon()
    harness.wait_until(lambda: harness.main_window().get("visible") == "1", "the window to show")
    return program


def click_apply_and_wait(harness, folder, program, times=1):
    harness.click_client(APPLY)
    harness.wait_until(lambda: read_file(folder, "config.bin")[FIRST_RUN_FLAG] == 1,
                       "config.bin saved by the program")
    # The captions follow config.bin within the same Apply.
    program.wait_exact("apply done", times)


def choose(harness, selector_point, list_id, item):
    harness.click_client(selector_point)
    harness.wait_child(list_id)
    harness.click_list_item(list_id, item)
    harness.wait_child(list_id, present=False)


# --- the macro half of the advanced page ----------------------------------------------------
MACRO_NAME_EDIT = 150
LOOP_COUNT_EDIT = 149
MACRO_LIST = 151
EVENT_LIST = 152
INSERT_LIST = 154
MACRO_KEY_LIST = 593
START_RECORDING = (749, 243)
STOP_RECORDING = (749, 279)
NEW_MACRO = (565, 538)
CONFIRM_MACRO = (773, 538)
INSERT_BOX = (790, 409)
MACRO_FUNCTION = 13  # "Macro Key" in a button's function list
# The macro key dialog, in its client pixels.
MACRO_SELECTOR = (145, 135)


def repeat_mode_tick(mode):
    return (228, 86 + 50 * (mode - 1))


def key_matrix_position(button):
    return [0, 1, 2, 6, 9, 8, 5, 3, 4, 7][button - 1]


def click_into(harness, control_id):
    """A real click into the middle of a control, which takes the keyboard focus."""
    child = re.search(r"rect=(-?\d+),(-?\d+),(-?\d+),(-?\d+)", harness.child(control_id))
    left, top, right, bottom = (int(value) for value in child.groups())
    xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", "1")


def type_into(harness, control_id, text):
    click_into(harness, control_id)
    # The typed text replaces what the control shows, in one change.
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", "50", text)
    harness.wait_until(lambda: "text=" + text + "\n" in harness.child(control_id),
                       "%r in control %d" % (text, control_id))


def answer_message(harness, text):
    """Waits for the program's message box with this text and presses its OK button (no key
    reaches the program: a recording must not see it)."""
    harness.wait_until(lambda: text in harness.dialogs(), "the message %r" % text)
    harness.probe("press-ok", "Corvanti-Tarn")
    harness.wait_until(lambda: text not in harness.dialogs(), "the message %r to go" % text)


def record_macro(harness, name, keys, loop_count):
    """New macro `name`, its loop count, keys recorded with real key presses, Confirm."""
    type_into(harness, MACRO_NAME_EDIT, name)
    harness.click_client(NEW_MACRO)
    type_into(harness, LOOP_COUNT_EDIT, str(loop_count))
    # A key-down would type into the focused name edit if it were not swallowed while
    # recording.
    click_into(harness, MACRO_NAME_EDIT)
    harness.click_client(START_RECORDING)
    answer_message(harness, "Start Recording")
    for key in keys:
        xdotool("key", "--delay", "100", key)
    harness.click_client(STOP_RECORDING)
    answer_message(harness, "Stop Recording")
    expect("text=%s\n" % name in harness.child(MACRO_NAME_EDIT),
           "the recorded keys reached the name edit: " + harness.child(MACRO_NAME_EDIT))
    harness.click_client(CONFIRM_MACRO)


def delete_event(harness, index):
    """Deletes an event through the event list's context menu, with real clicks."""
    found = harness.wait_until(
        lambda: re.search(r"item=(-?\d+),(-?\d+)",
                          harness.probe("list-item", WINDOW_CLASS, EVENT_LIST, index)),
        "event %d" % index)
    xdotool("mousemove", found.group(1), found.group(2), "click", "3")
    left, top, right, bottom = harness.wait_until(harness.menu_rect, "the event list's menu")
    # The item lights up under the pointer before the click can choose it.
    xdotool("mousemove", (left + right) // 2, (top + bottom) // 2)
    time.sleep(0.3)
    xdotool("click", "1")
    harness.wait_until(lambda: harness.menu_rect() is None, "the menu to close")


def visible_dialog(harness):
    for line in harness.probe("windows", "#32770").splitlines():
        fields = dict(item.split("=", 1) for item in line.split() if "=" in item)
        if fields.get("visible") == "1":
            return fields
    return None


def bind_macro(harness, button, macro_index, mode):
    """Gives a button a macro through its function list and the macro key dialog."""
    harness.click_client(button_box(button))
    harness.wait_child(40 + button)
    harness.click_list_item(40 + button, MACRO_FUNCTION)
    dialog = harness.wait_until(lambda: visible_dialog(harness), "the macro key dialog")
    x, y = (int(value) for value in dialog["client"].split(","))
    xdotool("mousemove", x + MACRO_SELECTOR[0], y + MACRO_SELECTOR[1], "click", "1")
    found = harness.wait_until(
        lambda: re.search(r"item=(-?\d+),(-?\d+)",
                          harness.probe("list-item", "#32770", MACRO_KEY_LIST, macro_index)),
        "the macro list of the dialog")
    xdotool("mousemove", found.group(1), found.group(2), "click", "1")
    tick = repeat_mode_tick(mode)
    xdotool("mousemove", x + tick[0], y + tick[1], "click", "1")
    xdotool("mousemove", x + DIALOG_OK[0], y + DIALOG_OK[1], "click", "1")
    harness.wait_until(lambda: visible_dialog(harness) is None, "the dialog to end")


def macro_block_events(block):
    """The loop count and the event records of a macro block (up to the first empty one)."""
    events = block[2:]
    end = len(events)
    while end >= 2 and events[end - 2:end] == b"\0\0":
        end -= 2
    return (block[0] << 8) | block[1], events[:end].hex(" ")


def scenario_record_bind_and_edit_macros(harness):
    folder, state, program = open_with_mouse(harness, "macros", 1)
    harness.click_client(ADVANCED_TAB)
    program.wait_exact("advanced page built")
    harness.wait_child(MACRO_LIST)
    record_macro(harness, "Keys", ["a", "b"], 2)
    record_ini = os.path.join(folder, "record.ini")
    harness.wait_until(lambda: os.path.exists(record_ini), "record.ini")
    sections = read_ini_sections(record_ini)
    expect([name for name, _ in sections] == ["Keys"], "one macro: %s" % sections)
    expect(macro_items(sections[0][1]) ==
           ["A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"],
           "seven items, no key typed into the edits: %s" % sections)
    harness.screenshot("macros-first-recorded")

    harness.click_client(BASIC_TAB)
    program.wait_exact("basic page built", 2)
    bind_macro(harness, 5, 0, 3)
    click_apply_and_wait(harness, folder, program)
    mouse = read_mouse_state(state)
    expect(macro_block_events(mouse["macro-1"]) == (2, "05 04 85 04 05 05 80 05"),
           "macro block 1: %s" % mouse["macro-1"].hex())
    matrix = mouse["key-matrix-1"]
    expect(word(key_matrix_position(5), matrix) == "09 02 01 00",
           "button 5 plays macro 1 until released: " + matrix.hex())

    # A second macro, bound to button 6; then the first is edited.
    harness.click_client(ADVANCED_TAB)
    program.wait_exact("advanced page built", 2)
    record_macro(harness, "Jump", ["c"], 1)
    harness.click_client(BASIC_TAB)
    program.wait_exact("basic page built", 3)
    bind_macro(harness, 6, 1, 1)
    click_apply_and_wait(harness, folder, program, 2)
    before = read_mouse_state(state)
    expect(macro_block_events(before["macro-2"]) == (1, "05 06 80 06"),
           "macro block 2: %s" % before["macro-2"].hex())
    expect(word(key_matrix_position(6), before["key-matrix-1"]) == "09 00 02 00",
           "button 6 plays macro 2: " + before["key-matrix-1"].hex())

    harness.click_client(ADVANCED_TAB)
    program.wait_exact("advanced page built", 3)
    harness.click_list_item(MACRO_LIST, 0)
    harness.click_list_item(EVENT_LIST, 6)  # "B   Up"
    harness.click_client(INSERT_BOX)
    harness.wait_child(INSERT_LIST)
    harness.screenshot("advanced-page-insert-mouse-event-list")
    harness.click_list_item(INSERT_LIST, 0)  # "L-Button Click"
    harness.wait_child(INSERT_LIST, present=False)
    delete_event(harness, 10)  # "L-Button   Up"
    harness.click_client(CONFIRM_MACRO)
    harness.wait_until(lambda: len(macro_items(read_ini_sections(record_ini)[0][1])) == 10,
                       "the edited macro saved")
    expect([name for name, _ in read_ini_sections(record_ini)] == ["Keys", "Jump"],
           "the edited macro keeps its place")
    click_apply_and_wait(harness, folder, program, 3)
    after = read_mouse_state(state)
    expect(macro_block_events(after["macro-1"]) == (2, "05 04 85 04 05 05 85 05 05 f0"),
           "the edited macro block 1: %s" % after["macro-1"].hex())
    expect(after["macro-2"] == before["macro-2"], "macro block 2 unchanged: %s" %
           after["macro-2"].hex())
    expect(after["key-matrix-1"] == before["key-matrix-1"], "the bindings unchanged")


def scenario_pages_in_each_skin(harness):
    for skin in ("Default", "Frost"):
        settings = ["[Skins]", "Lan=EN", "Path=" + skin, "RColor=235", "GColor=235",
                    "BColor=235"]
        folder, _, program = open_with_mouse(harness, "pages-" + skin.lower(), 0,
                                             settings=settings)
        basic = harness.screenshot("basic-page-" + skin.lower())
        harness.click_client(ADVANCED_TAB)
        program.wait_exact("advanced page built")
        advanced = harness.screenshot("advanced-page-" + skin.lower())
        x, y = harness.client_origin()
        cell = report_rate_cell(1)
        expect(harness.pixel(basic, x + cell[0], y + cell[1]) !=
               harness.pixel(advanced, x + cell[0], y + cell[1]),
               "the advanced page covers the basic page in %s" % skin)
        harness.wait_child(MACRO_LIST)
        record_macro(harness, "Keys", ["a", "b"], 3)
        harness.wait_until(lambda: os.path.exists(os.path.join(folder, "record.ini")),
                           "record.ini")
        harness.screenshot("advanced-page-recorded-macro-" + skin.lower())
        harness.end_all()


def scenario_assign_buttons(harness):
    folder, state, program = open_with_mouse(harness, "assign-buttons", 1)
    choose(harness, button_box(3), 43, 0)   # Left Click
    choose(harness, button_box(1), 41, 1)   # Right Click, allowed now that button 3 clicks left
    harness.click_client(MODE_B)
    choose(harness, button_box(2), 42, 3)   # Forward, in Mode B
    harness.screenshot("assign-buttons-mode-b")
    click_apply_and_wait(harness, folder, program)

    mouse = read_mouse_state(state)
    matrix_a, matrix_b = mouse["key-matrix-1"], mouse["key-matrix-3"]
    expect(word(0, matrix_a) == "01 00 f1 00", "button 1 right click: " + matrix_a.hex())
    expect(word(2, matrix_a) == "01 00 f0 00", "button 3 left click: " + matrix_a.hex())
    expect(word(1, matrix_b) == "01 00 f4 00", "Mode B button 2 forward: " + matrix_b.hex())
    for matrix in (matrix_a, matrix_b):
        expect(word(14, matrix) == "01 00 f7 00" and word(15, matrix) == "01 00 f8 00",
               "the fixed words: " + matrix.hex())
    expect(mouse["key-matrix-2"] == bytes(64) and mouse["key-matrix-4"] == bytes(64),
           "key matrices 2 and 4 stay empty")
    config = read_file(folder, "config.bin")
    expect(config[1 + 0] == 1 and config[1 + 2] == 0 and config[MODE_B_BLOCK + 1] == 3,
           "config.bin holds the function types")
    expect(config[SHOWN_KEY_MODE] == 1, "config.bin shows Mode B")
    captions = read_str_ini(os.path.join(folder, "str.ini"), "Setting-EN")
    expect((captions.get("item1"), captions.get("item3"), captions.get("item23")) ==
           ("Right Click", "Left Click", "Forward"), "str.ini captions: %s" % captions)


def scenario_rate_dpi_lighting(harness):
    levels = [0, 1, 2, 3]
    folder, state, program = open_with_mouse(
        harness, "rate-dpi-lighting", 1,
        config={REPORT_RATE: 8, DPI_LEVEL_OFFSET + 1: levels, DPI_ENABLED: [1, 1, 1, 1],
                LIGHTING_MODE: 0},
        lighting=bytes([0, 0x11, 0x44]), lighting_detail_1=bytes([9, 8, 7]))
    harness.click_client(report_rate_cell(2))   # 250 reports per second
    harness.click_client(dpi_tick(3))           # stage 3 off
    harness.click_client(dpi_level(2, 5))       # stage 2 at level 5
    choose(harness, lighting_selector(1), 63, 2)  # Neon
    choose(harness, lighting_selector(2), 64, 2)  # 1.5S
    choose(harness, lighting_selector(3), 65, 1)  # RGB Fixed On
    expect("text=1.5S" in harness.child(81) and "text=RGB Fixed On" in harness.child(82),
           "the lighting texts")
    harness.screenshot("rate-dpi-lighting")
    click_apply_and_wait(harness, folder, program)

    mouse = read_mouse_state(state)
    expect(mouse["sensor-block"][1] == 4, "rate code 4: " + mouse["sensor-block"].hex())
    # Sensor type 1: levels 1, 5, 3 (off: bit 7) and 4; the unused codes read 0x80.
    expect(mouse["dpi-stage-codes"].hex(" ") == "01 05 83 04 80 80 80 80",
           "stage codes " + mouse["dpi-stage-codes"].hex(" "))
    expect(mouse["dpi-stage-count"] == bytes([4]), "four stages")
    # Neon with period 1.5S (index 2) and effect 3 merged into what the mouse held.
    expect(mouse["lighting"].hex(" ") == "03 03 44", "lighting " + mouse["lighting"].hex(" "))
    expect(mouse["lighting-detail-0"].hex(" ") == "03 05 05",
           "lighting detail 0 " + mouse["lighting-detail-0"].hex(" "))
    expect(mouse["lighting-detail-1"].hex(" ") == "09 08 07", "lighting detail 1 untouched")


def scenario_left_click_warning(harness):
    folder, state, program = open_with_mouse(harness, "left-click-warning", 0)
    config_before = read_file(folder, "config.bin")
    with open(state) as file:
        state_before = file.read()
    harness.click_client(button_box(1))
    harness.wait_until(lambda: "Left key must be selected!" in harness.dialogs(), "the warning")
    expect("dialog caption=Warning" in harness.dialogs(), "the warning's caption")
    harness.screenshot("left-click-warning")
    harness.probe("press-ok", "Warning")
    harness.wait_until(lambda: "Left key must be selected!" not in harness.dialogs(),
                       "the warning to go")
    expect("child=0" in harness.child(41), "button 1's list stays closed")
    expect(read_file(folder, "config.bin") == config_before, "config.bin unchanged")
    with open(state) as file:
        expect(file.read() == state_before, "the mouse unchanged")


def scenario_cancel_and_reopen(harness):
    folder, state, program = open_with_mouse(harness, "cancel-reopen", 1,
                                             config={REPORT_RATE: 8, SHOWN_KEY_MODE: 0})
    config_before = read_file(folder, "config.bin")
    x, y = harness.client_origin()
    slow, fast = report_rate_cell(1), report_rate_cell(4)
    mode_a, mode_b = (256, 520), (459, 520)

    def colours(shot):
        return [harness.pixel(shot, x + p[0], y + p[1]) for p in (slow, fast, mode_a, mode_b)]

    saved = colours(harness.screenshot("cancel-saved-state"))
    harness.click_client(fast)
    harness.click_client(MODE_B)
    edited = harness.wait_until(
        lambda: (lambda c: c if c[1] == saved[0] else None)(
            colours(harness.screenshot("cancel-edited"))), "the edits on the page")
    expect(edited[0] != saved[0] and edited[2] != saved[2], "edits shown: %s" % edited)
    harness.click_client(CANCEL)
    harness.wait_until(lambda: harness.main_window().get("visible") == "0", "Cancel to hide")
    harness.click_tray_icon()
    harness.wait_until(lambda: harness.main_window().get("visible") == "1", "the window to reopen")
    program.wait_exact("basic page built", 2)
    reopened = colours(harness.screenshot("cancel-reopened"))
    expect(reopened == saved, "the page shows the saved state: %s, saved %s" % (reopened, saved))
    expect(read_file(folder, "config.bin") == config_before, "Cancel saved nothing")


def scenario_pointer_page(harness):
    folder, _, program = open_with_mouse(harness, "pointer-page", 0)
    harness.click_client(ADVANCED_TAB)
    program.wait_exact("advanced page built")
    harness.click_client(pointer_cell(1, 3))    # speed step 3: speed 4
    harness.click_client(pointer_cell(2, 7))    # 7 wheel lines
    harness.click_client(pointer_cell(3, 11))   # double-click step 11: 200 ms
    harness.screenshot("pointer-page")
    click_apply_and_wait(harness, folder, program)
    settings = harness.wait_until(
        lambda: (lambda text: text if "speed=4 lines=7 double_click=200" in text else None)(
            harness.probe("pointer-settings")), "the pointer settings in the system")
    config = read_file(folder, "config.bin")
    expect(list(config[1 + 1957:1 + 1960]) == [3, 7, 11], "config.bin holds the steps")
    harness.notes.append("pointer settings after Apply: " + settings.strip())
    # The close control ends the program as the tray menu's Exit does.
    harness.click_client(CLOSE)
    expect(program.wait_exit() == 0, "the close control exits with code 0")
    expect(harness.process_count() == 0, "no process left")


def request_fault(state, fault):
    """Asks the simulated mouse for a fault ("silent", "answer", "unplug", "replug") through the
    request file beside its state file, renamed into place so it is never read half written."""
    request = state + ".fault"
    with open(request + ".tmp", "w") as file:
        file.write(fault + "\n")
    os.replace(request + ".tmp", request)


def scenario_ok_while_the_mouse_is_not_accepted(harness):
    folder, state, program = open_with_mouse(harness, "ok-without-mouse", 1,
                                             config={REPORT_RATE: 8})
    harness.click_client(report_rate_cell(4))   # an edit OK would send and save
    # A device change that is neither an arrival nor a removal carries no header: its data (here
    # a small number) is not a pointer and must not be read.
    harness.post("0x219", "0x7", "0x20")
    # The mouse stops answering; at the next device change the program no longer accepts it.
    request_fault(state, "silent")
    harness.probe("device-change", WINDOW_CLASS, "arrival")
    program.wait_exact(NOT_DETECTED)
    config_before = read_file(folder, "config.bin")
    state_before = read_file(folder, "mouse-state.txt")
    harness.click_client(OK)
    # Given the time an OK takes with the mouse, nothing may have happened.
    time.sleep(3)
    expect(harness.main_window().get("visible") == "1", "OK without the mouse does not hide")
    expect(read_file(folder, "config.bin") == config_before, "nor does it save")
    expect(read_file(folder, "mouse-state.txt") == state_before, "nor reach the mouse")
    harness.screenshot("ok-without-mouse")
    # The same click with the mouse answering again does both.
    request_fault(state, "answer")
    harness.probe("device-change", WINDOW_CLASS, "arrival")
    program.wait_exact(DETECTED, times=2)
    harness.click_client(OK)
    harness.wait_until(lambda: read_file(folder, "config.bin")[FIRST_RUN_FLAG] == 1,
                       "OK to save once the mouse is back")
    harness.wait_until(lambda: harness.main_window().get("visible") == "0", "OK to hide")
    expect(read_mouse_state(state)["sensor-block"][1] == 1, "the mouse takes 1000 Hz")


# --- the secondary dialogs under real input ------------------------------------------------
def dialog_origin(harness):
    """The screen point of the shown dialog's client origin, once it shows."""
    found = harness.wait_until(
        lambda: re.search(r"dialog client=(-?\d+),(-?\d+)", harness.probe("dialog-clients")),
        "a dialog")
    return int(found.group(1)), int(found.group(2))


def click_dialog(origin, point):
    xdotool("mousemove", origin[0] + point[0], origin[1] + point[1], "click", "1")


def end_dialog(harness, origin, point):
    """Ends the dialog with a real click on one of its frame buttons."""
    click_dialog(origin, point)
    harness.wait_until(lambda: "dialog client=" not in harness.probe("dialog-clients"),
                       "the dialog to end")


def dialog_child(harness, control_id):
    return harness.probe("child", "#32770", control_id)


def wait_dialog_text(harness, control_id, text):
    harness.wait_until(lambda: "text=%s\n" % text in dialog_child(harness, control_id),
                       "%r in control %d" % (text, control_id))


def choose_in_dialog(harness, origin, trigger, list_id, item):
    """Opens the dialog's drop-down list and clicks one of its items."""
    click_dialog(origin, trigger)
    harness.click_list_item(list_id, item, "#32770")
    harness.wait_until(lambda: "child=0" in dialog_child(harness, list_id),
                       "list %d to close" % list_id)


def scroll_into_view(harness, list_id, item):
    """Turns the wheel over the dialog until the list shows the item."""
    def shown():
        box = re.search(r"rect=(-?\d+),(-?\d+),(-?\d+),(-?\d+)", dialog_child(harness, list_id))
        found = re.search(r"item=(-?\d+),(-?\d+)",
                          harness.probe("list-item", "#32770", list_id, item))
        if box and found and int(box.group(2)) < int(found.group(2)) < int(box.group(4)):
            return True
        xdotool("click", "5")
        return False
    harness.wait_until(shown, "item %d of list %d in view" % (item, list_id))


# The secondary dialogs, in their client pixels (inside each area, clear of shared edges).
DIALOG_OK = (218, 263)
DIALOG_CANCEL = (322, 263)
DIALOG_CLOSE = (361, 15)
DIALOG_BACKGROUND = (30, 40)
SKIN_TRIGGER = (100, 136)
SKIN_LIST_ID = 562
# Positions of the dialog functions in a button's function list.
WINDOWS_FUNCTION, MULTIMEDIA, FIRE_KEY, SINGLE_KEY, COMBO_KEY = 8, 9, 10, 11, 12
SINGLE_KEY_BOX = 502
COMBO_TRIGGER = (125, 77)
COMBO_LIST_ID = 515
FIRST_KEY_BOX, SECOND_KEY_BOX = 516, 517
FIRE_KEY_TRIGGER = (125, 77)
FIRE_KEY_LIST_ID = 573
SPEED_BOX, COUNT_BOX = 574, 575
FUNCTION_LIST_TRIGGER = (144, 136)  # the multimedia and Windows-function dialogs
MULTIMEDIA_LIST_ID = 553
WINDOWS_FUNCTION_LIST_ID = 533


def end_function_dialog(harness, button, origin, point):
    """Ends a button's dialog; the main window takes input again once the list has gone."""
    end_dialog(harness, origin, point)
    harness.wait_child(40 + button, present=False)


def open_function_dialog(harness, button, function):
    """Chooses a dialog function in the button's list; gives the dialog's client origin."""
    harness.click_client(button_box(button))
    harness.wait_child(40 + button)
    harness.click_list_item(40 + button, function)
    origin = dialog_origin(harness)
    # The dialog has the keyboard once it has been clicked.
    click_dialog(origin, DIALOG_BACKGROUND)
    return origin


def click_into_dialog(harness, control_id):
    """A real click into the middle of a dialog's control, which takes the keyboard focus."""
    box = re.search(r"rect=(-?\d+),(-?\d+),(-?\d+),(-?\d+)", dialog_child(harness, control_id))
    left, top, right, bottom = (int(value) for value in box.groups())
    xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", "1")


def type_number(harness, control_id, number):
    click_into_dialog(harness, control_id)
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", "50", str(number))
    wait_dialog_text(harness, control_id, str(number))


def press_key(harness, keysym, control_id, name):
    """A real key press; the box shows the key's name once the capture has seen it."""
    xdotool("key", "--delay", "100", keysym)
    wait_dialog_text(harness, control_id, name)


def capture_single_key(harness, button, keysym, name):
    origin = open_function_dialog(harness, button, SINGLE_KEY)
    press_key(harness, keysym, SINGLE_KEY_BOX, name)
    end_function_dialog(harness, button, origin, DIALOG_OK)


def capture_combo_key(harness, button, modifier, first, second):
    """`modifier` by its list position, each key as (keysym, name)."""
    origin = open_function_dialog(harness, button, COMBO_KEY)
    choose_in_dialog(harness, origin, COMBO_TRIGGER, COMBO_LIST_ID, modifier)
    for box, (keysym, name) in ((FIRST_KEY_BOX, first), (SECOND_KEY_BOX, second)):
        click_into_dialog(harness, box)
        press_key(harness, keysym, box, name)
    end_function_dialog(harness, button, origin, DIALOG_OK)


def choose_fire_key(harness, button, key, speed, count):
    origin = open_function_dialog(harness, button, FIRE_KEY)
    click_dialog(origin, FIRE_KEY_TRIGGER)
    scroll_into_view(harness, FIRE_KEY_LIST_ID, key)
    harness.click_list_item(FIRE_KEY_LIST_ID, key, "#32770")
    harness.wait_until(lambda: "child=0" in dialog_child(harness, FIRE_KEY_LIST_ID),
                       "the key list to close")
    # The speed is taken when its box loses the focus, to the count box.
    type_number(harness, SPEED_BOX, speed)
    type_number(harness, COUNT_BOX, count)
    end_function_dialog(harness, button, origin, DIALOG_OK)


def choose_listed_function(harness, button, function, list_id, item):
    origin = open_function_dialog(harness, button, function)
    choose_in_dialog(harness, origin, FUNCTION_LIST_TRIGGER, list_id, item)
    end_function_dialog(harness, button, origin, DIALOG_OK)


# What each button is given through its dialog, and what the mouse and str.ini then hold.
ASSIGNED_BY_DIALOG = [
    # button, caption, key-function word
    (2, "Single Key-Esc", "00 00 29 00"),
    (3, "Combo Key-Left Ctrl+A+B", "00 01 04 05"),
    (4, "Fire Key-L-Button", "0a f0 22 03"),
    (5, "Multimedia-Mute", "03 00 e2 00"),
    (9, "Browser-Back", "03 00 24 02"),
    (6, "Single Key-Right Ctrl", "00 00 e4 00"),
    (7, "Single Key-Num 7", "00 00 5f 00"),
    (8, "Single Key-Page Up", "00 00 4b 00"),
]


def scenario_capture_dialogs(harness):
    folder, state, program = open_with_mouse(harness, "capture-dialogs", 1)
    # Escape is captured as a key and does not end the dialog.
    capture_single_key(harness, 2, "Escape", "Esc")
    capture_combo_key(harness, 3, 0, ("a", "A"), ("b", "B"))  # "Left Ctrl"
    choose_fire_key(harness, 4, 54, 34, 3)                    # "L-Button"
    choose_listed_function(harness, 5, MULTIMEDIA, MULTIMEDIA_LIST_ID, 4)  # "Mute"
    choose_listed_function(harness, 9, WINDOWS_FUNCTION, WINDOWS_FUNCTION_LIST_ID, 6)
    capture_single_key(harness, 6, "Control_R", "Right Ctrl")
    capture_single_key(harness, 7, "KP_7", "Num 7")
    capture_single_key(harness, 8, "Prior", "Page Up")
    harness.screenshot("capture-dialogs-assigned")
    click_apply_and_wait(harness, folder, program)

    matrix = read_mouse_state(state)["key-matrix-1"]
    captions = read_str_ini(os.path.join(folder, "str.ini"), "Setting-EN")
    for button, caption, expected in ASSIGNED_BY_DIALOG:
        expect(word(key_matrix_position(button), matrix) == expected,
               "button %d holds %s: %s" % (button, expected, matrix.hex(" ")))
        expect(captions.get("item%d" % button) == caption,
               "button %d reads %r: %s" % (button, caption, captions))


def cancel_every_dialog(harness):
    """Opens each capture dialog, gives it a choice and ends it without OK."""
    origin = open_function_dialog(harness, 2, SINGLE_KEY)
    press_key(harness, "a", SINGLE_KEY_BOX, "A")
    end_function_dialog(harness, 2, origin, DIALOG_CANCEL)
    origin = open_function_dialog(harness, 3, COMBO_KEY)
    choose_in_dialog(harness, origin, COMBO_TRIGGER, COMBO_LIST_ID, 1)
    click_into_dialog(harness, FIRST_KEY_BOX)
    press_key(harness, "c", FIRST_KEY_BOX, "C")
    end_function_dialog(harness, 3, origin, DIALOG_CLOSE)
    origin = open_function_dialog(harness, 4, FIRE_KEY)
    type_number(harness, COUNT_BOX, 9)
    end_function_dialog(harness, 4, origin, DIALOG_CANCEL)
    open_function_dialog(harness, 5, MULTIMEDIA)
    xdotool("key", "Escape")  # the standard dialog keyboard: Cancel
    harness.wait_child(45, present=False)
    origin = open_function_dialog(harness, 9, WINDOWS_FUNCTION)
    choose_in_dialog(harness, origin, FUNCTION_LIST_TRIGGER, WINDOWS_FUNCTION_LIST_ID, 6)
    end_function_dialog(harness, 9, origin, DIALOG_CLOSE)


def scenario_cancelled_dialogs_change_nothing(harness):
    folder, state, program = open_with_mouse(harness, "cancelled-dialogs", 1)
    click_apply_and_wait(harness, folder, program)
    mouse_before = read_mouse_state(state)
    config_before = read_file(folder, "config.bin")
    str_ini_before = read_file(folder, "str.ini")
    cancel_every_dialog(harness)
    click_apply_and_wait(harness, folder, program, 2)
    mouse = read_mouse_state(state)
    for matrix in ("key-matrix-1", "key-matrix-2", "key-matrix-3", "key-matrix-4"):
        expect(mouse[matrix] == mouse_before[matrix],
               "%s unchanged: %s, before %s" % (matrix, mouse[matrix].hex(" "),
                                               mouse_before[matrix].hex(" ")))
    expect(read_file(folder, "config.bin") == config_before, "config.bin unchanged")
    expect(read_file(folder, "str.ini") == str_ini_before, "the captions unchanged")


def choose_skin(harness, name):
    origin = dialog_origin(harness)
    click_dialog(origin, SKIN_TRIGGER)
    item = harness.list_index_of(SKIN_LIST_ID, name, "#32770")
    harness.click_list_item(SKIN_LIST_ID, item, "#32770")
    harness.wait_until(lambda: "no item" in harness.probe("list-item", "#32770", SKIN_LIST_ID, 0),
                       "the skin list to close")
    return origin


def scenario_skin_chosen_from_the_window(harness):
    settings = ["[Skins]", "Lan=EN", "Path=Default", "RColor=235", "GColor=235", "BColor=235"]
    folder, state, program = open_with_mouse(harness, "skin-change", 0,
                                             config={REPORT_RATE: 1}, settings=settings)
    x, y = harness.client_origin()
    lit = report_rate_cell(4)
    before = harness.pixel(harness.screenshot("skin-change-default"), x + lit[0], y + lit[1])
    harness.click_client(SKINS)
    origin = choose_skin(harness, "Frost")
    end_dialog(harness, origin, DIALOG_OK)
    skins = harness.wait_until(
        lambda: (lambda v: v if v.get("path") == "Frost" else None)(
            read_str_ini(os.path.join(folder, "str.ini"), "Skins")), "str.ini to name Frost")
    expect((skins.get("rcolor"), skins.get("gcolor"), skins.get("bcolor")) ==
           ("235", "235", "235"), "the text colour kept: %s" % skins)
    expect(harness.main_window().get("visible") == "1", "the window shows after the choice")
    program.wait_exact("basic page built", 2)
    after = harness.pixel(harness.screenshot("skin-change-frost"), x + lit[0], y + lit[1])
    expect(after != before, "the page is rebuilt in the new skin: %s, before %s" % (after, before))

    # A restart comes up in the chosen skin.
    harness.end_all()
    start_and_open(harness, folder, state)
    x, y = harness.client_origin()
    restarted = harness.pixel(harness.screenshot("skin-change-restarted"), x + lit[0], y + lit[1])
    expect(restarted == after, "the restart shows Frost: %s, Frost %s" % (restarted, after))
    frost = png_size(os.path.join(folder, "Skins", "Frost", "main.png"))
    expect(window_size(harness.main_window()) == frost, "the window takes Frost's main.png")


SCENARIOS = [
    scenario_resources,
    scenario_start_with_simulated_mouse,
    scenario_second_copy,
    scenario_no_mouse,
    scenario_dpi_button,
    scenario_chinese_found_balloon,
    scenario_exit_from_tray_menu,
    scenario_icon_survives_shell_restart,
    scenario_window_takes_the_size_of_main_png,
    scenario_missing_config,
    scenario_red_300,
    scenario_pages_in_each_skin,
    scenario_assign_buttons,
    scenario_rate_dpi_lighting,
    scenario_left_click_warning,
    scenario_cancel_and_reopen,
    scenario_pointer_page,
    scenario_record_bind_and_edit_macros,
    scenario_ok_while_the_mouse_is_not_accepted,
    scenario_skin_chosen_from_the_window,
    scenario_capture_dialogs,
    scenario_cancelled_dialogs_change_nothing,
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
