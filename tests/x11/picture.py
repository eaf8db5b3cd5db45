"""A screenshot as raw RGB bytes, and the colour classes the saver draws in."""

from collections import Counter

YELLOW = (255, 255, 0)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (255, 0, 0)


def is_scene_tint(colour):
    """The light scene colours: red 122..244, green and blue 222..244."""
    r, g, b = colour
    return 122 <= r <= 244 and 222 <= g <= 244 and 222 <= b <= 244


class Picture:
    def __init__(self, rgb, width, height):
        assert len(rgb) == width * height * 3, "screenshot size does not match the screen"
        self.rgb = rgb
        self.width = width
        self.height = height

    def is_black(self):
        return self.rgb.count(0) == len(self.rgb)

    def colours(self):
        """How many pixels have each colour."""
        rgb = self.rgb
        return Counter(zip(rgb[0::3], rgb[1::3], rgb[2::3]))

    def count(self, predicate):
        return sum(n for colour, n in self.colours().items() if predicate(colour))

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])

    def pixels_of(self, colour):
        """(x, y) of every pixel of the colour."""
        rgb, width = self.rgb, self.width
        return [(i % width, i // width) for i in range(width * self.height)
                if rgb[3 * i] == colour[0] and rgb[3 * i + 1] == colour[1]
                and rgb[3 * i + 2] == colour[2]]

    def share(self, colour):
        return self.colours()[colour] / (self.width * self.height)
