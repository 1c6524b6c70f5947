#!/usr/bin/python3
"""The players' page in a real browser (Debian's headless Chromium through chromium-driver):
the program runs on a virtual display with --web; the page follows three draws, a dropped
connection (the service turned off, a number drawn meanwhile, turned on again), a card code
entered and marked, the hall's board switched to the cards' columns (F8 in the players' display)
and a Reset, in a phone's portrait (390x844) and on a desktop (1920x1080); screenshots go to the
folder given.
Run by scripts/browser-check.sh; not part of make test (it needs Chromium and takes ~40 s)."""

import csv
import http.server
import json
import socketserver
import subprocess
import threading
import sys
import time
import urllib.error
import urllib.request

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.common.exceptions import StaleElementReferenceException
from selenium.webdriver.common.by import By

port, window, shots, cards_csv = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
base = f"http://127.0.0.1:{port}"


def state():
    with urllib.request.urlopen(base + "/state", timeout=2) as answer:
        return json.load(answer)


def click(x, y):
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"], check=True)


def key(name):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", name], check=True)


def draw(service_on=True):
    if not service_on:
        click(711, 523)
        time.sleep(4)
        return
    before = state()["count"]
    click(711, 523)
    deadline = time.time() + 10
    while state()["count"] == before and time.time() < deadline:
        time.sleep(0.1)


def browser(width, height):
    options = Options()
    options.add_argument("--headless=new")
    options.add_argument("--no-sandbox")
    options.add_argument(f"--window-size={width},{height}")
    page = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # Headless windows are at least 500 wide; a phone's viewport is set exactly.
    page.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                         {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 700})
    return page


def shown(page):
    # The page redraws its lists on every event; an element read while it is replaced is read again.
    for _ in range(5):
        try:
            return read_page(page)
        except StaleElementReferenceException:
            time.sleep(0.1)
    return read_page(page)


def read_page(page):
    return (page.find_element(By.ID, "current").text, page.find_element(By.ID, "count").text,
            [e.text for e in page.find_elements(By.CSS_SELECTOR, "#recent li")],
            len(page.find_elements(By.CSS_SELECTOR, "#board span.lit")))


def expect_follows(page, what):
    s = state()
    want = (str(s["newest"]) if s["newest"] is not None else "--", f"{s['count']} / {s['numMax']}",
            [str(n) for n in s["called"][-6:-1][::-1]], s["count"])
    deadline = time.time() + 8
    while shown(page) != want and time.time() < deadline:
        time.sleep(0.1)
    got = shown(page)
    print(f"{what}: page shows {got}, state {want}: {'ok' if got == want else 'WRONG'}")
    return got == want


def expect_bands(page, what):
    """The board as the hall's columns for 75: rows labelled B I N G O, 16 (the first of I) right
    under 1, 75 (the last of O) under 15, every number once."""
    deadline = time.time() + 8
    while len(page.find_elements(By.CSS_SELECTOR, "#board.bands b")) != 5 and time.time() < deadline:
        time.sleep(0.1)
    labels = "".join(e.text for e in page.find_elements(By.CSS_SELECTOR, "#board.bands b"))
    at = {n: page.find_element(By.CSS_SELECTOR, f'#board span[data-n="{n}"]').location for n in (1, 15, 16, 75)}
    numbers = sorted(int(e.text) for e in page.find_elements(By.CSS_SELECTOR, "#board span"))
    ok = (labels == "BINGO" and at[16]["x"] == at[1]["x"] and at[16]["y"] > at[1]["y"]
          and at[75]["x"] == at[15]["x"] and at[75]["y"] > at[16]["y"] and numbers == list(range(1, 76)))
    print(f"{what}: labels {labels!r}, 1 at {at[1]}, 16 at {at[16]}, 15 at {at[15]}, 75 at {at[75]}: "
          f"{'ok' if ok else 'WRONG'}")
    return ok


