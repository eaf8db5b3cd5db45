"""What the tests and figures need from Xlib itself: a window manager's close request, a record
of every top-level window that gets mapped, and a fast look at the screen and pointer."""

import ctypes
import ctypes.util

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XInternAtom.restype = ctypes.c_ulong
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                            ctypes.c_void_p]
_x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XPending.argtypes = [ctypes.c_void_p]
_x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_x11.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XGetImage.restype = ctypes.c_void_p
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x11.XDestroyImage.argtypes = [ctypes.c_void_p]

_xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes") or "libXfixes.so.3")
_xfixes.XFixesQueryVersion.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                       ctypes.POINTER(ctypes.c_int)]
_xfixes.XFixesGetCursorImage.restype = ctypes.c_void_p
_xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
_x11.XFree.argtypes = [ctypes.c_void_p]

_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
_xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_ulong]

_CLIENT_MESSAGE = 33
_MAP_NOTIFY = 19
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_Z_PIXMAP = 2
_ALL_PLANES = 0xFFFFFFFF


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong)]


class _Image(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int)]


class _CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", _ClientMessage), ("map", _MapEvent),
                ("pad", ctypes.c_long * 24)]


def _open(display):
    handle = _x11.XOpenDisplay(display.encode())
    if not handle:
        raise RuntimeError(f"cannot open display {display}")
    return handle


def close_window(display, window):
    """Asks a window to close, as a window manager's close box does (WM_DELETE_WINDOW)."""
    handle = _open(display)
    try:
        event = _Event()
        event.client.type = _CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = _x11.XInternAtom(handle, b"WM_PROTOCOLS", 0)
        event.client.format = 32
        event.client.data[0] = _x11.XInternAtom(handle, b"WM_DELETE_WINDOW", 0)
        _x11.XSendEvent(handle, window, 0, 0, ctypes.byref(event))
        _x11.XFlush(handle)
    finally:
        _x11.XCloseDisplay(handle)


class MapWatch:
    """Records the top-level windows mapped from its creation on."""

    def __init__(self, display):
        self._handle = _open(display)
        _x11.XSelectInput(self._handle, _x11.XDefaultRootWindow(self._handle),
                          _SUBSTRUCTURE_NOTIFY_MASK)
        _x11.XSync(self._handle, 0)
        self._mapped = []

    def mapped_windows(self):
        _x11.XSync(self._handle, 0)
        event = _Event()
        while _x11.XPending(self._handle):
            _x11.XNextEvent(self._handle, ctypes.byref(event))
            if event.type == _MAP_NOTIFY:
                self._mapped.append(event.map.window)
        return list(self._mapped)

    def close(self):
        _x11.XCloseDisplay(self._handle)


class Probe:
    """A connection of its own that reads the screen and moves the pointer with little delay,
    for timing what a user sees."""

    def __init__(self, display):
        self._handle = _open(display)
        self._root = _x11.XDefaultRootWindow(self._handle)
        self._size = (_x11.XDisplayWidth(self._handle, 0), _x11.XDisplayHeight(self._handle, 0))
        major, minor = ctypes.c_int(5), ctypes.c_int(0)
        _xfixes.XFixesQueryVersion(self._handle, ctypes.byref(major), ctypes.byref(minor))

    def screen_is_black(self):
        image = _x11.XGetImage(self._handle, self._root, 0, 0, *self._size, _ALL_PLANES,
                               _Z_PIXMAP)
        header = _Image.from_address(image)
        pixels = ctypes.string_at(header.data, header.bytes_per_line * header.height)
        _x11.XDestroyImage(image)
        return pixels.count(0) == len(pixels)

    def pointer_is_blank(self):
        """Whether the pointer shows no pixel at all, wherever it is."""
        image = _xfixes.XFixesGetCursorImage(self._handle)
        cursor = _CursorImage.from_address(image)
        alphas = (cursor.pixels[i] >> 24 for i in range(cursor.width * cursor.height))
        blank = not any(alphas)
        _x11.XFree(image)
        return blank

    def move_pointer(self, x, y):
        _xtst.XTestFakeMotionEvent(self._handle, -1, x, y, 0)
        _x11.XSync(self._handle, 0)

    def close(self):
        _x11.XCloseDisplay(self._handle)
