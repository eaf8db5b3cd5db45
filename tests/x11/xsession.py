"""A private X server (Xvfb) for one test, with the tools that drive and watch it."""

import os
import select
import subprocess
import tempfile
import time

from picture import Picture

WIDTH, HEIGHT = 1024, 768


def wait_until(condition, timeout, what):
    """Polls condition until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.05)


class XSession:
    def __init__(self, shots_dir):
        self.shots_dir = shots_dir
        self._runtime = tempfile.TemporaryDirectory(prefix="kiv-x11-")
        self.server = self._start_server()
        try:
            self.display = ":" + self._read_display_number()
        except BaseException:
            self._stop_server()
            self._runtime.cleanup()
            raise
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        XDG_RUNTIME_DIR=self._runtime.name)
        self.env.pop("WAYLAND_DISPLAY", None)
        self._programs = []

    def _start_server(self):
        self._ready_read, ready_write = os.pipe()
        try:
            return subprocess.Popen(
                ["Xvfb", "-displayfd", str(ready_write), "-screen", "0",
                 f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
                pass_fds=[ready_write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        finally:
            os.close(ready_write)

    def _read_display_number(self):
        # Xvfb writes its display number and a newline once it accepts connections. The pipe
        # stays open until the server has gone: Xvfb treats a closed one as fatal.
        text = b""
        while not text.endswith(b"\n"):
            ready, _, _ = select.select([self._ready_read], [], [], 30)
            chunk = os.read(self._ready_read, 64) if ready else b""
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            text += chunk
        return text.decode().strip()

    def close(self):
        for program in self._programs:
            if program.poll() is None:
                program.kill()
                program.wait()
        self._stop_server()
        self._runtime.cleanup()

    def _stop_server(self):
        self.server.terminate()
        try:
            self.server.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.server.kill()
            self.server.wait()
        os.close(self._ready_read)

    def start(self, argv, log_name):
        """Starts a program on this display; its output goes to a log in the shots dir."""
        with open(os.path.join(self.shots_dir, log_name + ".log"), "wb") as log:
            program = subprocess.Popen(argv, env=self.env, stdout=log, stderr=subprocess.STDOUT)
        self._programs.append(program)
        return program

    def run(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)

    def xdotool(self, *args):
        result = self.run("xdotool", *args)
        if result.returncode != 0:
            raise AssertionError(f"xdotool {' '.join(args)} failed: {result.stderr}")
        return result.stdout

    def windows(self, name, pid):
        """Visible windows of the process pid named exactly name, or all of them for None."""
        found = self.run("xdotool", "search", "--onlyvisible", "--pid", str(pid)).stdout.split()
        return [int(window) for window in found
                if name is None or self.window_name(window) == name]

    def window_name(self, window):
        return self.run("xdotool", "getwindowname", str(window)).stdout.rstrip("\n")

    def geometry(self, window):
        """(x, y, width, height) of a window."""
        values = dict(line.split("=", 1) for line in
                      self.xdotool("getwindowgeometry", "--shell", str(window)).split())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def window_property(self, window, name):
        return self.run("xprop", "-id", str(window), name).stdout

    def screenshot(self, name=None, region=None):
        """The whole screen. Saved as name.png in the shots dir when a name is given, cut to
        region (x, y, width, height) if one is given too."""
        xwd = subprocess.run(["xwd", "-root", "-silent", "-display", self.display],
                             capture_output=True, check=True, timeout=30).stdout
        if name:
            x, y, width, height = region or (0, 0, WIDTH, HEIGHT)
            crop = ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]
            png = os.path.join(self.shots_dir, name + ".png")
            subprocess.run(["convert", "xwd:-", *crop, png], input=xwd, check=True, timeout=30)
        rgb = subprocess.run(["convert", "xwd:-", "-depth", "8", "rgb:-"], input=xwd,
                             capture_output=True, check=True, timeout=30).stdout
        return Picture(rgb, WIDTH, HEIGHT)
