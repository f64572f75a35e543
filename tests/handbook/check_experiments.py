#!/usr/bin/env python3
"""Runs the molvix-lab commands the handbook's experiment pages carry and
checks every figure they promise against what the commands print.

A page carries its commands as <pre class="lab-command" id="..."> and each
promised figure as an element of class "lab-expect":
  data-run     the id of the command whose summary it comes from
  data-of      a Python expression over the summary: row(wall=50, ...) is the
               one row with those settings, rows all of them; a list checks
               each of its values. A command with --series FILE (the script
               writes it to a file of its own) also gives its readings:
               series(wall=50, ...) those of the runs with those settings;
               mean and sd average them. One with --profile FILE gives its
               layers: profile(species="A", collisions="on") those rows of
               the runs with those settings (the profile's own columns
               picked directly, the others through the summary's rows)
  data-within  the page's tolerance: "3%" of the figure, or an absolute one
  data-value   the figure when the element's text is not it (the text, if it
               is a percentage, must then be the tolerance)
The element's text is the figure as the page shows it ("1,59", "3 760", a
range "0,01–0,03"). Both languages must carry the same commands and figures.
  check_experiments.py MOLVIX_LAB HANDBOOK_DIR [PAGE...]"""
import csv
import io
import math
import re
import os
import shlex
import statistics
import subprocess
import sys
import tempfile
from html.parser import HTMLParser


class Page(HTMLParser):
    def __init__(self):
        super().__init__()
        self.commands, self.expects = {}, []
        self.open = []  # [tag, kind, attrs, text] of the marked elements open

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        classes = (a.get("class") or "").split()
        kind = "command" if "lab-command" in classes else "expect" if "lab-expect" in classes else None
        for o in self.open:
            if o[0] == tag:
                o[4] += 1
        self.open.append([tag, kind, a, "", 0]) if kind else None

    def handle_endtag(self, tag):
        for o in reversed(self.open):
            if o[0] == tag:
                if o[4]:
                    o[4] -= 1
                    return
                self.open.remove(o)
                if o[1] == "command":
                    self.commands[o[2]["id"]] = " ".join(o[3].replace("\\\n", " ").split())
                else:
                    self.expects.append((o[2], o[3].strip()))
                return

    def handle_data(self, data):
        for o in self.open:
            o[3] += data


def number(text, lang):
    """A figure as the page writes it: decimal comma in Spanish, spaces or
    commas grouping thousands, a true minus sign."""
    t = re.sub(r"[\s\u00a0\u2009\u202f%×]", "", text).replace("\u2212", "-")
    t = t.replace(",", ".") if lang == "es" else t.replace(",", "")
    return float(t)


def figure(text, lang):
    """A figure or a range "a–b" as a pair (low, high)."""
    parts = [number(x, lang) for x in text.split("\u2013")]
    return (parts[0], parts[-1])


def parse(path):
    p = Page()
    with open(path, encoding="utf-8") as f:
        p.feed(f.read())
    return p


class Row:
    def __init__(self, d):
        self.d = d

    def __getattr__(self, k):
        v = self.d[k]
        try:
            return float(v)
        except ValueError:
            return v


def matches(r, want):
    for k, v in want.items():
        have = r.d[k]
        try:
            if float(have) != float(v):
                return False
        except ValueError:
            if have != str(v):
                return False
    return True


