"""Start-up modes that show no saver: /p, /a, and a second instance."""

import unittest

from kivtest import KivTestCase
from xlib import MapWatch


class ModesTest(KivTestCase):
    def watch_maps(self):
        watch = MapWatch(self.x.display)
        self.addCleanup(watch.close)
        return watch

    def test_preview_switch_ends_at_once_without_a_window(self):
        for args in (["/p"], ["/P", "1234"]):
            with self.subTest(args=args):
                watch = self.watch_maps()
                self.assert_ends_with_zero(self.start_kiv(*args))
                self.assertEqual(watch.mapped_windows(), [])
                self.assertTrue(self.x.screenshot().is_black())

    def test_password_switch_shows_a_message_until_return(self):
        program = self.start_kiv("/a")
        box = self.wait_for_window("Kiv", program)
        x, y, width, height = self.x.geometry(box)
        self.assertLess(width, 1024)
        self.assertLess(height, 768)
        self.shot("box", (x, y, width, height))
        self.x.xdotool("key", "Return")
        self.assert_ends_with_zero(program)

    def test_password_switch_message_ends_on_ok_click(self):
        program = self.start_kiv("/A", "5")
        box = self.wait_for_window("Kiv", program)
        x, y, width, height = self.x.geometry(box)
        # The only button, OK, sits in the box's bottom right corner.
        self.x.xdotool("mousemove", str(x + width - 50), str(y + height - 25), "click", "1")
        self.assert_ends_with_zero(program)

    def test_second_instance_ends_at_once_and_first_runs_on(self):
        first = self.start_kiv("/s")
        self.wait_for_saver(first)
        for argument in ("/c", "/a", "/s"):
            with self.subTest(argument=argument):
                watch = self.watch_maps()
                self.assert_ends_with_zero(self.start_kiv(argument))
                self.assertEqual(watch.mapped_windows(), [])
                self.assertIsNone(first.poll())
        self.wait_for_scene()
        self.x.xdotool("key", "x")
        self.assert_ends_with_zero(first)


if __name__ == "__main__":
    unittest.main()
