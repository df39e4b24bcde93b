"""Finds what old phone browsers (Safari 12, Chrome 70 on Android 7) lack, in the phone page's
files, and what a `script-src 'self'` policy would block: inline scripts, handlers, styles.

Usage: page_features.py <web folder>. Prints each problem and exits non-zero on any.
The page test imports it too.
"""
import os
import re
import sys

# Syntax and calls newer than Safari 12 / Chrome 70 (the browser support tables say when).
JS_BANNED = [
    (r"\?\?", "?? (Chrome 80, Safari 13.1)"),
    (r"\?\.(?!\d)", "?. (Chrome 80, Safari 13.1)"),
    (r"\*\*", "** (kept out: it has surprised old engines)"),
    (r"\.\.\.", "spread or rest (object spread needs Safari 11.1; kept out whole)"),
    (r"\|\|=|&&=", "logical assignment (Chrome 85, Safari 14)"),
    (r"\breplaceChildren\b", "replaceChildren (Chrome 86, Safari 14)"),
    (r"\breplaceAll\b", "replaceAll (Chrome 85, Safari 13.1)"),
    (r"\bmatchAll\b", "matchAll (Chrome 73, Safari 13)"),
    (r"\.at\(", ".at() (Chrome 92, Safari 15.4)"),
    (r"\bfromEntries\b", "Object.fromEntries (Chrome 73, Safari 12.1)"),
    (r"\bglobalThis\b", "globalThis (Chrome 71, Safari 12.1)"),
    (r"\bAbortController\b", "AbortController (Safari 12.1)"),
    (r"\bPluralRules\b", "Intl.PluralRules (Safari 13)"),
    (r"\ballSettled\b|\bPromise\.any\b", "Promise.allSettled/any (Chrome 76, Safari 13)"),
    (r"\bstructuredClone\b", "structuredClone (Chrome 98, Safari 15.4)"),
    (r"\bthis\.#", "private class fields (Chrome 74, Safari 14.1)"),
]

CSS_BANNED_PROPERTIES = {
    "inset": "inset (Chrome 87, Safari 14.1)",
    "gap": "gap in flex layouts (Chrome 84, Safari 14.1)",
    "row-gap": "row-gap in flex layouts (Chrome 84, Safari 14.1)",
    "column-gap": "column-gap in flex layouts (Chrome 84, Safari 14.1)",
    "aspect-ratio": "aspect-ratio (Chrome 88, Safari 15)",
}
CSS_BANNED_TEXT = [
    (r":is\(|:where\(|:has\(", ":is/:where/:has (a rule old browsers drop whole)"),
    (r"(?<!:not\():focus-visible", ":focus-visible outside :not() (Chrome 86, Safari 15.4)"),
    (r"@container|@layer", "@container/@layer"),
]
# Values that need the same property set before them, for the browsers that skip them.
CSS_NEEDS_FALLBACK = r"color-mix\(|\d[dsl]vh\b|\bclamp\(|\bmin\(|\bmax\(|\banywhere\b|\boklch\(|\blab\("


def blank_strings_and_comments(js):
    """The code with the insides of strings and comments turned to spaces, so that their
    words are never taken for code; regular expressions are left as they are."""
    out = []
    i, n = 0, len(js)
    while i < n:
        c = js[i]
        if js.startswith("//", i):
            end = js.find("\n", i)
            end = n if end < 0 else end
            out.append(" " * (end - i))
            i = end
        elif js.startswith("/*", i):
            end = js.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(re.sub(r"[^\n]", " ", js[i:end]))
            i = end
        elif c in "\"'`":
            j = i + 1
            while j < n and js[j] != c:
                j += 2 if js[j] == "\\" else 1
            out.append(c + " " * (min(j, n) - i - 1) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def line_of(text, index):
    return text.count("\n", 0, index) + 1


def storage_outside_try(code):
    """Lines that reach localStorage outside a try block: it throws where storage is blocked."""
    lines, frames = [], []
    for match in re.finditer(r"[{}]|\blocalStorage\b", code):
        token = match.group()
        if token == "{":
            frames.append(code[:match.start()].rstrip().endswith("try"))
        elif token == "}":
            if frames:
                frames.pop()
        elif not any(frames):
            lines.append(line_of(code, match.start()))
    return lines


def check_js(js):
    code = blank_strings_and_comments(js)
    problems = []
    for pattern, what in JS_BANNED:
        for match in re.finditer(pattern, code):
            problems.append(f"line {line_of(code, match.start())}: {what}")
    for line in storage_outside_try(code):
        problems.append(f"line {line}: localStorage outside try (blocked storage throws)")
    return problems


def check_css(css):
    css = re.sub(r"/\*.*?\*/", lambda m: re.sub(r"[^\n]", " ", m.group()), css, flags=re.S)
    problems = []
    for pattern, what in CSS_BANNED_TEXT:
        for match in re.finditer(pattern, css):
            problems.append(f"line {line_of(css, match.start())}: {what}")
    for block in re.finditer(r"\{([^{}]*)\}", css):
        seen = set()
        for declaration in block.group(1).split(";"):
            if ":" not in declaration:
                continue
            name, value = (part.strip() for part in declaration.split(":", 1))
            where = f"line {line_of(css, block.start(1) + block.group(1).find(declaration))}"
            if name in CSS_BANNED_PROPERTIES:
                problems.append(f"{where}: {CSS_BANNED_PROPERTIES[name]}")
            if re.search(CSS_NEEDS_FALLBACK, value) and name not in seen:
                problems.append(f"{where}: {name}: {value} without a fallback before it")
            if not re.search(CSS_NEEDS_FALLBACK, value):
                seen.add(name)
    return problems


def check_html(html):
    problems = []
    for match in re.finditer(r"<script\b([^>]*)>(.*?)</script>", html, flags=re.S | re.I):
        if "src=" not in match.group(1) or match.group(2).strip():
            problems.append(f"line {line_of(html, match.start())}: inline script")
    for pattern, what in ((r"\son\w+\s*=", "inline event handler"), (r"\sstyle\s*=", "style attribute"),
                          (r"<style\b", "inline style element"),
                          (r"javascript:", "javascript: address")):
        for match in re.finditer(pattern, html, flags=re.I):
            problems.append(f"line {line_of(html, match.start())}: {what}")
    return problems


CHECKS = {".js": check_js, ".css": check_css, ".html": check_html}


def check_folder(folder):
    problems = []
    for name in sorted(os.listdir(folder)):
        check = CHECKS.get(os.path.splitext(name)[1])
        if check:
            with open(os.path.join(folder, name), encoding="utf-8") as source:
                problems += [f"{name} {problem}" for problem in check(source.read())]
    return problems


if __name__ == "__main__":
    found = check_folder(sys.argv[1])
    for problem in found:
        print(problem)
    print("no features old phones lack" if not found else f"{len(found)} problems")
    sys.exit(1 if found else 0)
