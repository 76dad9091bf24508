#!/usr/bin/env python3
"""Checks the pages of "zrvtemplate preview" outside the test executables.

  preview_pages.py html TOOL TEMPLATES
      The page of every sample and broken sample is well-formed HTML (Python's
      parser: every element closed in order, no stray '<' or '&') and, where
      Debian's tidy is installed, tidy finds neither errors nor warnings.

  preview_pages.py browser TOOL TEMPLATES
      Renders pages in headless Chromium at 1280 px width (exit 77, a skip,
      when Chromium is not installed). A copy of each page gets a measuring
      script that the page itself never has; --dump-dom prints the DOM after
      it ran. The test checks the rendered text and that no text and no
      element reaches outside its card. A screenshot of the UnknownItemKey
      sample is checked (1280 px wide, the header band drawn) and copied to
      the file that the environment variable ZRV_PREVIEW_SCREENSHOT names.
"""
import html.parser
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

VOID = {"meta", "br", "link", "img", "hr", "input"}


class Balance(html.parser.HTMLParser):
    """Keeps the stack of open elements; records what is out of place."""

    def __init__(self):
        super().__init__(convert_charrefs=False)
        self.stack, self.problems = [], []

    def handle_starttag(self, tag, attrs):
        if tag not in VOID:
            self.stack.append(tag)

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            self.problems.append(f"</{tag}> closes {self.stack[-1:]}, line {self.getpos()[0]}")
        else:
            self.stack.pop()

    def handle_data(self, data):
        if "<" in data or "&" in data:
            self.problems.append(f"unescaped text {data[:40]!r}, line {self.getpos()[0]}")


def samples(root):
    for folder in (root, os.path.join(root, "broken")):
        for name in sorted(os.listdir(folder)):
            if name.endswith(".csv"):
                yield os.path.join(folder, name)


def preview(tool, template, page, cwd=None):
    done = subprocess.run([tool, "preview", template, "-o", page], capture_output=True, text=True,
                          cwd=cwd)
    if done.returncode != 0:
        sys.exit(f"preview {template} exited {done.returncode}: {done.stderr}")
    with open(page, encoding="utf-8") as f:
        return f.read()


def check_html(tool, root, work):
    tidy = shutil.which("tidy")
    failures, count = [], 0
    for template in samples(root):
        page = os.path.join(work, "page.html")
        text = preview(tool, template, page)
        parser = Balance()
        parser.feed(text)
        parser.close()
        problems = parser.problems + ([f"left open: {parser.stack}"] if parser.stack else [])
        if tidy:
            done = subprocess.run([tidy, "-q", "-e", "-utf8", page], capture_output=True, text=True)
            if done.returncode != 0:
                problems.append("tidy: " + done.stderr.strip())
        failures += [f"{template}: {p}" for p in problems]
        count += 1
    if count < 30:
        failures.append(f"only {count} samples found in {root}")
    print(f"{count} pages checked" + ("" if tidy else " (tidy not installed: parser only)"))
    return failures


MEASURE = """<script>
(function () {
  var bad = [];
  function inside(r, box, what) {
    if (r.width === 0 && r.height === 0) return;
    if (r.left < box.left - 0.5 || r.right > box.right + 0.5)
      bad.push(what + " at " + Math.round(r.left) + "-" + Math.round(r.right) +
               " outside " + Math.round(box.left) + "-" + Math.round(box.right));
  }
  document.querySelectorAll(".card, .block, .report-header").forEach(function (card) {
    var box = card.getBoundingClientRect();
    card.querySelectorAll("*").forEach(function (el) {
      inside(el.getBoundingClientRect(), box, el.tagName + " in " + card.className);
    });
    var walk = document.createTreeWalker(card, NodeFilter.SHOW_TEXT);
    for (var node; (node = walk.nextNode());) {
      var range = document.createRange();
      range.selectNodeContents(node);
      inside(range.getBoundingClientRect(), box,
             JSON.stringify(node.textContent.slice(0, 30)) + " in " + card.className);
    }
  });
  var out = document.createElement("pre");
  out.id = "zrv-measure";
  out.textContent = JSON.stringify({
    width: document.documentElement.clientWidth,
    scrollWidth: document.documentElement.scrollWidth,
    cards: document.querySelectorAll(".card").length,
    bad: bad,
    text: document.body.innerText
  });
  document.body.appendChild(out);
})();
</script>
"""


def chromium(binary, profile, *args):
    command = [binary, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
               "--no-first-run", "--disable-background-networking",
               "--disable-component-update", "--disable-sync", "--hide-scrollbars",
               f"--user-data-dir={profile}", *args]
    return subprocess.run(command, capture_output=True, text=True, timeout=120)


