#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The exported web page in a real browser: Debian's Chromium, driven by chromedriver
through python3-selenium. Exports a puzzle with velloquin-cli, opens the page from
disk, checks its numbers and clues against `velloquin-cli show`, solves it with the
keyboard alone, and checks Check, the reveal buttons, Clear, progress kept over a
reload, the print layout, a phone-sized window and that no request leaves the page.
Then makes two classroom puzzles from the word lists beside PUZZLE.cwd (26 words on
17 by 17, 70 words on 30 by 30) and checks square sizes, a steady layout, the Tab
order, a page without Check and Reveal in Turkish, and the printed page.

Usage: tst_webpage_browser.py VELLOQUIN_CLI PUZZLE.cwd
Exit status 77 (skipped) when the browser or its driver is missing, except under CI
(CI=true), where that is a failure. VELLOQUIN_SCREENSHOTS=DIR keeps screenshots of the
pages at desktop, laptop, tablet and phone size, and the printed pages as PDFs.
"""

import base64
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import traceback

SKIP = 77


def unavailable(reason):
    if os.environ.get("CI", "").lower() == "true":
        print(f"FAIL: {reason}; the browser test must run in CI")
        sys.exit(1)
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


try:
    from selenium import webdriver
    from selenium.common.exceptions import WebDriverException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    unavailable("python3-selenium is not installed (Debian package python3-selenium)")


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print(f"FAIL: {what}")
    return condition


def run(args):
    done = subprocess.run(args, capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        raise RuntimeError(f"{' '.join(args)} failed ({done.returncode}): {done.stderr}")
    return done.stdout


WORD_LINE = re.compile(r"^\s+(\d+) (across|down) at \((\d+),(\d+)\): (\S+) - (.*)$")


def read_words(cli, puzzle):
    """The placed words as the program lists them, with their square numbers."""
    words = []
    for line in run([cli, "show", puzzle]).splitlines():
        m = WORD_LINE.match(line)
        if m:
            words.append({"number": int(m[1]), "down": m[2] == "down", "x": int(m[3]),
                          "y": int(m[4]), "answer": m[5].upper(),
                          "clue": m[6].replace(" / ", "\n")})
    title = re.search(r"^Title: (.*)$", run([cli, "show", puzzle]), re.M)[1]
    return title, words


def squares_of(word):
    return [(word["x"] + (0 if word["down"] else k), word["y"] + (k if word["down"] else 0))
            for k in range(len(word["answer"]))]


class Page:
    """The open page and what the test knows about its puzzle."""

    def __init__(self, driver, url, words):
        self.driver = driver
        self.url = url
        self.words = words
        # The page cuts the grid down to the squares the words use.
        self.left = min(x for w in words for x, _ in squares_of(w))
        self.top = min(y for w in words for _, y in squares_of(w))
        self.width = max(x for w in words for x, _ in squares_of(w)) - self.left + 1
        # The page's clue order: across by number, then down by number.
        self.order = sorted(words, key=lambda w: (w["down"], w["number"]))

    def square(self, x, y):
        index = (y - self.top) * self.width + (x - self.left)
        return self.driver.find_element(By.ID, f"sq-{index}")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def active_id(self):
        return self.driver.switch_to.active_element.get_attribute("id")

    def current_clue(self):
        return self.driver.find_element(By.ID, "current-clue").text

    def status(self):
        return self.driver.find_element(By.ID, "status").text

    def values(self):
        return {(x, y): self.square(x, y).get_attribute("value")
                for w in self.words for x, y in squares_of(w)}

    def tab_stops(self):
        return len(self.driver.find_elements(By.CSS_SELECTOR, "#grid input[tabindex='0']"))

    def on_square(self):
        return self.active_id().startswith("sq-")

    def resource_requests(self):
        return self.driver.execute_script(
            "return performance.getEntriesByType('resource').map(e => e.name)")


def word_name(word):
    return f"{word['number']} {'Down' if word['down'] else 'Across'}"


def check_content(page, title, html):
    d = page.driver
    check(d.title == title, f"window title {d.title!r}, expected {title!r}")
    check(d.find_element(By.TAG_NAME, "h1").text == title, "heading shows the title as text")
    check(d.find_element(By.CSS_SELECTOR, ".topic").text.startswith("Ann\u00e9e 5 \u2013"),
          "topic shown with its accented letters")
    grid = d.find_element(By.ID, "grid")
    check(grid.aria_role == "grid", f"grid role is {grid.aria_role!r}")
    for word in page.words:
        x, y = squares_of(word)[0]
        number = page.square(x, y).find_element(By.XPATH, "..").find_element(
            By.CSS_SELECTOR, ".num").text
        check(number == str(word["number"]), f"{word_name(word)} starts under number {number}")
        section = "down" if word["down"] else "across"
        items = d.find_elements(By.CSS_SELECTOR, f"section[aria-labelledby='{section}-heading'] li")
        texts = {i.find_element(By.CSS_SELECTOR, ".clue-number").text:
                 i.find_element(By.CSS_SELECTOR, ".clue-text").text for i in items}
        check(texts.get(str(word["number"])) == word["clue"],
              f"clue of {word_name(word)}: {texts.get(str(word['number']))!r}")
        # The answers are not readable in the source.
        check(not re.search(r"\b" + word["answer"] + r"\b", html, re.I),
              f"answer {word['answer']} readable in the page source")
    for section in ("across", "down"):
        numbers = [int(e.text) for e in d.find_elements(
            By.CSS_SELECTOR, f"section[aria-labelledby='{section}-heading'] .clue-number")]
        check(numbers == sorted(numbers), f"{section} clues in number order: {numbers}")
    first = page.order[0]
    name = page.square(*squares_of(first)[0]).accessible_name
    check(name == f"{word_name(first)}, letter 1 of {len(first['answer'])}",
          f"first square is named {name!r}")


def solve_with_keyboard(page):
    d = page.driver
    page.keys(Keys.TAB)  # the page was just loaded: from its start
    first = page.order[0]
    check(page.active_id() == page.square(*squares_of(first)[0]).get_attribute("id"),
          "Tab from the page start focuses the first square")
    outline = d.execute_script(
        "const s = getComputedStyle(document.activeElement);"
        "return s.outlineStyle + ' ' + s.outlineWidth")
    check(outline.startswith("solid") and not outline.endswith(" 0px"),
          f"the focused square shows an outline ({outline})")

    # Space turns the direction; arrows move; Backspace goes back.
    page.keys(Keys.SPACE)
    check(page.current_clue().startswith(f"{first['number']} Down"),
          f"Space turns to Down: {page.current_clue()!r}")
    page.keys(Keys.SPACE)
    check(page.current_clue().startswith(word_name(first)), "Space turns back to Across")
    start = page.active_id()
    page.keys(Keys.ARROW_RIGHT)
    check(page.active_id() == page.square(*squares_of(first)[1]).get_attribute("id"),
          "ArrowRight moves one square")
    page.keys(Keys.ARROW_LEFT, "x")
    check(page.square(*squares_of(first)[0]).get_attribute("value") == "X",
          "a typed letter is upper-cased")
    page.keys(Keys.BACKSPACE)
    check(page.active_id() == start and
          page.square(*squares_of(first)[0]).get_attribute("value") == "",
          "Backspace on an empty square clears the one before and stays there")

    # Every word from its first square; the last letter of the last word wrong.
    last = page.order[-1]
    for i, word in enumerate(page.order):
        if i > 0:
            page.keys(Keys.TAB)
            check(page.current_clue().startswith(word_name(word)),
                  f"Tab goes to {word_name(word)}: {page.current_clue()!r}")
            check(page.tab_stops() == 1, f"one square in the Tab order, not {page.tab_stops()}")
        letters = word["answer"].lower()
        if word is last:
            letters = letters[:-1] + ("q" if letters[-1] != "q" else "z")
        page.keys(Keys.HOME, letters)
    check("Solved" not in page.status(), "a wrong letter is not solved")

    # Tab leaves the last word for the buttons; Check marks just the wrong square.
    page.keys(Keys.TAB)
    check(page.active_id() == "check", f"Tab after the last word reaches Check, not "
                                       f"{page.active_id()!r}")
    page.keys(Keys.ENTER)
    wrong = {(x, y) for w in page.words for x, y in squares_of(w)
             if "wrong" in page.square(x, y).find_element(By.XPATH, "..").get_attribute("class")}
    check(wrong == {squares_of(last)[-1]}, f"Check marks the wrong square only: {wrong}")
    check("1 wrong letter" in page.status(), f"Check reports it: {page.status()!r}")
    name = page.square(*squares_of(last)[-1]).accessible_name
    check("marked wrong" in name, f"the wrong square says so: {name!r}")
    # The focus is back on the grid, and what Check said goes with the letter it found.
    check(page.on_square(), f"after Check the focus is on a square, not {page.active_id()!r}")
    page.keys(Keys.BACKSPACE)
    check(page.status() == "", f"the Check message goes when a letter changes: {page.status()!r}")
    page.keys("q" if last["answer"][-1] != "Q" else "z")
    return last


def reload_keeps_progress(page, last):
    before = page.values()
    page.driver.refresh()
    check(page.values() == before, "a reload keeps every letter typed")
    check(page.resource_requests() == [], "no resource requested after the reload")

    # Mend the wrong letter: Tab to the last word, End, type it.
    page.keys(Keys.TAB)
    for _ in page.order[1:]:
        page.keys(Keys.TAB)
    page.keys(Keys.END, last["answer"][-1].lower())
    status = page.driver.find_element(By.ID, "status")
    check(page.status() == "Solved!", f"the page says Solved!: {page.status()!r}")
    check(status.get_attribute("aria-live") == "polite" and status.aria_role == "status",
          "the status is a live region that screen readers announce")
    answers = {sq: w["answer"][k] for w in page.words for k, sq in enumerate(squares_of(w))}
    check(page.values() == answers, "every square holds its answer")


def buttons_and_clear(page):
    d = page.driver
    d.find_element(By.ID, "clear").click()
    check(d.find_element(By.ID, "confirm").get_attribute("open") is not None,
          "Clear asks inside the page")
    d.find_element(By.ID, "confirm-yes").click()
    check(all(v == "" for v in page.values().values()), "Clear empties every square")
    d.refresh()
    check(all(v == "" for v in page.values().values()), "Clear forgets the progress")

    word = page.order[1]
    d.find_elements(By.CSS_SELECTOR, ".clue-list li")[1].click()
    check(page.current_clue().startswith(word_name(word)), "clicking a clue selects its word")
    d.find_element(By.ID, "reveal-letter").click()
    x, y = squares_of(word)[0]
    check(page.square(x, y).get_attribute("value") == word["answer"][0],
          "Reveal letter fills the selected square")
    d.find_element(By.ID, "reveal-word").click()
    check(all(page.square(x, y).get_attribute("value") == word["answer"][k]
              for k, (x, y) in enumerate(squares_of(word))), "Reveal word fills the word")
    d.find_element(By.ID, "reveal-all").click()
    d.find_element(By.ID, "confirm-yes").click()
    check(page.status().startswith("Solved!") and "revealed" in page.status(),
          f"Reveal all solves and says how: {page.status()!r}")


def print_layout(page, keep):
    d = page.driver
    d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    check(not d.find_element(By.ID, "check").is_displayed(), "no buttons on paper")
    page.square(*squares_of(page.order[0])[0]).click()
    color, outline = d.execute_script(
        "const s = getComputedStyle(document.activeElement); return [s.color, s.outlineStyle]")
    check(color == "rgb(0, 0, 0)" and outline == "none",
          f"letters print black, the focus outline does not ({color}, {outline})")
    check(d.find_element(By.CSS_SELECTOR, ".clue-list li").is_displayed(), "clues on paper")
    if keep:
        pdf = d.execute_cdp_cmd("Page.printToPDF", {"printBackground": True})
        with open(os.path.join(keep, "webpage-print.pdf"), "wb") as f:
            f.write(base64.b64decode(pdf["data"]))
    d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})


def phone_layout(page, keep):
    d = page.driver
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
    d.refresh()
    sizes = d.execute_script("""
        const g = document.querySelector('.grid').getBoundingClientRect();
        const b = document.querySelector('.board').getBoundingClientRect();
        const c = document.querySelector('.clues').getBoundingClientRect();
        return {left: g.left, right: g.right, top: g.top, bottom: g.bottom,
                boardBottom: b.bottom, cluesTop: c.top, cluesLeft: c.left,
                width: document.documentElement.clientWidth, height: window.innerHeight,
                scrollWidth: document.documentElement.scrollWidth};""")
    check(sizes["width"] == 390, f"phone viewport is 390 wide ({sizes['width']})")
    check(sizes["left"] >= 0 and sizes["right"] <= sizes["width"] and sizes["top"] >= 0 and
          sizes["bottom"] <= sizes["height"], f"the whole grid is on the phone's screen: {sizes}")
    check(sizes["scrollWidth"] <= sizes["width"], "nothing scrolls sideways on a phone")
    check(sizes["cluesTop"] >= sizes["boardBottom"], "one column: the clues come after the grid")
    if keep:
        d.save_screenshot(os.path.join(keep, "webpage-phone.png"))
    d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def class_puzzle(cli, work, words_file, size, title, *layout):
    """A classroom puzzle the program makes from a word list, and its page."""
    puzzle = os.path.join(work, f"class{size}.cwd")
    run([cli, "make", words_file, puzzle, "--width", str(size), "--height", str(size),
         "--title", title, "--seed", "1", *layout])
    return puzzle, export_page(cli, work, puzzle, f"class{size}")


def export_page(cli, work, puzzle, name, *options):
    path = os.path.join(work, name + ".html")
    run([cli, "export", puzzle, path, *options])
    return "file://" + path


def set_window(driver, width, height, url=None):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600})
    driver.get(url) if url else driver.refresh()


def measure(driver):
    """Square and number sizes, the grid's box and what scrolls sideways."""
    return driver.execute_script("""
        const sq = document.querySelector('#grid td.sq').getBoundingClientRect();
        const wrap = document.getElementById('grid-wrap');
        return {square: sq.width,
                number: parseFloat(getComputedStyle(document.querySelector('.num')).fontSize),
                wrapScrolls: wrap.scrollWidth > wrap.clientWidth,
                pageScrolls: document.documentElement.scrollWidth > innerWidth};""")


