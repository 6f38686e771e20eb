#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the translation files (translations/*.ts) a translator hands back.

Fails on an entry left unfinished or obsolete, an empty translation, a placeholder (%1..%9, %n)
of the English text missing from a translation or one added to it, two entries of one context
(one window, one menu) that share an access key (&) in any language, and a translation file
that lacks an entry another one has. With --lupdate and --sources it also reads the texts of the
sources again (into a scratch file) and fails where a text of the program is in no .ts file;
--plural-only for English's file, which holds the plural forms of the source texts alone.

    check_ts.py [--lupdate LUPDATE --sources SRC [--plural-only]] FILE.ts...
    check_ts.py --self-test
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def access_key(text):
    """The letter after a single &, lower case; None without one ("&&" is a plain ampersand)."""
    i = 0
    text = text or ""
    while i < len(text) - 1:
        if text[i] == "&":
            if text[i + 1] == "&":
                i += 2
                continue
            if not text[i + 1].isspace():
                return text[i + 1].lower()
        i += 1
    return None


def read_ts(path):
    """[(context, source, comment, [translations], type)] of one file."""
    entries = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            comment = message.findtext("comment") or ""
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "missing"
            forms = translation.findall("numerusform") if translation is not None else []
            texts = [f.text or "" for f in forms] if forms else [
                (translation.text or "") if translation is not None else ""]
            entries.append((name, source, comment, texts, kind))
    return entries


def check_file(path):
    faults = []
    entries = read_ts(path)
    name = os.path.basename(path)
    keys = {}  # (context, key) -> the entry that took it, per language
    for context, source, comment, texts, kind in entries:
        where = f"{name}: {context}: \"{source}\""
        if kind in ("unfinished", "obsolete", "vanished", "missing"):
            faults.append(f"{where} is {kind}")
            continue
        for text in texts:
            if not text.strip():
                faults.append(f"{where} has an empty translation")
                continue
            wanted, given = placeholders(source), placeholders(text)
            for p in wanted:
                if p not in given:
                    faults.append(f"{where} lost {p} in \"{text}\"")
            for p in given:
                if p not in wanted:
                    faults.append(f"{where} adds {p} in \"{text}\"")
        for language, text in (("English", source), (name, texts[0])):
            key = access_key(text)
            if key is None:
                continue
            taken = keys.setdefault((language, context, key), text)
            if taken != text:
                faults.append(
                    f"{name}: {context}: \"{taken}\" and \"{text}\" share the access key "
                    f"{key} in {language}")
    return faults, {(c, s, m) for c, s, m, _, _ in entries}


def check(ts_files, lupdate=None, sources=None, plural_only=False):
    faults = []
    sets = {}
    for path in ts_files:
        found, messages = check_file(path)
        faults += found
        sets[path] = messages
    every = set().union(*sets.values()) if sets else set()
    for path, messages in sets.items():
        for context, source, _ in sorted(every - messages):
            faults.append(f"{os.path.basename(path)} lacks {context}: \"{source}\"")
    if lupdate and sources:
        with tempfile.TemporaryDirectory() as scratch:
            fresh = os.path.join(scratch, "fresh.ts")
            plural = ["-pluralonly"] if plural_only else []
            subprocess.run([lupdate, "-silent", *plural, "-locations", "none",
                            # the store's tables mark their texts without Qt
                            "-tr-function-alias", "QT_TRANSLATE_NOOP+=RODWICK_TR_NOOP", "-recursive",
                            sources, "-ts", fresh], check=True, stdout=subprocess.DEVNULL)
            wanted = {(c, s, m) for c, s, m, _, _ in read_ts(fresh)}
        for context, source, _ in sorted(wanted - every):
            faults.append(f"the sources' text {context}: \"{source}\" is in no .ts file "
                          f"(build the target update_translations)")
    return faults


SELF_TEST = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context><name>Dialog</name>
<message><source>&amp;Open</source><translation>&amp;Öffnen</translation></message>
<message><source>&amp;Close</source><translation>Schlie&amp;ßen</translation></message>
<message><source>&amp;First</source><translation>&amp;Fertig</translation></message>
<message><source>&amp;Find</source><translation>&amp;Finden</translation></message>
<message><source>Fish &amp;&amp; chips</source><translation>Fisch &amp;&amp; Pommes</translation></message>
<message><source>%1 of %2</source><translation>%1 von</translation></message>
<message><source>Save</source><translation>Sichern %3</translation></message>
<message><source>Left</source><translation type="unfinished"></translation></message>
<message><source>Gone</source><translation type="vanished">Weg</translation></message>
<message numerus="yes"><source>%n trip(s)</source><translation>
<numerusform>%n Angeltag</numerusform><numerusform>Angeltage</numerusform></translation></message>
</context>
<context><name>Other</name>
<message><source>&amp;Open</source><translation>&amp;Offen</translation></message>
<message><source>&amp;Zap</source><translation>&amp;Zapp</translation></message>
</context>
</TS>
"""


def self_test():
    """The check names each fault planted in a small file of its own, and nothing else."""
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "x_de.ts")
        with open(path, "w", encoding="utf-8") as out:
            out.write(SELF_TEST)
        other = os.path.join(scratch, "x_fr.ts")
        with open(other, "w", encoding="utf-8") as out:
            out.write(SELF_TEST.replace('<message><source>&amp;Zap</source><translation>'
                                        '&amp;Zapp</translation></message>', ""))
        faults = check([path, other])
    expected = [
        'x_de.ts: Dialog: "&First" and "&Find" share the access key f in English',
        'x_de.ts: Dialog: "&Fertig" and "&Finden" share the access key f in x_de.ts',
        'x_de.ts: Dialog: "%1 of %2" lost %2 in "%1 von"',
        'x_de.ts: Dialog: "Save" adds %3 in "Sichern %3"',
        'x_de.ts: Dialog: "Left" is unfinished',
        'x_de.ts: Dialog: "Gone" is vanished',
        'x_de.ts: Dialog: "%n trip(s)" lost %n in "Angeltage"',
        'x_fr.ts lacks Other: "&Zap"',
    ]
    mine = [f for f in faults if not f.startswith("x_fr.ts:")]
    missing = [e for e in expected if e not in mine]
    unexpected = [f for f in mine if f not in expected]
    for line in missing:
        print("not found:", line)
    for line in unexpected:
        print("found wrongly:", line)
    return 1 if missing or unexpected else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--self-test", action="store_true")
    parser.add_argument("--lupdate")
    parser.add_argument("--sources")
    # The source language's file, which holds only the texts with plural forms.
    parser.add_argument("--plural-only", action="store_true")
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    faults = check(args.files, args.lupdate, args.sources, args.plural_only)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in {len(args.files)} files")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
