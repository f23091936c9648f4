"""The web page in headless Chromium, for the tests: a server of the page's folder on this
machine, the browser, keys held as a player holds them, and the canvas's own pixels."""
import base64
import functools
import http.server
import io
import os
import struct
import sys
import tempfile
import threading
import time
import zlib

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WIDTH, HEIGHT = 1024, 768
# The HUD's life bar: full, it is green from x 172 to 274 on row 25.
LIFE = (100, 25)
LIFE_GREEN = (0, 255, 30)
# The two lines the title adds: the speed under the figures' feet, the best under ENTER.
TITLE_LINES = [(610, 626), (712, 728)]
# The title's logo band, which the game draws nothing over: below the hints across the top,
# above its panels and lines.
TITLE_BAND = (24, 240)
# Selenium's ENTER is the keypad's; RETURN is the main Enter key.
KEY = {'enter': Keys.RETURN, 'esc': Keys.ESCAPE, 'left': Keys.ARROW_LEFT}


def fail(message):
    print('FAIL: ' + message, file=sys.stderr)
    sys.exit(1)


class _Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Page:
    """One browser showing the page of folder (by default RYKE_WEB_PAGE, the folder web.sh makes)."""

    def __init__(self, folder=None):
        self.folder = folder or os.environ.get('RYKE_WEB_PAGE', '')
        if not os.path.isfile(os.path.join(self.folder, 'index.html')):
            fail("no page to test in RYKE_WEB_PAGE='%s' (scripts/web.sh makes one)" % self.folder)
        handler = functools.partial(_Quiet, directory=self.folder)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = 'http://127.0.0.1:%d/index.html' % self.server.server_address[1]
        self.profile = tempfile.TemporaryDirectory(prefix='ryke-chromium.')
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        # A window larger than the frame, so that the page shows it at 1:1.
        for argument in ['--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1280,1200',
                         '--user-data-dir=' + self.profile.name]:
            options.add_argument(argument)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        started = time.monotonic()
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.browser_start = time.monotonic() - started

    def close(self):
        self.driver.quit()
        self.server.shutdown()
        self.profile.cleanup()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait_for(self, what, script, seconds=20):
        """Polls script until it returns something true, and returns that."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = self.js(script)
            if value:
                return value
            time.sleep(0.05)
        self.dump()
        fail('%s: not within %d s' % (what, seconds))

    def open(self, query=''):
        """Loads the page and waits for its first frame; returns its time in ms since the load began."""
        self.driver.get(self.url + query)
        return self.wait_for('the first frame', 'return window.Module && Module.rykeFirstFrame')

    def turns_a_second(self, seconds=2):
        """How often the game gave the page its turn (once a drawn frame) over that many seconds."""
        turns, start = self.js('return Module.rykeTurns'), time.monotonic()
        time.sleep(seconds)
        return (self.js('return Module.rykeTurns') - turns) / (time.monotonic() - start)

    def hold(self, key, seconds=0.15):
        """Holds a key down as long as a player's press (the game reads the keys' state)."""
        key = KEY.get(key, key)
        ActionChains(self.driver).key_down(key).pause(seconds).key_up(key).perform()

    def pixels(self, x=0, y=0, w=WIDTH, h=HEIGHT):
        """The canvas's pixels in that rectangle, as bytes of r, g, b, a."""
        text = self.js('''
            var d = Module.canvas.getContext('2d').getImageData(arguments[0], arguments[1], arguments[2], arguments[3]).data;
            var s = '';
            for (var i = 0; i < d.length; i += 0x8000)
                s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
            return btoa(s);''', x, y, w, h)
        return base64.b64decode(text)

    def watch(self, rect, picture):
        """Starts comparing that rectangle of the canvas with picture (r, g, b, a bytes) at every
        animation frame: a pose that lasts a tenth of a second is missed by slower looks."""
        self.js('''
            var want = Uint8Array.from(atob(arguments[4]), function(c) { return c.charCodeAt(0); });
            var r = [arguments[0], arguments[1], arguments[2], arguments[3]];
            window.rykeWatch = {least: Infinity, on: true};
            (function look() {
                if (!window.rykeWatch.on)
                    return;
                var d = Module.canvas.getContext('2d').getImageData(r[0], r[1], r[2], r[3]).data, n = 0;
                for (var i = 0; i < d.length; i += 4)
                    if (d[i] != want[i] || d[i + 1] != want[i + 1] || d[i + 2] != want[i + 2])
                        n++;
                window.rykeWatch.least = Math.min(window.rykeWatch.least, n);
                requestAnimationFrame(look);
            })();''', *rect, base64.b64encode(picture).decode())

    def watched(self):
        """Stops the watch: the fewest pixels that differed from the picture in any frame."""
        return self.js('window.rykeWatch.on = false; return window.rykeWatch.least')

    def shown(self):
        """The canvas as the browser shows it on the screen (an element screenshot), as r, g, b, a bytes."""
        canvas = self.driver.find_element('id', 'screen')
        return Image.open(io.BytesIO(canvas.screenshot_as_png)).convert('RGBA').tobytes()

    def pixel(self, x, y):
        return tuple(self.pixels(x, y, 1, 1)[:3])

    def notes(self):
        return self.js("return document.getElementById('notes').textContent")

    def dump(self):
        """What the page showed and logged, for a failure's report."""
        shot = os.path.join(tempfile.gettempdir(), 'ryke-web-failure.png')
        self.driver.save_screenshot(shot)
        print('page screenshot: ' + shot, file=sys.stderr)
        for entry in self.driver.get_log('browser'):
            print('browser: ' + entry['message'], file=sys.stderr)


