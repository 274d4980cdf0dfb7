#!/usr/bin/env python3
"""Does a Nimbrel draw again, apart from the program, with Python 3's standard library only.

A draw from a public number is fixed by the list and the public text alone:

    fingerprint = SHA-256 of the names in order, each as UTF-8 followed by "\\n",
                  written as 64 lowercase hexadecimal characters
    seed        = the first 8 bytes of SHA-256(fingerprint + "\\n" + text as UTF-8),
                  read as an unsigned 64-bit number, most significant byte first
    re-orders   = 200

Usage:
    check-public-draw.py LIST TEXT       LIST: a text file of names, one a line (UTF-8),
                                         read as Nimbrel imports it (empty lines skipped),
                                         in the order the fingerprint was announced for
    check-public-draw.py --record FILE   a draw record exported from Nimbrel: its list, its
                                         public text (or seed) and re-orders; the drawn
                                         order is compared with the record's
Options:
    --teams N       also deal the drawn order into N teams (first name to team 1, ...)
    --seed N        an ordinary draw's seed instead of a public text (with --reorders)
    --reorders N    re-orders instead of 200
    --quiet         print only whether the record matches (with --record)

Exit status: 0 when done (with --record: when the draw matches), 1 when the record does not
match, 2 when the input cannot be read.
"""

import argparse
import hashlib
import re
import struct
import sys

PUBLIC_REORDERS = 200
SEPARATOR = b"\n"
MASK32 = 0xFFFFFFFF


def fingerprint(names):
    """SHA-256 of the names in order, each as UTF-8 followed by a line feed."""
    digest = hashlib.sha256()
    for name in names:
        digest.update(name.encode("utf-8") + b"\n")
    return digest.hexdigest()


def public_seed(fingerprint_hex, text):
    digest = hashlib.sha256(fingerprint_hex.encode("ascii") + SEPARATOR + text.encode("utf-8")).digest()
    return int.from_bytes(digest[:8], "big")


def seed_seq_generate(values, count):
    """std::seed_seq::generate, as the C++ standard defines it ([rand.util.seedseq])."""
    out = [0x8B8B8B8B] * count
    s = len(values)
    n = count
    if n >= 623:
        t = 11
    elif n >= 68:
        t = 7
    elif n >= 39:
        t = 5
    elif n >= 7:
        t = 3
    else:
        t = (n - 1) // 2
    p = (n - t) // 2
    q = p + t
    m = max(s + 1, n)

    def mix(x):
        return x ^ (x >> 27)

    for k in range(m):
        r1 = (1664525 * mix(out[k % n] ^ out[(k + p) % n] ^ out[(k - 1) % n])) & MASK32
        if k == 0:
            r2 = r1 + s
        elif k <= s:
            r2 = r1 + k % n + values[k - 1]
        else:
            r2 = r1 + k % n
        r2 &= MASK32
        out[(k + p) % n] = (out[(k + p) % n] + r1) & MASK32
        out[(k + q) % n] = (out[(k + q) % n] + r2) & MASK32
        out[k % n] = r2
    for k in range(m, m + n):
        r3 = (1566083941 * mix((out[k % n] + out[(k + p) % n] + out[(k - 1) % n]) & MASK32)) & MASK32
        r4 = (r3 - k % n) & MASK32
        out[(k + p) % n] ^= r3
        out[(k + q) % n] ^= r4
        out[k % n] = r4
    return out


class MersenneTwister:
    """std::mt19937 (w=32, n=624, m=397, r=31), seeded from a seed sequence."""

    N = 624
    M = 397

    def __init__(self, seed64):
        values = [seed64 & MASK32, (seed64 >> 32) & MASK32]
        self.state = seed_seq_generate(values, self.N)
        # All of the significant bits zero would leave the engine stuck at 0.
        if (self.state[0] & 0x80000000) == 0 and not any(self.state[1:]):
            self.state[0] = 0x80000000
        self.index = self.N

    def twist(self):
        state = self.state
        for i in range(self.N):
            y = (state[i] & 0x80000000) | (state[(i + 1) % self.N] & 0x7FFFFFFF)
            value = state[(i + self.M) % self.N] ^ (y >> 1)
            if y & 1:
                value ^= 0x9908B0DF
            state[i] = value
        self.index = 0

    def next32(self):
        if self.index >= self.N:
            self.twist()
        y = self.state[self.index]
        self.index += 1
        y ^= y >> 11
        y ^= (y << 7) & 0x9D2C5680
        y ^= (y << 15) & 0xEFC60000
        y ^= y >> 18
        return y & MASK32


def to_float32(x):
    """x rounded to the nearest single-precision value, as a Python float."""
    return struct.unpack("<f", struct.pack("<f", x))[0]


class Remaining:
    """The names not yet taken in one re-order, by their places: a Fenwick tree of counts."""

    def __init__(self, n):
        self.n = n
        self.tree = [0] * (n + 1)
        for i in range(1, n + 1):
            self.tree[i] += 1
            parent = i + (i & -i)
            if parent <= n:
                self.tree[parent] += self.tree[i]
        self.top = 1
        while self.top * 2 <= n:
            self.top *= 2

    def take(self, k):
        """Removes and returns the place of the k-th remaining name, k from 0."""
        position = 0
        step = self.top
        while step:
            nxt = position + step
            if nxt <= self.n and self.tree[nxt] <= k:
                position = nxt
                k -= self.tree[nxt]
            step //= 2
        i = position + 1
        while i <= self.n:
            self.tree[i] -= 1
            i += i & -i
        return position