def in_grid_box(page):
    """Whether the focused square lies wholly inside the grid's visible box."""
    return page.driver.execute_script("""
        const r = document.activeElement.getBoundingClientRect();
        const w = document.getElementById('grid-wrap').getBoundingClientRect();
        return r.left >= w.left - 1 && r.right <= w.right + 1;""")


def big_grid(page, keep):
    """The 70-word grid: large squares on a wide screen, the minimum and sideways
    scrolling on a phone, and every word reached by Tab in clue order with the selected
    square kept in view; then Tab leaves the grid and a clue list takes Enter."""
    d = page.driver
    for width, height in ((1920, 1080), (1280, 800), (768, 1024), (390, 844)):
        set_window(d, width, height, page.url)
        size = measure(d)
        print(f"note: 70 words at {width}x{height}: squares {size['square']:.1f} px, "
              f"numbers {size['number']:.1f} px")
        check(size["square"] >= 27.5 and size["number"] >= 9,
              f"squares at least 28 px, numbers 9 px at {width} wide: {size}")
        check(not size["pageScrolls"], f"the page does not scroll sideways at {width}: {size}")
        if width == 1920:
            check(size["square"] >= 30, f"a wide screen gives big squares: {size}")
        if keep:
            d.save_screenshot(os.path.join(keep, f"webpage-70-{width}x{height}.png"))
    check(size["wrapScrolls"], "on a phone the grid scrolls sideways inside its box")
    check(page.tab_stops() == 1, f"one square in the Tab order after loading: {page.tab_stops()}")
    page.keys(Keys.TAB)
    for i, word in enumerate(page.order):
        if i > 0:
            page.keys(Keys.TAB)
        if not (check(page.current_clue().startswith(word_name(word) + " "),
                      f"Tab reaches {word_name(word)}: {page.current_clue()!r}") and
                check(page.tab_stops() == 1, f"one tabbable square at {word_name(word)}") and
                check(in_grid_box(page), f"the square of {word_name(word)} is in view")):
            return
    page.keys(Keys.TAB)
    check(not page.on_square(), f"Tab after the last word leaves the grid: {page.active_id()}")
    page.keys(Keys.SHIFT + Keys.TAB)
    check(page.current_clue().startswith(word_name(page.order[-1]) + " "),
          "Shift+Tab comes back to the last word")
    for _ in range(8):  # past the buttons to the first clue list
        page.keys(Keys.TAB)
        if page.active_id().startswith("clue-"):
            break
    # The list's stop is the clue last selected in it: the last across clue.
    stop = max(i for i, w in enumerate(page.order) if not w["down"])
    check(page.active_id() == f"clue-{stop}", f"Tab reaches the clue list: {page.active_id()!r}")
    page.keys(Keys.ARROW_UP, Keys.ENTER)
    check(page.on_square() and page.current_clue().startswith(word_name(page.order[stop - 1])),
          f"Enter on a clue selects its word: {page.current_clue()!r}")


