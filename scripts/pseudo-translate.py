#!/usr/bin/env python3
"""Writes a pseudo-translation of a Qt translation template (.ts).

    pseudo-translate.py <template.ts> <output.ts>

Every text becomes "[...]", its letters swapped for accented ones and padded, so that the
whole is about a third longer than the English: a text of ours that the program shows
without passing it through the translation functions stays plain English and shows at once,
and a label too narrow for a longer language clips. Placeholders (%1, %L2, %n), accelerator
marks (&N, &&), markup (<b>, &amp;) and line breaks are kept as they are; key sequences
("Ctrl+Y") are left untranslated, as a translation must not change them.
"""
import math
import re
import sys
import xml.etree.ElementTree as ElementTree

# Letters a reader still recognises, each one character long, as in many languages' alphabets.
ACCENTED = str.maketrans(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "àƀçđéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÀƁÇĐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ",
)
# What must reach the program unchanged: markup and entities, placeholders, accelerators.
PROTECTED = re.compile(r"<[^>]*>|&[A-Za-z]+;|&#\d+;|%L?\d+|%n|&&|&.|\n")
KEY_SEQUENCE = re.compile(r"^((Ctrl|Alt|Shift|Meta)\+)+\S+$")
PADDING = "·"


def pseudo(text):
    if not text.strip() or KEY_SEQUENCE.match(text):
        return text
    pieces = []
    visible = 0
    last = 0
    for match in PROTECTED.finditer(text):
        plain = text[last:match.start()]
        pieces.append(plain.translate(ACCENTED))
        visible += len(plain)
        pieces.append(match.group(0))
        if match.group(0).startswith("&") and len(match.group(0)) == 2 and match.group(0) != "&&":
            visible += 1
        last = match.end()
    plain = text[last:]
    pieces.append(plain.translate(ACCENTED))
    visible += len(plain)
    # About a third longer in all, the brackets included.
    padding = max(0, math.ceil(visible / 3) - 2)
    return "[" + "".join(pieces) + PADDING * padding + "]"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tree = ElementTree.parse(sys.argv[1])
    root = tree.getroot()
    root.set("language", "en_XA")
    count = 0
    for message in root.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            # English has two forms, singular and plural.
            translation.text = None
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
        count += 1
    tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
    print(f"{count} texts pseudo-translated into {sys.argv[2]}")


if __name__ == "__main__":
    main()