def reorder(n, engine):
    """One re-order: element j of the result is the current place of the name that goes to j."""
    remaining = Remaining(n)
    order = []
    for m in range(n - 1, -1, -1):
        r = (engine.next32() >> 8) / 16777216.0  # 24 random bits, exact in single precision
        x = to_float32(r * m)  # r * m is exact in a double, so this rounds once, as a float does
        k = round(x)  # Python rounds a tie to the even number
        order.append(remaining.take(k))
    return order


def draw(names, seed, reorders):
    engine = MersenneTwister(seed)
    current = list(range(len(names)))
    if len(names) > 0:
        for _ in range(reorders):
            order = reorder(len(names), engine)
            current = [current[place] for place in order]
    return [names[place] for place in current]


def deal(drawn, teams):
    """The drawn names dealt into teams: the first to team 1, the second to team 2, ..."""
    return [drawn[team::teams] for team in range(teams)]


def read_text(path):
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        raise ValueError("%s is not UTF-8 text" % path)


def read_list(path):
    """A name list file as Nimbrel imports it: lines end at CR LF, CR or LF; empty ones are skipped."""
    return [line for line in re.split("\r\n|\r|\n", read_text(path)) if line != ""]


def read_lines(path):
    """The lines of a record file, each line exactly (a name in its list may be empty)."""
    lines = read_text(path).split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [line[:-1] if line.endswith("\r") else line for line in lines]


def parse_record(path):
    """The fields and the list of a draw record file."""
    lines = read_lines(path)
    if not lines or not lines[0].startswith("Nimbrel draw record "):
        raise ValueError("not a Nimbrel draw record")
    fields = {}
    drawn = []
    i = 1
    while i < len(lines) and lines[i] != "":
        key, _, value = lines[i].partition(": ")
        if key.startswith("Drawn "):
            drawn.append(value)
        else:
            fields[key] = value
        i += 1
    if fields.get("Kind") != "draw":
        raise ValueError("the record is not of a draw")
    names = lines[i + 1:]
    if len(names) != int(fields["Names"]):
        raise ValueError("the record's list does not hold %s names" % fields["Names"])
    return fields, drawn, names


def main():
    parser = argparse.ArgumentParser(description="Does a Nimbrel draw again from its list and public text.")
    parser.add_argument("list", nargs="?", help="a text file of names, one a line")
    parser.add_argument("text", nargs="?", help="the public text, exactly as the record shows it")
    parser.add_argument("--record", help="a draw record file exported from Nimbrel")
    parser.add_argument("--teams", type=int, default=0)
    parser.add_argument("--seed", type=int)
    parser.add_argument("--reorders", type=int)
    parser.add_argument("--quiet", action="store_true")
    args = parser.parse_args()

    recorded = None
    try:
        if args.record:
            fields, recorded, names = parse_record(args.record)
            text = fields.get("Seed from")
            seed = int(fields["Seed"])
            reorders = int(fields["Re-orders"])
            if args.teams == 0 and "Teams" in fields:
                args.teams = int(fields["Teams"])
        else:
            if args.list is None or (args.text is None and args.seed is None):
                parser.error("give a list file and the public text, or --record FILE")
            names = read_list(args.list)
            text = args.text
            seed = args.seed
            reorders = PUBLIC_REORDERS if args.reorders is None else args.reorders
    except (OSError, ValueError, KeyError) as error:
        print("cannot read the input: %s" % error, file=sys.stderr)
        return 2

    listed = fingerprint(names)
    status = 0
    if text is not None:
        from_text = public_seed(listed, text)
        if seed is not None and seed != from_text:
            print("The record's seed %d is not the one the public text gives (%d)." % (seed, from_text))
            status = 1
        seed = from_text
        if args.record and reorders != PUBLIC_REORDERS:
            print("A draw from a public text makes %d re-orders; the record says %d." % (PUBLIC_REORDERS, reorders))
            status = 1
    drawn = draw(names, seed, reorders)

    if not args.quiet:
        print("List SHA-256: %s (announce: %s)" % (listed, listed[:8]))
        if text is not None:
            print("Public text: %s" % text)
        print("Seed: %d" % seed)
        print("Re-orders: %d" % reorders)
        if args.teams > 0:
            for number, team in enumerate(deal(drawn, args.teams), 1):
                print("Team %d: %s" % (number, ", ".join(team)))
        else:
            for place, name in enumerate(drawn, 1):
                print("%d. %s" % (place, name))
    if recorded is not None:
        for place, name in enumerate(recorded):
            if drawn[place] != name:
                print("The draw does not match its record: position %d: recorded \"%s\", the draw gives \"%s\"."
                      % (place + 1, name, drawn[place]))
                return 1
        if status == 0:
            print("The draw matches its record.")
    return status


if __name__ == "__main__":
    sys.exit(main())
