#!/usr/bin/python3
"""Plays the web version in headless Chromium, offline, against a local server on 127.0.0.1,
through the real page: mouse and key events on the canvas, canvas samples, the log, a
download, a reload. Prints the start-up time, the frame rate and the passes' 95th
percentile (real time, reported only) and checks the gzipped download's size.
Usage: web_test.py WEB_FOLDER [WORK_FOLDER]. Exit 0 passed, 1 failed, 77 no chromium."""

import gzip
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import DevTools  # noqa: E402

PLAYER = "/home/web_user/.local"
HISTORY = PLAYER + "/state/bubble-hush/console_history.txt"
# The developer console's window on the screen (x, y, w, h).
CONSOLE_RECT = (10, 10, 400, 200)
failures = []
# The page under test, for the report of a failure.
PAGE = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for(what, predicate, timeout, step=0.05):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    raise TimeoutError(what)


# Samples of the canvas: a grid of pixels (x, y, r, g, b) over a rectangle.
SAMPLE_JS = """(function(x0, y0, w, h, step) {
  var c = Module.canvas.getContext('2d');
  var data = c.getImageData(x0, y0, w, h).data, out = [];
  for (var y = 0; y < h; y += step)
    for (var x = 0; x < w; x += step) {
      var i = (y * w + x) * 4;
      out.push([x0 + x, y0 + y, data[i], data[i + 1], data[i + 2]]);
    }
  return out;
})"""


def samples(page, rect=(0, 0, 800, 600), step=10):
    return page.evaluate(f"{SAMPLE_JS}({rect[0]}, {rect[1]}, {rect[2]}, {rect[3]}, {step})")


def differing(a, b):
    return sum(1 for p, q in zip(a, b) if p[2:] != q[2:])


def blank(picture):
    return len({tuple(p[2:]) for p in picture}) <= 1


def canvas_origin(page):
    box = page.evaluate("(function(){var r = Module.canvas.getBoundingClientRect();"
                        "return [r.left, r.top];})()")
    return box[0], box[1]


def click(page, x, y):
    left, top = canvas_origin(page)
    at = {"x": left + x, "y": top + y}
    page.call("Input.dispatchMouseEvent", type="mouseMoved", **at)
    page.call("Input.dispatchMouseEvent", type="mousePressed", button="left", clickCount=1, **at)
    page.call("Input.dispatchMouseEvent", type="mouseReleased", button="left", clickCount=1, **at)


def point(page, x, y):
    left, top = canvas_origin(page)
    page.call("Input.dispatchMouseEvent", type="mouseMoved", x=left + x, y=top + y)


KEYS = {"F1": 112, "F12": 123, "Enter": 13, "Escape": 27}


