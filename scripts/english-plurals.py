#!/usr/bin/env python3
"""Writes the English forms of the program's plural texts, for lrelease.

    english-plurals.py TEMPLATE.ts OUTPUT.ts

Our texts are written in English with "(s)" where a word takes a plural ("%n card(s) due
now"). Qt shows such a text as written unless a translation gives its forms, so English needs
one too: for every text with %n, the singular drops each "(s)" and the plural keeps its "s"
("1 card due now", "3 cards due now"). A text with %n and no "(s)" keeps its words in both.
Only those texts are written; every other text stays as the source has it.
"""
import sys
import xml.etree.ElementTree as ET


def main(template, output):
    source_root = ET.parse(template).getroot()
    root = ET.Element("TS", version=source_root.get("version", "2.1"), language="en",
                      sourcelanguage="en")
    for context in source_root.iter("context"):
        plural = [m for m in context.iter("message") if m.get("numerus") == "yes"]
        if not plural:
            continue
        out_context = ET.SubElement(root, "context")
        ET.SubElement(out_context, "name").text = context.findtext("name")
        for message in plural:
            text = message.findtext("source")
            out = ET.SubElement(out_context, "message", numerus="yes")
            ET.SubElement(out, "source").text = text
            comment = message.findtext("comment")
            if comment is not None:
                ET.SubElement(out, "comment").text = comment
            forms = ET.SubElement(out, "translation")
            ET.SubElement(forms, "numerusform").text = text.replace("(s)", "")
            ET.SubElement(forms, "numerusform").text = text.replace("(s)", "s")
    ET.ElementTree(root).write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