def png_pixels(path):
    """Width, height and rows of RGB(A) tuples of an 8-bit, non-interlaced PNG."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    assert depth == 8 and colour in (2, 6) and interlace == 0, "unexpected PNG form"
    step = 3 if colour == 2 else 4
    raw, stride, rows, prev = zlib.decompress(idat), width * step, [], bytearray(width * step)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - step] if x >= step else 0
            b, c = prev[x], prev[x - step] if x >= step else 0
            if kind == 1: line[x] = (line[x] + a) & 255
            elif kind == 2: line[x] = (line[x] + b) & 255
            elif kind == 3: line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, step)])
        prev = line
    return width, height, rows


def check_browser(tool, root, work, screenshot):
    binary = shutil.which("chromium") or shutil.which("chromium-browser")
    if not binary:
        print("chromium is not installed: browser test skipped")
        sys.exit(77)
    failures = []
    # A name far wider than a quarter card, with no place to break a line.
    stress = os.path.join(work, "LongNames.csv")
    with open(os.path.join(root, "broken", "UnknownItemKey.csv"), encoding="utf-8") as f:
        text = f.read().replace("Iso_Front", "Iso_" + "Front" * 40)
    with open(stress, "w", encoding="utf-8", newline="") as f:
        f.write(text.replace("Name,Broken sample", "Name,Ω<型>&" + "W" * 150))
    cases = {
        os.path.join(root, "SolidInjection.csv"):
            ["Report template preview", "[FlowResult]", "XY_SpruePressure", "Page 6"],
        os.path.join(root, "broken", "UnknownItemKey.csv"):
            ["Broken sample", "Meltfronttime", "line 72, passed over", "did you mean"],
        stress: ["Ω<型>&WWW", "Iso_FrontFront"],
    }
    for index, (template, expected) in enumerate(cases.items()):
        page = os.path.join(work, f"page{index}.html")
        text = preview(tool, template, page)
        measured = os.path.join(work, f"measured{index}.html")
        with open(measured, "w", encoding="utf-8") as f:
            f.write(text.replace("</body>", MEASURE + "</body>"))
        done = chromium(binary, os.path.join(work, f"profile{index}"), "--window-size=1280,900",
                        "--dump-dom", "file://" + measured)
        found = re.search(r'<pre id="zrv-measure">(.*?)</pre>', done.stdout, re.S)
        if not found:
            failures.append(f"{template}: no measurement (exit {done.returncode}): "
                            + done.stderr[-500:])
            continue
        report = json.loads(html.unescape(found.group(1)))
        name = os.path.basename(template)
        if report["width"] != 1280 or report["scrollWidth"] > 1280:
            failures.append(f"{name}: width {report['width']}, scroll width {report['scrollWidth']}")
        if report["cards"] < 5:
            failures.append(f"{name}: only {report['cards']} cards rendered")
        failures += [f"{name}: overflow: {b}" for b in report["bad"][:10]]
        rendered = report["text"].casefold()
        failures += [f"{name}: text {e!r} not rendered" for e in expected
                     if e.casefold() not in rendered]
        print(f"{name}: {report['cards']} cards, {len(report['bad'])} overflows, "
              f"{len(text)} bytes")

    shot = os.path.join(work, "preview.png")
    page = os.path.join(work, "shot.html")
    # Run from the samples' folder, so that the page names the file as
    # "broken/UnknownItemKey.csv" wherever the sources are.
    preview(tool, os.path.join("broken", "UnknownItemKey.csv"), page, cwd=root)
    chromium(binary, os.path.join(work, "profile-shot"), "--window-size=1280,2300",
             f"--screenshot={shot}", "file://" + page)
    if not os.path.exists(shot):
        return failures + ["no screenshot written"]
    width, height, rows = png_pixels(shot)
    navy = sum(1 for pixel in rows[60] if abs(pixel[0] - 0x1f) + abs(pixel[1] - 0x3a)
               + abs(pixel[2] - 0x5f) < 12)
    if width != 1280 or navy < 800:
        failures.append(f"screenshot {width}x{height}: header band {navy} px wide at row 60")
    if screenshot:
        shutil.copyfile(shot, screenshot)
        print(f"screenshot written to {screenshot}")
    return failures


def main():
    mode, tool, root = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="zrvpreview_")
    try:
        if mode == "html":
            failures = check_html(tool, root, work)
        else:
            failures = check_browser(tool, root, work, os.environ.get("ZRV_PREVIEW_SCREENSHOT", ""))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