def key(page, name, text=None):
    code = KEYS.get(name, ord(name.upper()) if len(name) == 1 else 0)
    common = {"key": name, "code": name if len(name) > 1 else "Key" + name.upper(),
              "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code}
    down = dict(common, type="keyDown" if text is None else "keyDown")
    if text is not None:
        down["text"] = text
    page.call("Input.dispatchKeyEvent", **down)
    page.call("Input.dispatchKeyEvent", type="keyUp", **common)


def settle(seconds):
    time.sleep(seconds)


def start_page(page, url):
    page.call("Page.navigate", url=url)
    wait_for("the program to start", lambda: page.evaluate(
        "typeof Module === 'object' && !!Module.passes && Module.passes.count > 0"), 30)
    return wait_for("the first picture", lambda: page.evaluate("Module.passes.firstPicture"), 30)


# Breaks two packed files after the data has arrived and before the program starts.
BROKEN_FILES = ("background.png", "fan_hit.wav")
BREAK_DATA_JS = """
Object.defineProperty(window, 'Module', {configurable: true, set: function(m) {
  delete window.Module;
  window.Module = m;
  var init = m.onRuntimeInitialized;
  m.onRuntimeInitialized = function() {
    FS.writeFile('/game/data/gfx/background.png', 'garbage, not a picture');
    FS.unlink('/game/data/sfx/fan_hit.wav');
    if (init) init();
  };
}});
"""


def page_output(page, limit=40):
    """The page's last console lines and uncaught exceptions, for a failure's report."""
    lines = []
    for event in page.events:
        if event.get("method") == "Runtime.consoleAPICalled":
            args = event["params"].get("args", [])
            lines.append(" ".join(str(a.get("value", a.get("description", ""))) for a in args))
        elif event.get("method") == "Runtime.exceptionThrown":
            details = event["params"]["exceptionDetails"]
            lines.append("exception: " + str(details.get("exception", {}).get("description",
                                                                            details.get("text"))))
    return lines[-limit:]


def gzipped_size(folder):
    sizes = {}
    for name in ("bubble-hush.js", "bubble-hush.wasm", "bubble-hush.data"):
        with open(os.path.join(folder, name), "rb") as f:
            sizes[name] = len(gzip.compress(f.read(), 9))
    return sizes


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    folder = os.path.abspath(sys.argv[1])
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    if chromium is None:
        print("SKIP: chromium is not installed (scripts/install-deps.sh --test installs it)")
        return 77
    if not os.path.exists(os.path.join(folder, "index.html")):
        print(f"FAIL: no web build in {folder} (scripts/build-web.sh makes it)")
        return 1
    work = tempfile.mkdtemp(prefix="tolm-web-", dir=sys.argv[2] if len(sys.argv) > 2 else None)
    port = free_port()
    server = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind",
                               "127.0.0.1", "--directory", folder],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    profile = os.path.join(work, "profile")
    browser_log = open(os.path.join(work, "chromium.log"), "w")
    browser = subprocess.Popen(
        [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
         "--no-first-run", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--mute-audio",
         "--remote-debugging-port=0", "--remote-debugging-address=127.0.0.1",
         f"--user-data-dir={profile}", "--window-size=1000,900", "about:blank"],
        stdout=browser_log, stderr=subprocess.STDOUT)
    try:
        return run(folder, port, profile, work)
    except (TimeoutError, RuntimeError, ConnectionError, OSError) as error:
        check(False, f"the page ran to the end ({type(error).__name__}: {error})")
        if PAGE:
            print("The page's last output:\n  " + "\n  ".join(page_output(PAGE[0])))
        return 1
    finally:
        browser.terminate()
        server.terminate()
        browser.wait(10)
        server.wait(10)
        print(f"(the browser's output is in {browser_log.name})")


