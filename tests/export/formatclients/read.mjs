// SPDX-License-Identifier: MIT
// Reads .puz and .ipuz files with independent readers from the npm registry and prints
// what they report as one JSON object, for export.tst_formatclients to compare:
//   node read.mjs puz FILE.puz    node read.mjs ipuz FILE.ipuz
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { parseIpuz } from "@xwordly/xword-parser";

const require = createRequire(import.meta.url);
const { puzDecode } = require("xd-crossword-tools");
const { readpuz } = require("@confuzzle/readpuz");
const { writepuz } = require("@confuzzle/writepuz");

function readPuz(path) {
    const bytes = readFileSync(path);
    // xd-crossword-tools derives the numbering from the grid and reads the clues by it.
    const decoded = puzDecode(bytes);
    const across = {};
    const down = {};
    decoded.clues.across.forEach((text, n) => { if (text !== undefined) across[n] = text; });
    decoded.clues.down.forEach((text, n) => { if (text !== undefined) down[n] = text; });

    // @confuzzle/writepuz computes every checksum afresh from the puzzle that
    // @confuzzle/readpuz read; ours must be the same. Its text sum always counts title,
    // author and copyright with their NUL and an empty clue as a blank, where the format
    // skips empty strings, so the text-dependent sums are compared only when none of
    // those is empty.
    const puz = readpuz(bytes);
    const again = Buffer.from(writepuz(puz));
    const same = (offset, length) => bytes.subarray(offset, offset + length).equals(
        again.subarray(offset, offset + length));
    const textComparable = puz.title !== "" && puz.author !== "" && puz.copyright !== "" &&
        puz.clues.every((c) => c !== "");
    const masked = (i) => same(0x10 + i, 1) && same(0x14 + i, 1);
    return {
        width: bytes[0x2c],
        height: bytes[0x2d],
        grid: decoded.grid.map((row) => row.join("")),
        title: decoded.meta.title,
        notes: decoded.meta.description,
        across,
        down,
        checksums: {
            cib: same(0x0e, 2) && masked(0),
            solution: masked(1),
            state: masked(2),
            text: textComparable ? masked(3) : null,
            global: textComparable ? same(0x00, 2) : null,
        },
    };
}

function readIpuz(path) {
    const p = parseIpuz(readFileSync(path, "utf-8"));
    // A block reads "#", an omitted square (no square at all) ".".
    const grid = p.puzzle.map((row, y) => row.map((cell, x) => {
        if (cell.type === "block") return "#";
        if (cell.type !== "normal") return ".";
        return p.solution?.[y]?.[x] ?? "?";
    }).join(""));
    const numbers = [];
    p.puzzle.forEach((row, y) => row.forEach((cell, x) => {
        if (cell.number !== undefined) numbers.push([Number(cell.number), x, y]);
    }));
    const byNumber = (list) => Object.fromEntries((list ?? []).map((c) => [c.number, c.text]));
    return {
        width: p.dimensions.width,
        height: p.dimensions.height,
        version: p.version,
        kind: p.kind,
        origin: p.origin,
        title: p.title,
        notes: p.notes,
        grid,
        numbers,
        across: byNumber(p.clues.Across),
        down: byNumber(p.clues.Down),
    };
}

const [kind, path] = process.argv.slice(2);
const result = kind === "puz" ? readPuz(path) : readIpuz(path);
process.stdout.write(JSON.stringify(result) + "\n");
