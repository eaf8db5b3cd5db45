"""The base of the X tests: each test gets its own X server and runs the built kiv on it.

KIV_BINARY names the program under test; screenshots and logs go to KIV_SHOTS."""

import os
import subprocess
import time
import unittest

from picture import YELLOW, is_scene_tint
from xlib import Probe
from xsession import XSession, wait_until

START_TIMEOUT = 30  # generous: sanitizer builds start slowly
EXIT_TIMEOUT = 15


class KivTestCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.kiv = os.environ.get("KIV_BINARY")
        if not cls.kiv or not os.access(cls.kiv, os.X_OK):
            raise unittest.SkipTest("KIV_BINARY does not name the built kiv")
        cls.shots_dir = os.path.abspath(os.environ.get("KIV_SHOTS", "x11-shots"))
        os.makedirs(cls.shots_dir, exist_ok=True)

    def setUp(self):
        self.x = XSession(self.shots_dir)
        self.addCleanup(self.x.close)
        self._started = 0

    def start_kiv(self, *args):
        self._started += 1
        return self.x.start([self.kiv, *args], f"{self._testMethodName}-{self._started}")

    def probe(self):
        probe = Probe(self.x.display)
        self.addCleanup(probe.close)
        return probe

    def shot(self, name, region=None):
        return self.x.screenshot(f"{self._testMethodName}-{name}", region)

    def wait_for_window(self, name, program):
        def shown_or_ended():
            return self.x.windows(name, program.pid) or program.poll() is not None
        windows = wait_until(shown_or_ended, START_TIMEOUT, f"a window named {name}")
        self.assertIsNone(program.poll(), f"kiv ended before showing {name}")
        self.assertEqual(len(windows), 1, f"windows named {name}: {windows}")
        return windows[0]

    def wait_for_scene(self):
        """Polls the screen until the saver shows yellow rings and a light-tinted title."""
        def scene():
            picture = self.x.screenshot()
            colours = picture.colours()
            rings = colours[YELLOW]
            tint = sum(n for colour, n in colours.items() if is_scene_tint(colour))
            return picture if rings > 20 and tint > 5 else None
        return wait_until(scene, START_TIMEOUT, "a scene with rings and a title on screen")

    def wait_for_saver(self, program):
        """The saver window over the whole screen, with its first scene drawn."""
        window = self.wait_for_window("Kiv", program)
        self.assertEqual(self.x.geometry(window), (0, 0, 1024, 768))
        self.wait_for_scene()
        return window

    def assert_ends_with_zero(self, program):
        try:
            status = program.wait(timeout=EXIT_TIMEOUT)
        except subprocess.TimeoutExpired:
            self.fail("kiv did not end")
        self.assertEqual(status, 0)
        self.assertEqual(self.x.windows(None, program.pid), [])

    def assert_keeps_running(self, program, seconds=0.5):
        """Only for checking that something does NOT end the program."""
        time.sleep(seconds)
        self.assertIsNone(program.poll(), "kiv ended")

    def move_mouse(self, x, y):
        self.x.xdotool("mousemove", str(x), str(y))
