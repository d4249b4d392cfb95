#!/usr/bin/env python3
"""Checks the help pages of data/help against each other and against the
topics the program names.

    python3 data/help/check_help.py

It reports, and exits with 1 when there is any:
- a topic named in src/ without its page <topic>.html;
- a page without <meta charset="utf-8">, without a <title>, with an <h1>
  different from its title, or (except index.html) without a link to
  index.html;
- a link to a page that does not exist, or to anything outside the folder;
- a page that index.html does not link;
- a page missing from TOPICS.txt, or a TOPICS.txt line without its page;
- a picture not listed in IMAGES.txt, or an IMAGES.txt line no page uses.
"""
import html
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.normpath(os.path.join(HERE, "..", "..", "src"))

# Where the program names help topics.
TOPIC_PATTERNS = [
    re.compile(r'SetHelpTopic\("([a-z0-9_]+)"\)'),
    re.compile(r'ShowHelp\("([a-z0-9_]+)"'),
    re.compile(r'CTransferDlg(?:\s+\w+)?\([^;]*?"([a-z0-9_]+)"', re.S),
    re.compile(r'Caption,\s*"([a-z0-9_]+)"'),
    re.compile(r'InstallHelpKey\(\w+,\s*"([a-z0-9_]+)"'),
]
HELP_TOPICS_H = os.path.join("autoattendant", "ui", "HelpTopics.h")
WIZ_SHEET = os.path.join("wizard", "ui", "WizSheet.cpp")


def code_topics():
    topics = {}
    for root, _, files in os.walk(SRC):
        for name in files:
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, SRC)
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            found = set()
            for pattern in TOPIC_PATTERNS:
                found.update(pattern.findall(text))
            if rel == HELP_TOPICS_H:
                found.update(re.findall(r'constexpr const char\* k\w+ = "([a-z0-9_]+)"', text))
            if rel == WIZ_SHEET:
                body = text.split("HelpTopic(int step)", 1)[-1].split("\n}\n", 1)[0]
                found.update(t for t in re.findall(r'return "([a-z0-9_]*)"', body) if t)
            for topic in found:
                topics.setdefault(topic, rel)
    return topics


def read_table(name):
    rows = {}
    path = os.path.join(HERE, name)
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip():
                continue
            key, tab, rest = line.partition("\t")
            if not tab or not key or not rest.strip():
                yield_error("%s:%d: not 'name<TAB>description'" % (name, number))
                continue
            if key in rows:
                yield_error("%s:%d: %s listed twice" % (name, number, key))
            rows[key] = rest
    return rows


ERRORS = []


def yield_error(text):
    ERRORS.append(text)


def main():
    pages = sorted(n[:-5] for n in os.listdir(HERE) if n.endswith(".html"))
    page_set = set(pages)
    images_used = {}
    index_links = set()

    for topic, where in sorted(code_topics().items()):
        if topic not in page_set:
            yield_error("topic %s (named in src/%s) has no page %s.html" % (topic, where, topic))

    for name in pages:
        with open(os.path.join(HERE, name + ".html"), encoding="utf-8") as f:
            text = f.read()
        if not re.search(r'<meta charset="utf-8">', text, re.I):
            yield_error("%s.html: no <meta charset=\"utf-8\">" % name)
        title = re.search(r"<title>(.*?)</title>", text, re.S)
        h1 = re.search(r"<h1>(.*?)</h1>", text, re.S)
        if not title:
            yield_error("%s.html: no <title>" % name)
        elif not h1 or html.unescape(h1.group(1)).strip() != html.unescape(title.group(1)).strip():
            yield_error("%s.html: <h1> differs from <title>" % name)
        # The one style sheet every page shares, and nothing else from outside.
        sheet = '<link rel="stylesheet" type="text/css" href="guide.css">'
        if sheet not in text:
            yield_error("%s.html: no %s" % (name, sheet))
        if re.search(r"<script|javascript:|@import|<link\b", text.replace(sheet, ""), re.I):
            yield_error("%s.html: scripts or external style sheets" % name)
        links = re.findall(r'<a\b[^>]*href="([^"]*)"', text)
        if name != "index" and "index.html" not in links:
            yield_error("%s.html: no link back to index.html" % name)
        for link in links:
            target = link.split("#", 1)[0]
            if not target:
                continue
            if "/" in target or ":" in target or not target.endswith(".html"):
                yield_error("%s.html: link %s leaves the help folder" % (name, link))
            elif target[:-5] not in page_set:
                yield_error("%s.html: link to missing page %s" % (name, target))
            elif name == "index":
                index_links.add(target[:-5])
        for src in re.findall(r'<img[^>]*src="([^"]*)"', text):
            if not re.fullmatch(r"img/[a-z0-9_]+\.png", src):
                yield_error("%s.html: picture %s is not img/NAME.png" % (name, src))
                continue
            images_used.setdefault(src[4:-4], name)

    for name in pages:
        if name != "index" and name not in index_links:
            yield_error("index.html does not link %s.html" % name)

    topics = read_table("TOPICS.txt")
    for name in pages:
        if name not in topics:
            yield_error("TOPICS.txt has no line for %s" % name)
    for name in topics:
        if name not in page_set:
            yield_error("TOPICS.txt names %s, which has no page" % name)

    images = read_table("IMAGES.txt")
    for image, page in sorted(images_used.items()):
        if image not in images:
            yield_error("IMAGES.txt has no line for %s (used by %s.html)" % (image, page))
    for image in images:
        if image not in images_used:
            yield_error("IMAGES.txt names %s, which no page uses" % image)

    for e in ERRORS:
        print(e)
    print("%d pages, %d pictures, %d problems" % (len(pages), len(images_used), len(ERRORS)))
    return 1 if ERRORS else 0


if __name__ == "__main__":
    sys.exit(main())