class CardProxy(http.server.BaseHTTPRequestHandler):
    """Passes everything to the program, and answers /card/TEST-1 itself: a 2x2 card whose top
    row holds the first two numbers called, so that row is a line (the bingo banner, which a real
    card seldom shows after a few random draws), one number not called, and a free cell."""

    def do_GET(self):
        if self.path.startswith("/card/"):
            if self.path != "/card/TEST-1":
                self.send_error(404)
                return
            called = state()["called"]
            spare = next(n for n in range(1, 76) if n not in called)
            body = json.dumps({"code": "TEST-1", "columns": 2, "rows": 2,
                               "cells": [called[0], called[1], spare, None]}).encode()
            self.send_response(200)
            self.send_header("Content-Type", "application/json")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        try:
            upstream = urllib.request.urlopen(base + self.path, timeout=60)
        except urllib.error.HTTPError as refused:
            self.send_error(refused.code)
            return
        self.send_response(upstream.status)
        for name in ("Content-Type", "Content-Security-Policy", "Cache-Control"):
            if upstream.headers.get(name):
                self.send_header(name, upstream.headers[name])
        self.end_headers()
        try:
            while True:
                chunk = upstream.read1(65536) if hasattr(upstream, "read1") else upstream.read(1)
                if not chunk:
                    break
                self.wfile.write(chunk)
                self.wfile.flush()
        except OSError:
            pass

    def log_message(self, *args):
        pass