def differing(a, b):
    """How many pixels of two equal-sized r, g, b, a byte strings differ in colour."""
    return sum(1 for i in range(0, len(a), 4) if a[i:i + 3] != b[i:i + 3])


def read_pcx(path):
    """A 24-bit run-length PCX picture (as the asset generator writes them) as r, g, b, a bytes."""
    data = open(path, 'rb').read()
    xmin, ymin, xmax, ymax = struct.unpack_from('<4H', data, 4)
    planes, line = data[65], struct.unpack_from('<H', data, 66)[0]
    w, h = xmax - xmin + 1, ymax - ymin + 1
    out, at = bytearray(), 128
    for _ in range(h):
        row = bytearray()
        while len(row) < planes * line:
            byte = data[at]
            at += 1
            if byte >= 0xC0:
                row += bytes([data[at]]) * (byte & 0x3F)
                at += 1
            else:
                row.append(byte)
        for x in range(w):
            out += bytes([row[x], row[line + x], row[2 * line + x], 255])
    return w, h, bytes(out)


def read_bmp(path):
    """A 24- or 32-bit BMP picture (as the bout runner writes them) as r, g, b, a bytes."""
    data = open(path, 'rb').read()
    offset = struct.unpack_from('<I', data, 10)[0]
    w, h = struct.unpack_from('<ii', data, 18)
    bits = struct.unpack_from('<H', data, 28)[0] // 8
    stride = (w * bits + 3) & ~3
    out = bytearray()
    for y in range(abs(h)):
        row = offset + (abs(h) - 1 - y if h > 0 else y) * stride
        for x in range(w):
            b, g, r = data[row + x * bits:row + x * bits + 3]
            out += bytes([r, g, b, 255])
    return w, h, bytes(out)


def crop(picture, x, y, w, h):
    pw, _, data = picture
    return b''.join(data[((y + j) * pw + x) * 4:((y + j) * pw + x + w) * 4] for j in range(h))


def png(path, w, h, rgba):
    """Writes r, g, b, a bytes as a PNG, to look at what a test saw."""
    raw = b''.join(b'\0' + rgba[y * w * 4:(y + 1) * w * 4] for y in range(h))

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)) +
                  chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))
