"""The settings dialog: its window, its buttons and keys, and the preview it starts."""

import unittest

from kivtest import START_TIMEOUT, KivTestCase
from xlib import close_window
from xsession import wait_until

# Button rectangles in twips of the client area, 15 twips to a pixel.
OK = (960, 2880, 1335, 375)
CANCEL = (2820, 2880, 1335, 375)
PREVIEW = (4680, 2880, 1335, 375)


class DialogTest(KivTestCase):
    def open_dialog(self, *args):
        program = self.start_kiv(*args)
        return program, self.wait_for_window("設定", program)

    def click(self, window, button):
        left, top, width, height = button
        x, y = (left + width // 2) // 15, (top + height // 2) // 15
        self.x.xdotool("mousemove", "--window", str(window), str(x), str(y), "click", "1")

    def test_configure_switch_opens_the_fixed_size_dialog(self):
        program, window = self.open_dialog("/c")
        x, y, width, height = self.x.geometry(window)
        self.assertEqual((width, height), (436, 246))
        hints = self.x.window_property(window, "WM_NORMAL_HINTS")
        self.assertIn("minimum size: 436 by 246", hints)
        self.assertIn("maximum size: 436 by 246", hints)
        self.assertIn('"設定"', self.x.window_property(window, "_NET_WM_NAME"))
        self.assertFalse(self.max_or_min_box(window))
        self.shot("dialog", (x, y, width, height))
        self.x.xdotool("key", "alt+o")
        self.assert_ends_with_zero(program)

    def max_or_min_box(self, window):
        # _MOTIF_WM_HINTS: flags, functions, decorations; minimise 32, maximise 64.
        fields = self.x.window_property(window, "_MOTIF_WM_HINTS").split("=")[1].split(",")
        decorations = int(fields[2], 16)
        return decorations & (1 | 32 | 64)

    def test_no_argument_opens_the_dialog(self):
        program, window = self.open_dialog()
        self.click(window, CANCEL)
        self.assert_ends_with_zero(program)

    def test_configure_with_suffix_opens_the_dialog(self):
        for args in (["/C"], ["/c:123"], ["/config"], ["/c", "4711"]):
            with self.subTest(args=args):
                program, window = self.open_dialog(*args)
                self.click(window, OK)
                self.assert_ends_with_zero(program)

    def test_ok_has_the_focus_on_opening(self):
        program, _ = self.open_dialog("/c")
        self.x.xdotool("key", "space")
        self.assert_ends_with_zero(program)

    def test_close_box_ends_the_program(self):
        program, window = self.open_dialog("/c")
        close_window(self.x.display, window)
        self.assert_ends_with_zero(program)

    def test_alt_p_previews_until_a_key(self):
        program, _ = self.open_dialog("/c")
        self.x.xdotool("key", "alt+p")
        self.wait_for_saver(program)
        self.shot("preview")
        self.x.xdotool("key", "x")
        self.assert_ends_with_zero(program)

    def test_pointer_shows_over_the_dialog_and_hides_in_the_preview(self):
        probe = self.probe()
        program, window = self.open_dialog("/c")
        self.x.xdotool("mousemove", "--window", str(window), "20", "20")
        wait_until(lambda: not probe.pointer_is_blank(), START_TIMEOUT, "a visible pointer")
        self.x.xdotool("key", "alt+p")
        self.wait_for_saver(program)
        wait_until(probe.pointer_is_blank, START_TIMEOUT, "the pointer to be hidden")
        self.x.xdotool("key", "x")
        self.assert_ends_with_zero(program)

    def test_preview_button_previews_until_the_mouse_moves(self):
        program, window = self.open_dialog("/c")
        self.click(window, PREVIEW)
        self.wait_for_saver(program)
        self.move_mouse(700, 500)
        self.assert_keeps_running(program)
        self.move_mouse(100, 600)
        self.assert_ends_with_zero(program)

    def test_tab_order_leads_from_ok_over_cancel_to_preview(self):
        program, _ = self.open_dialog("/c")
        self.x.xdotool("key", "Tab", "Tab", "space")
        self.wait_for_saver(program)
        self.x.xdotool("click", "1")
        self.assert_ends_with_zero(program)


if __name__ == "__main__":
    unittest.main()
