#!/usr/bin/env python3
"""Opens the demo's report page and its PNG map in headless Chromium, network off, through the
DevTools protocol: the page loads without a console error or a request beyond file://, every
plot (SVG) is drawn with a non-empty size, a screenshot is not blank, and the map is a 501 x 501
picture. Exit 77 (skipped) where Chromium is missing.

Usage: browser_test.py <folder of the built tools>
"""
import base64, json, os, re, shutil, socket, struct, subprocess, sys, tempfile, urllib.request
import zlib
from pathlib import Path

CHROMIUM = os.environ.get("CHROMIUM", "/usr/bin/chromium")
REPO = Path(__file__).resolve().parents[2]
PLOTS = 7  # two factor charts, the pair matrix, four shell plots (the demo gives a cell)


class DevTools:
    """A minimal websocket client for one DevTools target (text frames, client-masked)."""

    def __init__(self, url):
        host, port, path = re.match(r"ws://([^:/]+):(\d+)(/.*)", url).groups()
        self.sock = socket.create_connection((host, int(port)), timeout=20)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall(f"GET {path} HTTP/1.1\r\nHost: {host}:{port}\r\nUpgrade: websocket\r\n"
                          f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                          "Sec-WebSocket-Version: 13\r\n\r\n".encode())
        head = b""
        while b"\r\n\r\n" not in head:
            head += self.sock.recv(1)
        self.next_id, self.events = 0, []

    def _read(self, n):
        data = b""
        while len(data) < n:
            chunk = self.sock.recv(n - len(data))
            if not chunk:
                raise ConnectionError("DevTools closed the connection")
            data += chunk
        return data

    def _message(self):
        """One whole message: its frames up to the one marked final."""
        payload, final = b"", False
        while not final:
            b0, b1 = self._read(2)
            n = b1 & 0x7F
            n = struct.unpack(">H", self._read(2))[0] if n == 126 else \
                struct.unpack(">Q", self._read(8))[0] if n == 127 else n
            payload, final = payload + self._read(n), bool(b0 & 0x80)
        return json.loads(payload)

    def call(self, method, **params):
        self.next_id += 1
        data = json.dumps({"id": self.next_id, "method": method, "params": params}).encode()
        mask = os.urandom(4)
        size = struct.pack(">BH", 0xFE, len(data)) if len(data) < 65536 else \
            struct.pack(">BQ", 0xFF, len(data))
        self.sock.sendall(b"\x81" + size + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))
        while True:
            message = self.wait()
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message["result"]

    def wait(self, event=None):
        """The next message, or with `event` the next event of that name; events are kept."""
        while True:
            message = self._message()
            if "method" in message:
                self.events.append(message)
                if event is not None and message["method"] != event:
                    continue
            return message


def colours(png):
    """The distinct colours of an 8-bit RGB or RGBA PNG (what Chromium's screenshots are)."""
    chunks, pos = {}, 8
    while pos < len(png):
        n, kind = struct.unpack(">I4s", png[pos:pos + 8])
        chunks.setdefault(kind, []).append(png[pos + 8:pos + 8 + n])
        pos += 12 + n
    width, height, depth, colour_type = struct.unpack(">IIBB", chunks[b"IHDR"][0][:10])
    assert depth == 8 and colour_type in (2, 6), (depth, colour_type)
    bpp = 3 if colour_type == 2 else 4
    raw, stride, prev, seen = zlib.decompress(b"".join(chunks[b"IDAT"])), width * bpp, None, set()
    for y in range(0, height):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        up = prev or bytearray(stride)
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = up[i], up[i - bpp] if i >= bpp else 0
            p = a + b - c
            pred = [0, a, b, (a + b) // 2,
                    a if abs(p - a) <= abs(p - b) and abs(p - a) <= abs(p - c)
                    else b if abs(p - b) <= abs(p - c) else c][f]
            line[i] = (line[i] + pred) & 0xFF
        prev = line
        if y % 8 == 0:
            seen.update(bytes(line[i:i + bpp]) for i in range(0, stride, bpp * 4))
    return len(seen)


def open_browser(profile):
    browser = subprocess.Popen(
        [CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
         "--no-first-run", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--proxy-server=127.0.0.1:9", "--remote-debugging-port=0",
         f"--user-data-dir={profile}", "--window-size=1280,2000", "about:blank"],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    for line in browser.stderr:
        found = re.search(r"DevTools listening on ws://([^/]+)/", line)
        if found:
            targets = json.load(urllib.request.urlopen(f"http://{found[1]}/json/list", timeout=10))
            page = next(t for t in targets if t["type"] == "page")
            return browser, DevTools(page["webSocketDebuggerUrl"])
    raise RuntimeError("chromium ended before its DevTools were ready")


def load(tab, path):
    tab.events.clear()
    tab.call("Page.navigate", url=path.as_uri())
    tab.wait("Page.loadEventFired")
    return tab.events


SIZES = """JSON.stringify([...document.querySelectorAll('svg')].map(s => {
  const r = s.getBoundingClientRect();
  return [r.width, r.height, s.querySelectorAll('polyline,rect,circle,path').length]; }))"""


def check(tab, run):
    faults = []
    events = load(tab, run / "report_report.html")
    for e in events:
        p = e["params"]
        if e["method"] == "Runtime.consoleAPICalled" and p["type"] == "error" or \
                e["method"] in ("Runtime.exceptionThrown",) or \
                e["method"] == "Log.entryAdded" and p["entry"]["level"] == "error":
            faults.append(f"console error: {json.dumps(p)[:300]}")
        if e["method"] == "Network.requestWillBeSent" and \
                not p["request"]["url"].startswith(("file:", "data:")):
            faults.append(f"the page fetches {p['request']['url']}")
    sizes = json.loads(tab.call("Runtime.evaluate", expression=SIZES)["result"]["value"])
    if len(sizes) != PLOTS:
        faults.append(f"{len(sizes)} plots drawn, {PLOTS} expected")
    faults += [f"plot {k + 1} drawn as {s}" for k, s in enumerate(sizes) if min(s) <= 0]
    shot = base64.b64decode(tab.call("Page.captureScreenshot", format="png")["data"])
    if colours(shot) < 8:
        faults.append("the screenshot of the page is blank")
    load(tab, run / "rows.png")
    size = tab.call("Runtime.evaluate", returnByValue=True, expression=
                    "[document.images[0].naturalWidth, document.images[0].naturalHeight]")
    if size["result"]["value"] != [501, 501]:
        faults.append(f"the map opens as {size['result']['value']}, not 501 x 501")
    return faults


def main():
    if not os.access(CHROMIUM, os.X_OK):
        print(f"SKIPPED: no Chromium at {CHROMIUM} (Debian package chromium; `make setup` "
              "installs it)")
        return 77
    bin_dir = Path(sys.argv[1]).resolve()
    with tempfile.TemporaryDirectory(prefix="browser-") as scratch:
        run, profile = Path(scratch) / "demo", Path(scratch) / "profile"
        subprocess.run(["sh", str(REPO / "examples/demo.sh"), str(bin_dir), str(run)],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=120)
        browser, tab = open_browser(profile)
        try:
            for domain in ("Page", "Runtime", "Log", "Network"):
                tab.call(f"{domain}.enable")
            faults = check(tab, run)
        finally:
            browser.kill()
            browser.wait()
    for fault in faults:
        print(fault)
    print("browser test:", "FAILED" if faults else "passed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