class ThreadingServer(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


proxy = ThreadingServer(("127.0.0.1", 0), CardProxy)
threading.Thread(target=proxy.serve_forever, daemon=True).start()
proxy_base = f"http://127.0.0.1:{proxy.server_address[1]}"

failures = 0
phone = browser(390, 844)
desktop = browser(1920, 1080)
overlay = browser(1280, 720)
try:
    for page in (phone, desktop):
        page.get(base + "/")
    overlay.get(base + "/overlay")
    failures += not expect_follows(phone, "first load")
    # The page's split of 1 ... numMax into the cards' columns against one made here: every
    # number dealt in turn to the five columns gives their sizes, the longer ones first.
    wrong = []
    for n in range(1, 121):
        want = None
        if 25 <= n <= 99:
            sizes = [len(range(c, n, 5)) for c in range(5)]
            firsts = [1 + sum(sizes[:c]) for c in range(5)]
            want = [[firsts[c], firsts[c] + sizes[c] - 1] for c in range(5)]
        if phone.execute_script(f"return columnRanges({n});") != want:
            wrong.append(n)
    print(f"the page's column ranges for 1 ... 120: {'ok' if not wrong else f'WRONG for {wrong}'}")
    failures += bool(wrong)
    for n in range(3):
        draw()
        failures += not expect_follows(phone, f"draw {n + 1} (phone)")
    failures += not expect_follows(desktop, "three draws (desktop)")
    phone.save_screenshot(f"{shots}/phone-three-draws.png")
    desktop.save_screenshot(f"{shots}/desktop-three-draws.png")
    overlay.save_screenshot(f"{shots}/overlay.png")

    key("F6")  # the connection drops
    time.sleep(1)
    draw(service_on=False)  # a number the phones miss while the service is off
    phone.save_screenshot(f"{shots}/phone-while-off.png")
    key("F6")
    failures += not expect_follows(phone, "back after a dropped connection (phone)")
    failures += not expect_follows(desktop, "back after a dropped connection (desktop)")

    card = browser(390, 844)
    try:
        card.get(proxy_base + "/")
        time.sleep(1)
        card.find_element(By.ID, "card-input").send_keys("NO-SUCH")
        card.find_element(By.CSS_SELECTOR, "#card-form button").click()
        time.sleep(1)
        unknown = card.find_element(By.ID, "card-missing").is_displayed()
        card.find_element(By.ID, "card-input").clear()
        card.find_element(By.ID, "card-input").send_keys("TEST-1")
        card.find_element(By.CSS_SELECTOR, "#card-form button").click()
        time.sleep(1.5)
        card.get(proxy_base + "/")  # the code is kept in the browser
        time.sleep(2)
        marked = [c.text for c in card.find_elements(By.CSS_SELECTOR, "#card-grid span.marked")]
        called = state()["called"]
        bingo = card.find_element(By.ID, "bingo").is_displayed()
        want = [str(called[0]), str(called[1]), card.find_element(By.ID, "card-grid").get_attribute("data-free")]
        ok = unknown and marked == want and bingo
        print(f"card: unknown code refused {unknown}, marked {marked} (want {want}), bingo banner {bingo}: "
              f"{'ok' if ok else 'WRONG'}")
        failures += not ok
        card.save_screenshot(f"{shots}/phone-card-bingo.png")
    finally:
        card.quit()

    # A real card of the program (printed to the CSV beside it), asked of the program itself:
    # every called number of it and the free centre marked, nothing else.
    with open(cards_csv, encoding="utf-8-sig", newline="") as rows:
        printed = next(row for row in csv.reader(rows) if len(row) == 26 and "-" in row[0])
    code, cells = printed[0], [int(cell) for cell in printed[1:]]
    card = browser(390, 844)
    try:
        card.get(base + "/")
        time.sleep(1)
        card.find_element(By.ID, "card-input").send_keys(code.lower())
        card.find_element(By.CSS_SELECTOR, "#card-form button").click()
        time.sleep(1.5)
        called = state()["called"]
        free = card.find_element(By.ID, "card-grid").get_attribute("data-free")
        on_card = [c.text for c in card.find_elements(By.CSS_SELECTOR, "#card-grid span")]
        marked = sorted(c.text for c in card.find_elements(By.CSS_SELECTOR, "#card-grid span.marked"))
        want_shown = [str(n) if n else free for n in cells]
        want_marked = sorted([str(n) for n in cells if n in called] + [free])
        heads = "".join(b.text for b in card.find_elements(By.CSS_SELECTOR, "#card-grid b"))
        ok = on_card == want_shown and marked == want_marked and heads == "BINGO"
        print(f"real card {code}: heads {heads!r}, cells as printed {on_card == want_shown}, marked {marked} "
              f"(want {want_marked}): {'ok' if ok else 'WRONG'}")
        failures += not ok
        card.save_screenshot(f"{shots}/phone-real-card.png")
    finally:
        card.quit()

    # The hall lays its board out in the cards' columns (F8 in the players' display): the pages
    # follow, as one more change with a larger seq, and draw five labelled rows B I N G O.
    before = state()
    key("F5")
    audience = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name", "表示"],
                              capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", audience, "key", "F8"], check=True)
    time.sleep(1)
    key("F5")  # closed again: the operator's window is free for the Reset below
    after = state()
    ok = before.get("columns") is False and after.get("columns") is True and after["seq"] > before["seq"]
    print(f"F8 in the hall: columns {before.get('columns')} -> {after.get('columns')}, "
          f"seq {before['seq']} -> {after['seq']}: {'ok' if ok else 'WRONG'}")
    failures += not ok
    for name, page in (("phone", phone), ("desktop", desktop)):
        failures += not expect_bands(page, name)
    for name, (width, height) in (("phone", (390, 844)), ("desktop", (1920, 1080))):
        card = browser(width, height)
        try:
            card.get(proxy_base + "/")
            time.sleep(1)
            card.find_element(By.ID, "card-input").send_keys("TEST-1")
            card.find_element(By.CSS_SELECTOR, "#card-form button").click()
            time.sleep(1.5)
            failures += not expect_bands(card, f"{name} with a card")
            marked = len(card.find_elements(By.CSS_SELECTOR, "#card-grid span.marked"))
            print(f"{name} with a card: {marked} cells marked: {'ok' if marked == 3 else 'WRONG'}")
            failures += marked != 3
            card.save_screenshot(f"{shots}/{name}-columns-card.png")
            card.find_element(By.ID, "board").screenshot(f"{shots}/{name}-columns-board.png")
        finally:
            card.quit()

    click(534, 543)  # Reset, and Yes to its question
    time.sleep(1)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    time.sleep(1)
    failures += not expect_follows(phone, "Reset (phone)")
    phone.save_screenshot(f"{shots}/phone-after-reset.png")
    desktop.save_screenshot(f"{shots}/desktop-after-reset.png")
    errors = [e for e in phone.get_log("browser") if e["level"] == "SEVERE" and "/events" not in e["message"]]
    print(f"console errors: {errors}")
    failures += len(errors)
finally:
    for page in (phone, desktop, overlay):
        page.quit()
print("browser check: " + ("passed" if failures == 0 else f"{failures} FAILED"))
sys.exit(1 if failures else 0)