def layout_box(driver):
    return driver.execute_script("""
        return ['#grid', '#current-clue', '.clues section', '.clues section + section']
            .map(s => { const r = document.querySelector(s).getBoundingClientRect();
                        return [r.left, r.top + scrollY, r.width, r.height].map(Math.round); });""")


def class_page(page, keep):
    """The 26-word page: a long clue moves nothing, a Turkish i, the printed page."""
    d = page.driver
    long_word = max(page.order, key=lambda w: len(w["clue"]))
    for width, height in ((1280, 800), (390, 844)):
        set_window(d, width, height, page.url)
        before = layout_box(d)
        d.execute_script("arguments[0].click()", d.find_element(
            By.ID, f"clue-{page.order.index(long_word)}"))
        check(page.current_clue().startswith(word_name(long_word)), "the long clue is shown")
        check(layout_box(d) == before,
              f"selecting a long clue moves nothing at {width}: {before} -> {layout_box(d)}")
    set_window(d, 1280, 800)
    for word in page.order[:3]:
        page.square(*squares_of(word)[0]).click()
        page.keys(Keys.HOME, word["answer"].lower())
    pdf = printed(d, keep, "webpage-26-print.pdf")
    text = pdf_text(pdf)
    for word in page.order[:3]:
        check(word["answer"] in text.replace(" ", "").replace("\n", ""),
              f"the printed page holds the typed {word['answer']}")
    check("Name:" in text and "Date:" in text, "the printed page has a name and date line")
    pages = re.search(r"^Pages:\s+(\d+)", run(["pdfinfo", pdf]), re.M)[1]
    check(pages == "1", f"the 26-word puzzle prints on one A4 page, not {pages}")


