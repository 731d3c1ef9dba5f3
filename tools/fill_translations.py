#!/usr/bin/python3
"""Fills the translations of a language's .ts file from its dictionary.

    tools/fill_translations.py LANGUAGE   (de, fr, es, it, pl, pt_BR)

The dictionary is tools/translations/LANGUAGE.py: TEXTS maps an English
source text to its translation, whatever context it appears in. Every entry
of translations/stellix_LANGUAGE.ts whose source is in TEXTS gets that
translation and is marked finished; the others are listed and left as they
are. A text with a count (%n) is translated by a list of its plural forms, in
the language's order (Polish has three). A constellation's name the dictionary
does not list keeps its Latin name. Run `cmake --build build --target update_translations` afterwards: lupdate
writes the file back in its own form, which the translations_complete test
compares against.
"""
import importlib.util
import pathlib
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent


def load_texts(language):
    path = ROOT / "tools" / "translations" / f"{language}.py"
    module_spec = importlib.util.spec_from_file_location(f"texts_{language}", path)
    module = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(module)
    return module.TEXTS


def placeholders(text):
    """The %-placeholders a translation must keep, sorted."""
    return sorted(part[:1] for part in text.split("%")[1:] if part[:1] in "sdn123456789")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    language = sys.argv[1]
    texts = load_texts(language)
    ts_path = ROOT / "translations" / f"stellix_{language}.ts"
    tree = ET.parse(ts_path)
    missing, faults = [], []
    for context in tree.iter("context"):
        latin = context.find("name").text == "Constellation"
        for message in context.iter("message"):
            source = message.find("source").text or ""
            translation = message.find("translation")
            if source not in texts and not latin:
                if translation.get("type") == "unfinished":
                    missing.append(source)
                continue
            text = texts.get(source, source)
            forms = text if isinstance(text, list) else [text]
            if any(placeholders(form) != placeholders(source) for form in forms):
                faults.append(f"placeholders differ: {source!r} -> {text!r}")
                continue
            if message.get("numerus") == "yes":
                for old in translation.findall("numerusform"):
                    translation.remove(old)
                for form in forms:
                    ET.SubElement(translation, "numerusform").text = form
            else:
                if source.endswith(" ") and not text.endswith(" "):
                    text += " " * (len(source) - len(source.rstrip(" ")))
                translation.text = text
            translation.attrib.pop("type", None)
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    for source in missing:
        print(f"untranslated: {source!r}")
    for fault in faults:
        print(fault)
    print(f"{ts_path.name}: {len(missing)} untranslated, {len(faults)} refused")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
