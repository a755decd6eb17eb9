#!/usr/bin/env python3
"""Character error rate a patient user ends with, on title sets that carry their transcript.

  python3 bench/cer.py [--cli PATH] [--learn after|auto] [--json] [--keep DIR]
                       [--max-cer PERCENT] SET...

SET is a directory holding VIDEO_TS/ and en.srt (the transcript; italics as <i>...</i>), such
as tests/data/vob/sans. For each set, with a fresh dictionary and default settings:
  1. quelm-cli convert --learn after --dict D --records R   (every new shape becomes an entry)
  2. every entry is named from the transcript, as the user would name it by looking at it:
     each record's pieces are aligned with its transcript cue (pieces in order against
     characters in order, spaces aside), first on lines where the counts agree, then between
     pieces already known, and an entry takes the text most of its occurrences vote for;
  3. quelm-cli dict name, then quelm-cli render --records R --format outputini/srt.ini;
  4. the rendered cues are paired with the transcript's by time and compared: Levenshtein
     distance over transcript characters, italics tags stripped, and once with each tag as
     one character (and "italic lines marked": transcript lines whose italic runs come out
     marked the same).
With --learn auto, step 1 runs with --learn auto (names from the OCR engine's readings, nobody
at the terminal) and step 3 names nothing: the script is measured as the engine's names leave
it. The transcript's names are still worked out, and the entries whose automatic text differs
from them are counted: the answers a user asked about every shape would have typed otherwise.
--max-cer fails (exit 1) when the total error rate with italics stripped is above PERCENT.
Standard library only.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
from collections import Counter, defaultdict

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ITALIC_ON, ITALIC_OFF = "<{i}>", "<{/i}>"
TOKEN = re.compile(r"<[^<>]*>|.", re.S)


# ---- reading -----------------------------------------------------------------------------

def srt_ms(text):
    h, m, rest = text.strip().split(":")
    s, ms = rest.replace(".", ",").split(",")
    return ((int(h) * 60 + int(m)) * 60 + int(s)) * 1000 + int(ms)


def read_srt(path):
    """[(start ms, end ms, [lines])]; lines keep their <i> tags."""
    with open(path, encoding="utf-8-sig") as f:
        text = f.read().replace("\r\n", "\n")
    cues = []
    for block in re.split(r"\n\s*\n", text.strip()):
        lines = block.split("\n")
        arrow = next((i for i, l in enumerate(lines) if "-->" in l), None)
        if arrow is None:
            continue
        start, end = lines[arrow].split("-->")
        cues.append((srt_ms(start), srt_ms(end.split()[0]), lines[arrow + 1:]))
    return cues


def read_records(path):
    """Subtitle records as [(start ms, end ms, [reference lines])]."""
    records, block = [], None
    with open(path, encoding="utf-8") as f:
        for line in f.read().replace("\r\n", "\n").split("\n"):
            if line == "<SUB_START>":
                block = []
            elif line == "<SUB_END>":
                if block is not None and len(block) >= 2:
                    start = re.search(r"\bstart=(\d+)", block[0])
                    end = re.search(r"\bend=(\d+)", block[0])
                    if start:
                        records.append((int(start.group(1)), int(end.group(1)) if end else
                                        int(start.group(1)), block[2:]))
                block = None
            elif block is not None:
                block.append(line)
    return records


def pieces(reference_line):
    """The entry file names of a reference line in order; spaces and italic markers aside."""
    out = []
    for token in TOKEN.findall(reference_line):
        if token in (ITALIC_ON, ITALIC_OFF) or token.isspace():
            continue
        out.append(token[1:-1] if len(token) > 2 and token[0] == "<" else token)
    return out


def plain(line):
    return line.replace("<i>", "").replace("</i>", "")


# ---- pairing by time ---------------------------------------------------------------------

def pair_by_time(truth, found):
    """For each transcript cue the index of the found cue overlapping it most (or None); each
    found cue is used once."""
    used, pairs = set(), []
    for start, end, _ in truth:
        best, best_overlap = None, 0
        for i, (s, e, _) in enumerate(found):
            overlap = min(end, max(e, s + 1)) - max(start, s)
            if i not in used and overlap > best_overlap:
                best, best_overlap = i, overlap
        if best is not None:
            used.add(best)
        pairs.append(best)
    return pairs


# ---- naming ------------------------------------------------------------------------------

def anchors(line_pieces, chars, known):
    """Longest chain of known pieces matching the characters in order: [(piece i, char j,
    length)]."""
    n, m = len(line_pieces), len(chars)
    # best[i][j]: most anchors using pieces i.. and characters j..
    best = [[0] * (m + 1) for _ in range(n + 1)]
    for i in range(n - 1, -1, -1):
        text = known.get(line_pieces[i])
        for j in range(m - 1, -1, -1):
            value = max(best[i + 1][j], best[i][j + 1])
            if text and chars.startswith(text, j):
                value = max(value, 1 + best[i + 1][j + len(text)])
            best[i][j] = value
    chain, i, j = [], 0, 0
    while i < n and j < m:
        text = known.get(line_pieces[i])
        if text and chars.startswith(text, j) and best[i][j] == 1 + best[i + 1][j + len(text)]:
            chain.append((i, j, len(text)))
            i, j = i + 1, j + len(text)
        elif best[i][j] == best[i + 1][j]:
            i += 1
        else:
            j += 1
    return chain


def split_by_width(between, text, widths, known):
    """Splits `text` over the pieces `between` (fewer pieces than characters) so that each
    group's width, guessed from the widths of the entries known as its characters, comes
    closest to its piece's width (a piece of several letters: a pair that touches, or a word
    that a column cut could not part)."""
    seen = defaultdict(list)
    for p, t in known.items():
        if len(t) == 1 and p in widths:
            seen[t].append(widths[p])
    every = sorted(w for ws in seen.values() for w in ws) or [10]
    guess = {c: sorted(ws)[len(ws) // 2] for c, ws in seen.items()}
    fallback = every[len(every) // 2]
    char_w = [guess.get(c, fallback) for c in text]
    n, m, inf = len(between), len(text), float("inf")
    cost = [[inf] * (m + 1) for _ in range(n + 1)]
    back = [[0] * (m + 1) for _ in range(n + 1)]
    cost[0][0] = 0
    for i in range(1, n + 1):
        w = widths.get(between[i - 1], fallback)
        for j in range(i, m - (n - i) + 1):
            for s in range(i - 1, j):
                if cost[i - 1][s] == inf:
                    continue
                c = cost[i - 1][s] + (w - (sum(char_w[s:j]) + (j - s - 1))) ** 2
                if c < cost[i][j]:
                    cost[i][j], back[i][j] = c, s
    groups, j = [], m
    for i in range(n, 0, -1):
        groups.append(text[back[i][j]:j])
        j = back[i][j]
    return list(reversed(groups))


def name_entries(line_pairs, widths):
    """line_pairs: [(pieces, transcript characters without spaces)]; widths: entry -> width
    in pixels. Returns entry -> text."""
    # A straight double quote is cut as two strokes, which a user names as single quotes.
    line_pairs = [(ps, chars.replace('"', "''"))
                  if len(ps) != len(chars) and len(ps) == len(chars.replace('"', "''"))
                  else (ps, chars) for ps, chars in line_pairs]
    votes = defaultdict(Counter)
    for ps, chars in line_pairs:
        if len(ps) == len(chars):
            for p, c in zip(ps, chars):
                votes[p][c] += 1
    known = {p: v.most_common(1)[0][0] for p, v in votes.items()}
    for _ in range(4):
        gap_votes = defaultdict(Counter)
        for ps, chars in line_pairs:
            if len(ps) == len(chars):
                continue
            chain = anchors(ps, chars, known)
            bounds = [(-1, 0, 0)] + chain + [(len(ps), len(chars), 0)]
            for (i0, j0, l0), (i1, j1, _) in zip(bounds, bounds[1:]):
                between, text = ps[i0 + 1:i1], chars[j0 + l0:j1]
                if text == '"' and len(between) == 2:  # its two strokes, each a single quote
                    for p in between:
                        gap_votes[p]["'"] += 1
                elif len(between) == 1 and text:
                    gap_votes[between[0]][text] += 1
                elif between and len(between) == len(text):
                    for p, c in zip(between, text):
                        gap_votes[p][c] += 1
                elif between and len(between) < len(text):
                    for p, c in zip(between, split_by_width(between, text, widths, known)):
                        gap_votes[p][c] += 1
            for i, j, length in chain:
                gap_votes[ps[i]][chars[j:j + length]] += 1
        merged = defaultdict(Counter)
        for p, v in votes.items():
            merged[p].update(v)
        for p, v in gap_votes.items():
            merged[p].update(v)
        new_known = {p: v.most_common(1)[0][0] for p, v in merged.items()}
        if new_known == known:
            break
        known = new_known
    return known


# ---- comparing ---------------------------------------------------------------------------

def levenshtein(a, b):
    if len(a) < len(b):
        a, b = b, a
    row = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        prev, row[0] = row[0], i
        for j, cb in enumerate(b, 1):
            cur = min(row[j] + 1, row[j - 1] + 1, prev + (ca != cb))
            prev, row[j] = row[j], cur
    return row[len(b)]


def cue_text(lines, italics):
    text = "\n".join(l.strip() for l in lines)
    if italics:
        return text.replace("<i>", "\x01").replace("</i>", "\x02")
    return plain(text)


def italic_runs(line):
    return [re.sub(r"\s", "", run) for run in re.findall(r"<i>(.*?)</i>", line)]


# ---- one set -----------------------------------------------------------------------------

def run(cmd, **kw):
    done = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if done.returncode != 0:
        raise RuntimeError("%s failed (%d): %s" % (" ".join(cmd), done.returncode,
                                                    done.stderr.strip()))
    return done.stdout


def measure(cli, set_dir, work, learn="after"):
    name = os.path.basename(os.path.normpath(set_dir))
    truth = read_srt(os.path.join(set_dir, "en.srt"))
    fmt = os.path.join(ROOT, "outputini", "srt.ini")
    settings, dictionary = os.path.join(work, "quelm.ini"), os.path.join(work, "dict")
    records, out = os.path.join(work, "records.txt"), os.path.join(work, "out.srt")
    open(settings, "w").close()  # default settings: nothing tuned per disc
    run([cli, "convert", "--settings", settings, "--learn", learn, "--dict", dictionary,
         "--records", records, "--format", fmt, "--out", os.path.join(work, "first.srt"),
         os.path.join(set_dir, "VIDEO_TS")], stdin=subprocess.DEVNULL)

    found = read_records(records)
    line_pairs = []
    for t, r in zip(truth, pair_by_time(truth, found)):
        if r is None:
            continue
        ref_lines = [pieces(l) for l in found[r][2]]
        ref_lines = [l for l in ref_lines if l]
        true_lines = [re.sub(r"\s", "", plain(l)) for l in t[2]]
        if len(ref_lines) == len(true_lines):
            line_pairs += list(zip(ref_lines, true_lines))
        else:  # a line lost or split: align the cue as a whole
            line_pairs.append(([p for l in ref_lines for p in l], "".join(true_lines)))
    listing = [l.split("\t") for l in run([cli, "dict", "list", dictionary]).splitlines()]
    entries = [l[1] for l in listing if len(l) > 2]
    widths = {l[1]: int(l[2].split("x")[0]) for l in listing if len(l) > 2 and "x" in l[2]}
    names = name_entries(line_pairs, widths)
    unnamed = differ = differ_first = 0
    texts = {l[1]: l[3] if len(l) > 3 else "" for l in listing if len(l) > 2}
    first = first_readings(os.path.join(dictionary, "chardict.unconfirmed"))
    for entry in entries:
        text = names.get(entry)
        if text is None:
            unnamed += 1
            text = ""  # seen nowhere a transcript explains: the user calls it no character
        if learn == "auto":
            differ += names.get(entry) is not None and texts.get(entry) != text
            # Asked about every shape, the user sees its first reading filled in.
            differ_first += names.get(entry) is not None and first.get(entry, texts.get(entry)) != text
        else:
            run([cli, "dict", "name", dictionary, os.path.basename(entry), text])
    run([cli, "render", "--records", records, "--settings", settings, "--dict", dictionary,
         "--format", fmt, "--out", out])

    rendered = read_srt(out)
    pairs = pair_by_time(truth, rendered)
    result = dict(set=name, subtitles=len(found), transcript_subtitles=len(truth),
                  entries=len(entries), entries_without_votes=unnamed, differ=differ,
                  differ_first=differ_first)
    for key, italics in (("plain", False), ("italic", True)):
        chars = errors = 0
        for t, r in zip(truth, pairs):
            expected = cue_text(t[2], italics)
            chars += len(expected)
            errors += levenshtein(expected, cue_text(rendered[r][2], italics) if r is not None
                                  else "")
        for i, cue in enumerate(rendered):
            if i not in pairs:
                errors += len(cue_text(cue[2], italics))
        result[key + "_chars"], result[key + "_errors"] = chars, errors
    marked = lines = 0
    for t, r in zip(truth, pairs):
        got = [l.strip() for l in rendered[r][2]] if r is not None else []
        for k, line in enumerate(t[2]):
            runs = italic_runs(line)
            if not runs:
                continue
            lines += 1
            if k < len(got) and len(got) == len(t[2]):
                candidate = got[k]
            else:
                candidate = min(got, key=lambda g: levenshtein(plain(g), plain(line)), default="")
            marked += italic_runs(candidate) == runs
    result["italic_lines"], result["italic_lines_marked"] = lines, marked
    return result


def first_readings(path):
    """{entry file: the first text the engine read for it} from chardict.unconfirmed."""
    first = {}
    if os.path.isfile(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                fields = [x.replace("\\t", "\t").replace("\\\\", "\\")
                          for x in line.rstrip("\n").split("\t")]
                if len(fields) >= 4:
                    first[fields[0]] = fields[3]
    return first


def percent(errors, chars):
    return 100.0 * errors / chars if chars else 0.0


def measure_set(args, set_dir):
    if not os.path.isfile(os.path.join(set_dir, "en.srt")):
        raise ValueError("%s holds no en.srt transcript" % set_dir)
    if not args.keep:
        with tempfile.TemporaryDirectory(prefix="quelm-cer-") as work:
            return measure(args.cli, set_dir, work, args.learn)
    work = os.path.join(args.keep, os.path.basename(os.path.normpath(set_dir)))
    os.makedirs(work, exist_ok=True)
    for f in ("records.txt", "records.txt.resume"):  # a fresh run, not a resumed one
        if os.path.exists(os.path.join(work, f)):
            os.remove(os.path.join(work, f))
    if os.path.isdir(os.path.join(work, "dict")):
        for f in os.listdir(os.path.join(work, "dict")):
            os.remove(os.path.join(work, "dict", f))
    return measure(args.cli, set_dir, work, args.learn)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("sets", nargs="+", metavar="SET")
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "bin", "quelm-cli"))
    parser.add_argument("--learn", choices=("after", "auto"), default="after",
                        help="after: name every entry from the transcript (default); auto: "
                             "measure the names the OCR engine gave")
    parser.add_argument("--json", action="store_true", help="print JSON instead of a table")
    parser.add_argument("--keep", metavar="DIR", help="keep each set's files under DIR/<set>")
    parser.add_argument("--max-cer", type=float, metavar="PERCENT",
                        help="exit 1 when the total rate, italics stripped, is above PERCENT")
    args = parser.parse_args()
    if not os.access(args.cli, os.X_OK):
        sys.exit("cer.py: no quelm-cli at %s (build it, or give --cli)" % args.cli)

    try:
        results = [measure_set(args, set_dir) for set_dir in args.sets]
    except (RuntimeError, OSError, ValueError) as e:
        sys.exit("cer.py: %s" % e)

    total = dict(set="total")
    for key in ("subtitles", "transcript_subtitles", "entries", "entries_without_votes", "differ", "differ_first",
                "plain_chars", "plain_errors", "italic_chars", "italic_errors", "italic_lines",
                "italic_lines_marked"):
        total[key] = sum(r[key] for r in results)
    for r in results + [total]:
        r["cer"] = round(percent(r["plain_errors"], r["plain_chars"]), 3)
        r["cer_italics"] = round(percent(r["italic_errors"], r["italic_chars"]), 3)

    if args.json:
        print(json.dumps(dict(sets=results, total=total), indent=2))
    else:
        print("%-12s %9s %16s %8s %12s %15s" % ("set", "subtitles", "entries (no vote)",
                                                "CER %", "CER+ital. %", "italic marked"))
        for r in results + [total]:
            print("%-12s %4d/%-4d %9d (%4d) %8.2f %12.2f %9d of %-4d" % (
                r["set"], r["subtitles"], r["transcript_subtitles"], r["entries"],
                r["entries_without_votes"], r["cer"], r["cer_italics"],
                r["italic_lines_marked"], r["italic_lines"]))
        print("italic lines marked: %d of %d" % (total["italic_lines_marked"],
                                                 total["italic_lines"]))
        if args.learn == "auto":
            named = total["entries"] - total["entries_without_votes"]
            print("entries named otherwise than the transcript names them: %d of %d" % (
                total["differ"], named))
            print("first readings otherwise (answers a user asked about every shape would change):"
                  " %d of %d" % (total["differ_first"], named))
        print("(subtitles: records found / transcript cues; no vote: entries the transcript names\n"
              "nowhere, named as no character. CER: Levenshtein distance over %d transcript\n"
              "characters, italics stripped; CER+ital.: with <i> and </i> as one character each)"
              % total["plain_chars"])
    if args.max_cer is not None and total["cer"] > args.max_cer:
        print("cer.py: total character error rate %.3f %% is above %.3f %%"
              % (total["cer"], args.max_cer), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
