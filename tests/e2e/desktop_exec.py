#!/usr/bin/python3
"""Usage: desktop_exec.py ENTRY.desktop. Prints the command of the entry's Exec= key, one argument
a line, as a desktop runs it: the file's escapes undone (\\s, \\n, \\t, \\r, \\\\), then the
arguments split at spaces outside double quotes, in which a backslash takes the next character
as it is, and %% read as %. Field codes (%f, %u, ...) are dropped."""
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    value = next(line[5:].rstrip("\n") for line in f if line.startswith("Exec="))

escapes = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}
text, i = "", 0
while i < len(value):
    if value[i] == "\\" and i + 1 < len(value):
        text += escapes.get(value[i + 1], "\\" + value[i + 1])
        i += 2
    else:
        text += value[i]
        i += 1

args, arg, quoted, i = [], None, False, 0
while i < len(text):
    c = text[i]
    if quoted and c == "\\" and i + 1 < len(text):
        arg, i = arg + text[i + 1], i + 2
        continue
    if c == '"':
        quoted, arg = not quoted, arg or ""
    elif c == " " and not quoted:
        if arg is not None:
            args.append(arg)
        arg = None
    else:
        arg = (arg or "") + c
    i += 1
if quoted:
    sys.exit("%s: Exec= has an unbalanced quote: %s" % (sys.argv[1], value))
if arg is not None:
    args.append(arg)

def unpercent(a):
    out, j = "", 0
    while j < len(a):
        if a[j] == "%" and j + 1 < len(a):
            out += "%" if a[j + 1] == "%" else ""
            j += 2
        else:
            out, j = out + a[j], j + 1
    return out

print(*[unpercent(a) for a in args if a not in ("%f", "%F", "%u", "%U")], sep="\n")
