"""The full-screen saver: what it shows, and the input that ends it."""

import unittest

from kivtest import START_TIMEOUT, KivTestCase
from picture import BLACK, YELLOW, is_scene_tint
from xsession import wait_until


class SaverTest(KivTestCase):
    def test_shows_rings_and_title_on_black(self):
        program = self.start_kiv("/s")
        self.wait_for_saver(program)
        picture = self.shot("scene")
        self.assertGreater(picture.share(BLACK), 0.8)
        self.assertGreater(picture.colours()[YELLOW], 20)
        self.assertGreater(picture.count(is_scene_tint), 5)
        self.x.xdotool("key", "Escape")
        self.assert_ends_with_zero(program)

    def test_pointer_is_hidden_while_it_runs(self):
        probe = self.probe()
        self.assertFalse(probe.pointer_is_blank())
        program = self.start_kiv("/s")
        self.wait_for_saver(program)
        wait_until(probe.pointer_is_blank, START_TIMEOUT, "the pointer to be hidden")
        self.x.xdotool("key", "x")
        self.assert_ends_with_zero(program)

    def test_second_mouse_position_ends_it(self):
        program = self.start_kiv("/s")
        self.wait_for_saver(program)
        self.move_mouse(100, 100)  # only recorded
        self.assert_keeps_running(program)
        self.move_mouse(300, 200)
        self.assert_ends_with_zero(program)
        self.assertTrue(self.shot("after").is_black())

    def test_key_ends_it(self):
        program = self.start_kiv("/s")
        self.wait_for_saver(program)
        self.x.xdotool("key", "x")
        self.assert_ends_with_zero(program)

    def test_modifier_key_alone_ends_it(self):
        program = self.start_kiv("/S")
        self.wait_for_saver(program)
        self.x.xdotool("key", "shift")
        self.assert_ends_with_zero(program)

    def test_click_ends_it(self):
        program = self.start_kiv("/s", "1234")
        self.wait_for_saver(program)
        self.x.xdotool("click", "1")
        self.assert_ends_with_zero(program)

    def test_unknown_and_blank_led_keys_run_it(self):
        for argument in ("-s", "x", " /c"):
            with self.subTest(argument=argument):
                program = self.start_kiv(argument)
                self.wait_for_saver(program)
                self.x.xdotool("key", "space")
                self.assert_ends_with_zero(program)


if __name__ == "__main__":
    unittest.main()
