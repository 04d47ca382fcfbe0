#!/usr/bin/python3 -B
"""Makes the web edition's one file: the page's shell with the program's script and the
program itself put in, so that it opens from disk with nothing to fetch.

    make_page.py SHELL SCRIPT PROGRAM PAGE
"""
import base64
import pathlib
import sys


def put(html, marker, text):
    if html.count(marker) != 1:
        sys.exit(f"the shell must hold {marker} once, not {html.count(marker)} times")
    return html.replace(marker, text)


def main():
    shell, script, program, page = (pathlib.Path(arg) for arg in sys.argv[1:5])
    code = script.read_text(encoding="utf-8")
    if "</script" in code.lower():
        sys.exit(f"{script} holds '</script', which would end it early inside the page")
    html = shell.read_text(encoding="utf-8")
    html = put(html, "{{{ PROGRAM }}}", base64.b64encode(program.read_bytes()).decode("ascii"))
    html = put(html, "{{{ SCRIPT }}}", "<script>\n" + code + "</script>")
    page.write_text(html, encoding="utf-8")


if __name__ == "__main__":
    main()