def printed(driver, keep, name):
    pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {
        "paperWidth": 8.27, "paperHeight": 11.69, "preferCSSPageSize": True})["data"])
    path = os.path.join(keep or tempfile.gettempdir(), name)
    with open(path, "wb") as f:
        f.write(pdf)
    return path


def pdf_text(path):
    return run(["pdftotext", "-layout", path, "-"])


def test_page(page):
    """No Check, no Reveal, Turkish: nothing shows a letter, Turkish upper case, and
    the page still says when the puzzle is solved."""
    d = page.driver
    set_window(d, 1280, 800, page.url)
    buttons = [b.get_attribute("id") for b in d.find_elements(By.CSS_SELECTOR, "main button")]
    check(buttons == ["clear"], f"a test page has no Check or Reveal: {buttons}")
    check(d.find_element(By.TAG_NAME, "html").get_attribute("lang") == "tr", "lang says tr")
    first = page.order[0]
    page.keys(Keys.TAB, "i")
    check(page.square(*squares_of(first)[0]).get_attribute("value") == "\u0130",
          "a Turkish page makes i a dotted capital I")
    for i, word in enumerate(page.order):
        if i > 0:
            page.keys(Keys.TAB)
        page.keys(Keys.HOME, word["answer"])
    check(page.status() == "\u00c7\u00f6z\u00fcld\u00fc!", f"solved, in Turkish: {page.status()!r}")


