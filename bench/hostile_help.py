#!/usr/bin/env python3
"""Writes the hostile help files that bench/help_pages measures into a folder.

Each file is one the program accepts (a regular text file under its size limit)
and is built to make one help command expensive: links that repeat a huge
title, or a page of millions of small blocks.
Usage: hostile_help.py FOLDER
"""
import pathlib
import sys

LIMIT = 16 * 1024 * 1024 - 64  # just under the reader's 16 MB limit
TITLE = "x" * 1_000_000


def repeated(piece, size=LIMIT):
    return piece * (size // len(piece))


FILES = {
    # One 1 MB title, linked 20,000 times from the pop-up and the contents topic.
    "title_links.hlp": "@popup 8 " + TITLE + "\nx\n@popup 7 Digit keys\n" + "[[8]] " * 20_000
    + "\n@contents 1 Contents\n" + "[[8]] " * 20_000 + "\n",
    # A full-size file of tiny links to a short title, in one paragraph.
    "many_links.hlp": "@popup 7 Digit keys\nx\n@contents 1 Contents\n" + repeated("[[7]] "),
    # As many links as the page can hold, each of one letter.
    "many_short_links.hlp": "@popup 7 Digit keys\nx\n@contents 1 Contents\n" + repeated("[[7|a]] "),
    "many_paragraphs.hlp": "@popup 7 Digit keys\nx\n@contents 1 Contents\n" + repeated("p\n\n"),
    "many_items.hlp": "@popup 7 Digit keys\nx\n@contents 1 Contents\n" + repeated("- i\n"),
    "many_headings.hlp": "@popup 7 Digit keys\nx\n@contents 1 Contents\n" + repeated("== h\n"),
    "many_words.hlp": "@popup 7 Digit keys\n" + repeated("ab ", LIMIT // 2) + "\n@contents 1 Contents\n"
    + repeated("ab ", LIMIT // 2) + "\n",
}

folder = pathlib.Path(sys.argv[1])
folder.mkdir(parents=True, exist_ok=True)
for name, text in FILES.items():
    (folder / name).write_text(text)
    print(folder / name, len(text.encode()), "bytes")