def main():
    lab, folder = sys.argv[1], sys.argv[2]
    pages = sys.argv[3:]
    failures, checked, cache = [], 0, {}
    for name in pages:
        es, en = parse(f"{folder}/es/{name}.html"), parse(f"{folder}/en/{name}.html")
        if es.commands != en.commands:
            failures.append(f"{name}: the commands differ between es and en")
        ea = [(a, figure(t, "es") if "data-value" not in a else None) for a, t in es.expects]
        na = [(a, figure(t, "en") if "data-value" not in a else None) for a, t in en.expects]
        if len(es.expects) == 0:
            failures.append(f"{name}: no figure is marked")
        if ea != na:
            failures.append(f"{name}: the figures differ between es and en:\n  {ea}\n  {na}")
        for attrs, text in es.expects:
            checked += 1
            what = f"{name}: {attrs.get('data-of')} = {text!r}"
            command = es.commands.get(attrs.get("data-run"))
            if command is None:
                failures.append(f"{what}: no command {attrs.get('data-run')!r} on the page")
                continue
            if command not in cache:
                words = shlex.split(command)
                if words[0] != "molvix-lab":
                    failures.append(f"{name}: not a molvix-lab command: {command}")
                    continue
                with tempfile.TemporaryDirectory() as tmp:
                    readings = layers = None
                    if "--series" in words[:-1]:
                        readings = os.path.join(tmp, "series.csv")
                        words[words.index("--series") + 1] = readings
                    if "--profile" in words[:-1]:
                        layers = os.path.join(tmp, "profile.csv")
                        words[words.index("--profile") + 1] = layers
                    out = subprocess.run([lab] + words[1:], capture_output=True, text=True)
                    if out.returncode != 0:
                        failures.append(f"{name}: {command}: status {out.returncode}: {out.stderr}")
                        cache[command] = ([], [], [])
                    else:
                        summary = [Row(d) for d in csv.DictReader(io.StringIO(out.stdout))]
                        taken, stacked = [], []
                        if readings:
                            with open(readings, newline="") as f:
                                taken = [Row(d) for d in csv.DictReader(f)]
                        if layers:
                            with open(layers, newline="") as f:
                                stacked = [Row(d) for d in csv.DictReader(f)]
                        cache[command] = (summary, taken, stacked)
            rows, taken, stacked = cache[command]
            if not rows:
                continue

            def row(**want):
                found = [r for r in rows if matches(r, want)]
                if len(found) != 1:
                    raise LookupError(f"{len(found)} rows with {want}")
                return found[0]

            def series(**want):
                found = [r for r in taken if matches(r, want)]
                if not found:
                    raise LookupError(f"no readings with {want}")
                return found

            def profile(**want):
                # A layer's own columns are picked directly; any other
                # setting names the runs whose summary row has it.
                own = {k: v for k, v in want.items() if stacked and k in stacked[0].d}
                given = {k: v for k, v in want.items() if k not in own}
                runs = {r.d["run"] for r in rows if matches(r, given)}
                found = [p for p in stacked if p.d["run"] in runs and matches(p, own)]
                if not found:
                    raise LookupError(f"no layers with {want}")
                return found

            try:
                got = eval(attrs["data-of"], {"row": row, "rows": rows, "series": series,
                                              "profile": profile,
                                              "mean": statistics.mean, "sd": statistics.stdev,
                                              "abs": abs, "min": min, "max": max, "math": math})
            except Exception as e:  # a page that names a column or row wrongly
                failures.append(f"{what}: {e}")
                continue
            within = attrs.get("data-within", "0")
            if "data-value" in attrs:
                want = float(attrs["data-value"])
                if "%" in text and number(text, "es") != float(within.rstrip("%")):
                    failures.append(f"{what}: the page says {text}, the check {within}")
            else:
                want = text
            values = got if isinstance(got, list) else [got]
            for v in values:
                v = float(v)
                if isinstance(want, str) and "\u2013" in want:
                    lo, hi = figure(want, "es")
                    ok = lo <= v <= hi
                else:
                    w = want if isinstance(want, float) else number(want, "es")
                    tol = abs(w) * float(within[:-1]) / 100 if within.endswith("%") else float(within)
                    ok = abs(v - w) <= tol + 1e-12
                if not ok:
                    failures.append(f"{what} within {within}: measured {v:.6g}")
    for f in failures:
        print("FAIL", f)
    print(f"{checked} figures on {len(pages)} pages, {len(cache)} commands: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
