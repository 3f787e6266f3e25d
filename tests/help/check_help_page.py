#!/usr/bin/env python3
"""Checks the shipped help page: well-formed HTML (every element closed in
order), self-contained (no scripts, no external files), links inside the page."""
import sys
from html.parser import HTMLParser

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}


class Checker(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.ids, self.links, self.errors = [], set(), [], []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "script":
            self.errors.append("a script")
        for name in ("src",):
            if name in attrs:
                self.errors.append(f"an external file: <{tag} {name}={attrs[name]}>")
        if tag == "link":
            self.errors.append("a linked file")
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag not in VOID:
            self.stack.append((tag, self.getpos()))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.stack.pop()

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        if not self.stack or self.stack[-1][0] != tag:
            open_tag = self.stack[-1] if self.stack else None
            self.errors.append(f"</{tag}> at line {self.getpos()[0]} closes {open_tag}")
            return
        self.stack.pop()


def check(path):
    with open(path, encoding="cp1252") as f:
        text = f.read()
    c = Checker()
    c.feed(text)
    c.close()
    errors = list(c.errors)
    errors += [f"<{t}> from line {p[0]} is never closed" for t, p in c.stack]
    for href in c.links:
        if not href.startswith("#"):
            errors.append(f"a link out of the page: {href}")
        elif href[1:] not in c.ids:
            errors.append(f"a link to a missing anchor: {href}")
    if "<title>" not in text or "<html" not in text:
        errors.append("no html or title element")
    return errors


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--self-test":
        # The checker must catch what it looks for.
        import tempfile, os
        bad = ["<html><title>t</title><body><p>open</body></html>",
               "<html><title>t</title><body><a href='#nowhere'>x</a></body></html>",
               "<html><title>t</title><body><script>x()</script></body></html>",
               "<html><title>t</title><body><img src='a.png'></body></html>"]
        for sample in bad:
            with tempfile.NamedTemporaryFile("w", suffix=".htm", delete=False, encoding="cp1252") as f:
                f.write(sample)
            found = check(f.name)
            os.unlink(f.name)
            if not found:
                print("checker missed a fault in:", sample)
                sys.exit(1)
        sys.argv = [sys.argv[0], sys.argv[2]]
    errors = check(sys.argv[1])
    for e in errors:
        print(f"{sys.argv[1]}: {e}")
    sys.exit(1 if errors else 0)