def run(folder, port, profile, work):
    active = os.path.join(profile, "DevToolsActivePort")
    wait_for("Chromium's DevTools port", lambda: os.path.exists(active) and
             open(active).read().count("\n") >= 1, 30)
    devtools_port = int(open(active).read().split("\n")[0])
    wait_for("the server", lambda: socket.create_connection(("127.0.0.1", port), 1).close() or True, 10)
    targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{devtools_port}/json/list"))
    ws = next(t["webSocketDebuggerUrl"] for t in targets if t.get("type") == "page")
    page = DevTools(ws)
    PAGE.append(page)
    page.call("Page.enable")
    page.call("Runtime.enable")
    url = f"http://127.0.0.1:{port}/index.html"

    first_picture = start_page(page, url)
    settle(0.5)
    title = samples(page)
    check(not blank(title), "the title is drawn (the canvas is not blank)")
    check(page.evaluate("document.getElementById('message').textContent") == "",
          "the page shows no message over the game")

    click(page, 400, 300)
    settle(1.0)
    # The browser starts sound only after a gesture: the click on the title.
    check(page.evaluate("!!SDL.audioContext && SDL.audioContext.state") == "running",
          "the click on the title starts the sound")
    check(page.evaluate("SDL.audios.filter(function(a){return a && a.webAudio && "
                        "a.webAudio.decodedBuffer}).length") == 8,
          "the eight sound effects are decoded")
    help_picture = samples(page)
    check(not blank(help_picture) and differing(title, help_picture) > 200,
          "a click leaves the title")
    click(page, 400, 300)
    settle(1.5)
    level = samples(page)
    check(not blank(level) and differing(help_picture, level) > 200,
          "the help and level-1 pictures differ")

    # In play: the pointer over the left character, then the figures over 3 s.
    point(page, 150, 500)
    count0, t0 = page.evaluate("Module.passes.count"), time.monotonic()
    settle(3.0)
    count1, t1 = page.evaluate("Module.passes.count"), time.monotonic()
    fps = (count1 - count0) / (t1 - t0)
    later = samples(page)
    check(differing(level, later) > 0, "the level animates between two samples")
    times = sorted(page.evaluate("Module.passes.times.slice(-150)"))
    p95 = times[int(len(times) * 0.95) - 1] if times else float("nan")

    log = page.evaluate("Module.readLog()")
    check("LevelScore 0" in log, "log.txt holds \"LevelScore 0\"")
    errors = [line for line in log.splitlines() if "[ERROR]" in line]
    check(not errors, "log.txt holds no [ERROR] line" + (": " + errors[0] if errors else ""))

    # F12: the screenshot leaves as a PNG download.
    downloads = os.path.join(work, "downloads")
    os.makedirs(downloads)
    page.call("Page.setDownloadBehavior", behavior="allow", downloadPath=downloads)
    key(page, "F12")
    try:
        shot = wait_for("the screenshot's download", lambda: [
            n for n in os.listdir(downloads) if n.endswith(".png")], 10)
        with open(os.path.join(downloads, shot[0]), "rb") as f:
            head = f.read(24)
        check(head[:8] == b"\x89PNG\r\n\x1a\n" and head[16:24] == bytes.fromhex("0000032000000258"),
              "F12 gives an 800 x 600 PNG download")
    except TimeoutError:
        check(False, "F12 gives an 800 x 600 PNG download")

    before = samples(page, CONSOLE_RECT, 4)
    key(page, "F1")
    settle(0.5)
    after = samples(page, CONSOLE_RECT, 4)
    # The console's window covers its rectangle; the bubbles behind change only a few pixels.
    check(differing(before, after) > len(before) * 0.7,
          "F1 opens the console (most of its rectangle changes)")

    # A line typed into the console is kept in its history, which must outlive a reload.
    for letter in "hello":
        key(page, letter, letter)
    key(page, "Enter", "\r")
    wait_for("the history to be written", lambda: "hello" in page.evaluate(
        f"(function(){{try{{return FS.readFile('{HISTORY}',{{encoding:'utf8'}})}}"
        "catch(e){return ''}})()"), 5)
    settle(1.0)
    start_page(page, url)
    kept = page.evaluate(f"(function(){{try{{return FS.readFile('{HISTORY}',{{encoding:'utf8'}})}}"
                         "catch(e){return ''}})()")
    check("hello" in kept, "the console history outlives a reload of the page")

    # Escape ends the game, and the page says so instead of going blank.
    key(page, "Escape")
    try:
        ended = wait_for("the end message", lambda: "ended" in page.evaluate(
            "document.getElementById('message').textContent"), 5)
    except TimeoutError:
        ended = False
    check(ended, "Escape ends the game and the page says so")

    # Broken packed data: a picture of garbage and a missing sound each give their log line,
    # and the game still starts.
    broken = page.call("Page.addScriptToEvaluateOnNewDocument", source=BREAK_DATA_JS)
    start_page(page, url)
    settle(0.5)
    log = page.evaluate("Module.readLog()")
    check(not blank(samples(page)) and all(name in log for name in BROKEN_FILES),
          "broken packed data gives its log lines and the game goes on")
    page.call("Page.removeScriptToEvaluateOnNewDocument", identifier=broken["identifier"])

    # A browser without WebAssembly gets a clear message.
    page.call("Page.addScriptToEvaluateOnNewDocument", source="delete window.WebAssembly;")
    page.call("Page.navigate", url=url)
    try:
        said = wait_for("the message", lambda: "WebAssembly" in (page.evaluate(
            "(document.getElementById('message') || {}).textContent") or ""), 10)
    except TimeoutError:
        said = False
    check(said, "without WebAssembly the page says the game cannot run")

    sizes = gzipped_size(folder)
    total = sum(sizes.values())
    print(f"figure: start-up to the first title frame {first_picture:.0f} ms (at most 1000)")
    print(f"figure: frames per second in play {fps:.1f} (at least 58)")
    print(f"figure: 95th percentile of a pass {p95:.2f} ms (under 4)")
    print(f"figure: gzipped download {total} bytes (" +
          ", ".join(f"{n} {s}" for n, s in sizes.items()) + "; at most 1200000)")
    # Timings are reported, not asserted: a loaded machine must not fail the test.
    for name, value, good in (("start-up", first_picture, first_picture <= 1000),
                              ("frame rate", fps, fps >= 58), ("pass time", p95, p95 < 4)):
        if not good:
            print(f"note: the {name} figure {value:.1f} is outside its aim on this run")
    check(total <= 1200000, "the gzipped download at most 1.2 MB")
    page.close()
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