def requests_made(driver, url):
    """Every request of the page's documents, and any to the network from anywhere (the
    browser's own new-tab page loads chrome:// resources of its own before the test's)."""
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            params = message["params"]
            request = params["request"]["url"]
            if params.get("documentURL") == url or re.match(r"(https?|wss?|ftp):", request):
                urls.append(request)
    return urls


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    cli, puzzle = sys.argv[1], sys.argv[2]
    chromium = shutil.which("chromium")
    driver_path = shutil.which("chromedriver") or (
        "/usr/bin/chromedriver" if os.path.exists("/usr/bin/chromedriver") else None)
    if not chromium:
        unavailable("Chromium is not installed (Debian package chromium)")
    if not driver_path:
        unavailable("chromedriver is not installed (Debian package chromium-driver)")
    keep = os.environ.get("VELLOQUIN_SCREENSHOTS")

    with tempfile.TemporaryDirectory() as work:
        page_path = os.path.join(work, "puzzle.html")
        run([cli, "export", puzzle, page_path])
        with open(page_path, encoding="utf-8") as f:
            html = f.read()
        try:
            import html5lib
            html5lib.HTMLParser(strict=True).parse(html)
        except ImportError:
            print("note: python3-html5lib missing, the page's HTML syntax is not checked")
        except Exception as e:  # html5lib reports a syntax error as ParseError
            check(False, f"the page is not valid HTML5: {e}")
        title, words = read_words(cli, puzzle)

        options = webdriver.ChromeOptions()
        options.binary_location = chromium
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                    "--window-size=1280,900", f"--user-data-dir={os.path.join(work, 'profile')}"):
            options.add_argument(arg)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        try:
            driver = webdriver.Chrome(service=Service(driver_path), options=options)
        except WebDriverException as e:
            unavailable(f"Chromium could not be started: {e.msg}")
        try:
            url = "file://" + page_path
            driver.get(url)
            page = Page(driver, url, words)
            check(page.resource_requests() == [], "the page loads nothing besides itself")
            check_content(page, title, html)
            last = solve_with_keyboard(page)
            if keep:
                driver.save_screenshot(os.path.join(keep, "webpage-desktop.png"))
            reload_keeps_progress(page, last)
            if keep:
                driver.save_screenshot(os.path.join(keep, "webpage-desktop-solved.png"))
            buttons_and_clear(page)
            print_layout(page, keep)
            phone_layout(page, keep)
            lists = os.path.dirname(os.path.abspath(puzzle))
            puzzle70, url70 = class_puzzle(cli, work, os.path.join(lists, "webpage-class70.txt"),
                                           30, "Our world")
            big_grid(Page(driver, url70, read_words(cli, puzzle70)[1]), keep)
            puzzle26, url26 = class_puzzle(cli, work, os.path.join(lists, "webpage-class26.txt"),
                                           17, "The water cycle", "--thorough",
                                           "--budget-ms", "20000")  # done well before
            words26 = read_words(cli, puzzle26)[1]
            class_page(Page(driver, url26, words26), keep)
            test_url = export_page(cli, work, puzzle26, "test", "--no-reveal", "--no-check",
                                   "--language", "tr")
            test_page(Page(driver, test_url, words26))
            others = [u for u in requests_made(driver, url) if u != url]
            check(others == [], f"no network request besides the page itself: {others}")
            errors = [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]
            check(errors == [], f"no script errors: {errors}")
        except Exception:
            traceback.print_exc()
            failures.append("the test stopped on an exception")
        finally:
            driver.quit()

    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("PASS: the web page works in Chromium")
    return 0


if __name__ == "__main__":
    sys.exit(main())
