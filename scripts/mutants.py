#!/usr/bin/env python3
"""Measures how many small faults in the game logic the tests catch.

Each mutant changes one token of one game-logic source file (a comparison,
an arithmetic or logical operator, a number, true/false), rebuilds the engine
tests, runs the tests of that file's subsystem and the golden draw listings,
and restores the file. A mutant is killed when a test fails; one that does
not compile is set aside and another is drawn. The same seed draws the same
mutants from the same sources.

    scripts/mutants.py --seed 7 --count 10

Prints one line per mutant and the kill rate; --log FILE also writes them.
Run it on a clean tree: the file under test is restored even when the run is
interrupted, but other edits would be built along with the mutant.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
GAME_LOGIC = ["enemy", "player", "world", "event", "ui", "object", "scene"]

# The tests of each subsystem, as CTest name patterns; the golden draw
# listings watch every subsystem.
ALWAYS = ["DrawGoldens"]
SUBSYSTEM_TESTS = {
    "enemy": ["Bosses", "BossAttacks", "Enemy", "KindTable", "KindCombat", "KindMotion",
              "Projectiles", "BossStages", "BossRun", "LastStageRun"],
    "player": ["PlayerMovement", "GunFixture", "StageScenePieces", "StageFlow", "StageClear",
               "RunnerOutput", "StageRun"],
    "world": ["World", "BlockTable", "StageScenePieces", "StageFlow", "EnemyPlacement", "StageRun"],
    "event": ["Conversation", "DialogueScripts", "BossStages", "BossRun", "LastStageRun"],
    "ui": ["FontMetrics", "TextAndMenus", "TextPen", "Menus", "NameEntry"],
    "object": ["ObjectManager", "ObjectBase", "ViewObject", "Collision", "StageFlow"],
    "scene": ["Ending", "Gameover", "NameEntry", "Menus", "AttractDemo", "StageFlow",
              "StageClear", "StageScenePieces", "BossStages", "StageTable", "SceneFactory",
              "TitleRun", "FlowRun", "TrialEndingRun"],
}

SWAPS = {
    "<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
    "+": "-", "-": "+", "*": "/", "/": "*", "&&": "||", "||": "&&",
    "+=": "-=", "-=": "+=", "++": "--", "--": "++", "true": "false", "false": "true",
}
TOKEN = re.compile(
    r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'|^\s*#[^\n]*'
    r'|(?P<number>\b\d+\.\d*f?|\b\d+\.?\d*(?:e[+-]?\d+)?f?\b)'
    r'|(?P<word>\b(?:true|false)\b)'
    r'|(?P<op>&&|\|\||\+\+|--|\+=|-=|<=|>=|==|!=|->|<<|>>|[<>+\-*/])',
    re.S | re.M)


def candidates(text):
    """(start, end, replacement) for every mutable token outside comments,
    strings and preprocessor lines."""
    found = []
    for m in TOKEN.finditer(text):
        kind = m.lastgroup
        if kind is None:
            continue
        token = m.group(kind)
        start, end = m.span(kind)
        if kind == "number":
            digits = re.match(r"\d+", token).group(0)
            if "." in token or "e" in token.lower():
                # Change the last digit of a decimal: 0.04f -> 0.05f.
                body = token.rstrip("fF")
                i = max(j for j, c in enumerate(body) if c.isdigit())
                d = int(body[i])
                new = body[:i] + str((d + 1) % 10 if d != 9 else 8) + body[i + 1:]
                found.append((start, end, new + token[len(body):]))
            else:
                found.append((start, end, str(int(digits) + 1) + token[len(digits):]))
        elif kind == "word":
            found.append((start, end, SWAPS[token]))
        elif token in SWAPS:
            line_start = text.rfind("\n", 0, start) + 1
            line = text[line_start:text.find("\n", start)]
            # Leave templates, includes and pointers alone.
            if token in ("<", ">") and re.search(r"\b(template|static_cast|dynamic_cast|"
                                                  r"std::\w+|shared_ptr|unique_ptr|"
                                                  r"weak_ptr)\s*<", line):
                continue
            if token in ("*",) and re.search(r"\w\s*\*\s*\w+\s*[=;,)]|\*\s*this|\(\*", line):
                continue
            found.append((start, end, SWAPS[token]))
    return found


def run(command, log, timeout):
    started = time.time()
    try:
        result = subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, timeout=timeout, text=True)
        output, code = result.stdout, result.returncode
    except subprocess.TimeoutExpired as e:
        output, code = (e.stdout or b"").decode(errors="replace") if isinstance(
            e.stdout, bytes) else (e.stdout or ""), -1
    log.write(output[-4000:])
    return code, output, time.time() - started


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=10, help="mutants that compile")
    parser.add_argument("--build-dir", default="build")
    parser.add_argument("--timeout", type=int, default=900, help="seconds per test run")
    parser.add_argument("--log", help="also write the results here")
    parser.add_argument("--output", default="/tmp/vrels-mutants.out",
                        help="build and test output of the last mutant")
    args = parser.parse_args()

    sources = sorted(os.path.join(folder, name)
                     for folder in GAME_LOGIC
                     for name in os.listdir(os.path.join(ROOT, folder))
                     if name.endswith(".cpp"))
    if subprocess.run(["git", "diff", "--quiet", "--"] + GAME_LOGIC, cwd=ROOT).returncode:
        sys.exit("mutants.py: the game-logic folders have uncommitted changes")
    chooser = random.Random(args.seed)
    env_run = ["nice", "-n", "10"]
    os.environ.setdefault("SDL_VIDEODRIVER", "offscreen")
    os.environ.setdefault("SDL_AUDIODRIVER", "dummy")
    os.environ["VRELS_NO_DIALOGS"] = "1"

    results = []
    stillborn = 0
    current = {}

    def restore(*_):
        if current:
            with open(current["path"], "w") as f:
                f.write(current["text"])
        if _:
            sys.exit("mutants.py: interrupted, source restored")

    signal.signal(signal.SIGINT, restore)
    signal.signal(signal.SIGTERM, restore)
    out = open(args.output, "w")
    while len(results) < args.count and stillborn < 5 * args.count:
        relative = chooser.choice(sources)
        path = os.path.join(ROOT, relative)
        with open(path) as f:
            text = f.read()
        options = candidates(text)
        if not options:
            continue
        start, end, new = chooser.choice(options)
        line = text.count("\n", 0, start) + 1
        old = text[start:end]
        current.update(path=path, text=text)
        try:
            with open(path, "w") as f:
                f.write(text[:start] + new + text[end:])
            code, _, build_time = run(env_run + ["cmake", "--build", args.build_dir, "--target",
                                                 "vrels-tests"], out, 3600)
            if code != 0:
                stillborn += 1
                print("  (does not compile: %s:%d %s -> %s)" % (relative, line, old, new),
                      flush=True)
                continue
            folder = relative.split("/")[0]
            pattern = "|".join(SUBSYSTEM_TESTS[folder] + ALWAYS)
            code, output, test_time = run(
                env_run + ["ctest", "--test-dir", args.build_dir, "-R", pattern, "-j2",
                           "--stop-on-failure", "--timeout", "300"], out, args.timeout)
            failed = re.findall(r"\d+ - (\S+) \((?:Failed|SEGFAULT|Timeout|[^)]*)\)", output)
            killed = code != 0
            verdict = "killed by " + (failed[0] if failed else "a failure") if killed else "SURVIVED"
            entry = "%s:%d  %s -> %s  %s  (build %ds, tests %ds)" % (
                relative, line, old, new, verdict, build_time, test_time)
            results.append((killed, entry))
            print(entry, flush=True)
        finally:
            with open(path, "w") as f:
                f.write(text)
            current.clear()
    # Rebuild the tree as it was.
    run(env_run + ["cmake", "--build", args.build_dir, "--target", "vrels-tests"], out, 3600)
    kills = sum(1 for killed, _ in results if killed)
    summary = "seed %d: %d of %d mutants killed (%d did not compile)" % (
        args.seed, kills, len(results), stillborn)
    print(summary)
    if args.log:
        with open(args.log, "w") as f:
            f.write("\n".join(entry for _, entry in results) + "\n" + summary + "\n")


if __name__ == "__main__":
    main()
