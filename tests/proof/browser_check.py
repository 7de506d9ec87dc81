#!/usr/bin/env python3
"""Opens a local web page in Debian's chromium, headless, and tells whether it loaded cleanly:
no console error, no uncaught exception, no failed request, every image loaded, and every link
pointing at a file that exists. Prints what it found; exit status 0 when all is well, 1 when
not, 2 when the browser could not be driven.

usage: browser_check.py PAGE.html [--images N]   (N: how many images the page must show)
"""
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse

CHROMIUM = "/usr/bin/chromium"
# Headless as root on a machine without a network: no sandbox, nothing that calls home.
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-pipe"]
TIMEOUT_S = 60

# What the page reports about itself once it has loaded.
SURVEY = """JSON.stringify({
  images: Array.from(document.images).map(i => ({src: i.src, complete: i.complete, width: i.naturalWidth})),
  links: Array.from(document.querySelectorAll('a[href]')).map(a => a.href)
})"""


class Browser:
    """Chromium driven over its DevTools pipe: file descriptor 3 carries commands in, 4 replies out,
    each message JSON ended by a NUL byte."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="rozeva-browser-")
        commands_read, self.commands = os.pipe()
        self.replies, replies_write = os.pipe()

        def as_fds_3_and_4():
            # Past any descriptor in the way first, so the two moves cannot overwrite each other.
            high_in = fcntl.fcntl(commands_read, fcntl.F_DUPFD, 10)
            high_out = fcntl.fcntl(replies_write, fcntl.F_DUPFD, 10)
            os.dup2(high_in, 3)
            os.dup2(high_out, 4)

        self.process = subprocess.Popen(
            [CHROMIUM] + FLAGS + ["--user-data-dir=" + self.profile, "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=as_fds_3_and_4, pass_fds=(3, 4))
        os.close(commands_read)
        os.close(replies_write)
        self.buffer = b""
        self.last_id = 0
        self.events = []

    def close(self):
        try:
            self.send("Browser.close")
        except (OSError, RuntimeError):
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def _next_message(self, deadline):
        while b"\0" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0:
                raise RuntimeError("the browser did not answer in time")
            ready, _, _ = select.select([self.replies], [], [], left)
            if ready:
                chunk = os.read(self.replies, 65536)
                if not chunk:
                    raise RuntimeError("the browser went away")
                self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def wait_for(self, wanted):
        deadline = time.monotonic() + TIMEOUT_S
        while True:
            message = self._next_message(deadline)
            if wanted(message):
                return message
            if "method" in message:
                self.events.append(message)

    def send(self, method, params=None, session=None):
        self.last_id += 1
        command = {"id": self.last_id, "method": method, "params": params or {}}
        if session:
            command["sessionId"] = session
        os.write(self.commands, json.dumps(command).encode() + b"\0")
        sent = self.last_id
        reply = self.wait_for(lambda m: m.get("id") == sent)
        if "error" in reply:
            raise RuntimeError(method + ": " + json.dumps(reply["error"]))
        return reply.get("result", {})


def problems_of(events):
    problems = []
    for event in events:
        method, params = event["method"], event.get("params", {})
        if method == "Runtime.exceptionThrown":
            problems.append("exception: " + params["exceptionDetails"].get("text", ""))
        elif method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            problems.append("console " + params["type"] + ": " +
                            " ".join(str(a.get("value", a.get("description", ""))) for a in params.get("args", [])))
        elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
            problems.append("console error: " + params["entry"].get("text", ""))
        elif method == "Network.loadingFailed":
            problems.append("failed request: " + params.get("errorText", ""))
    return problems


def survey_problems(survey, expected_images):
    problems = []
    for image in survey["images"]:
        if not image["complete"] or image["width"] == 0:
            problems.append("image not loaded: " + image["src"])
    if expected_images is not None and len(survey["images"]) != expected_images:
        problems.append("%d images, not %d" % (len(survey["images"]), expected_images))
    for link in survey["links"]:
        url = urllib.parse.urlparse(link)
        if url.scheme == "file" and not os.path.isfile(urllib.parse.unquote(url.path)):
            problems.append("link to a missing file: " + link)
    return problems


def main():
    arguments = sys.argv[1:]
    expected_images = None
    if "--images" in arguments:
        at = arguments.index("--images")
        expected_images = int(arguments[at + 1])
        del arguments[at:at + 2]
    if len(arguments) != 1:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    url = "file://" + urllib.parse.quote(os.path.abspath(arguments[0]))
    browser = Browser()
    try:
        target = browser.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = browser.send("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        for domain in ("Page", "Runtime", "Log", "Network"):
            browser.send(domain + ".enable", session=session)
        browser.send("Page.navigate", {"url": url}, session=session)
        browser.wait_for(lambda m: m.get("method") == "Page.loadEventFired" and m.get("sessionId") == session)
        result = browser.send("Runtime.evaluate", {"expression": SURVEY, "returnByValue": True}, session=session)
        survey = json.loads(result["result"]["value"])
    except (OSError, RuntimeError, KeyError, ValueError) as problem:
        print("browser_check: cannot drive chromium: %s" % problem, file=sys.stderr)
        return 2
    finally:
        browser.close()
    problems = problems_of(browser.events) + survey_problems(survey, expected_images)
    for problem in problems:
        print(problem)
    print("browser_check: %s: %d images, %d links, %d problems" %
          (arguments[0], len(survey["images"]), len(survey["links"]), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
