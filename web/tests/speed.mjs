// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation's core calls (speed.cpp) built natively and in WebAssembly, side by side under
// node, and the page's whole calculate() with its binding, in microseconds a calculation.
//   make web-bench, or node web/tests/speed.mjs NATIVE-BUILD-OF-speed.cpp
import {execFileSync} from "node:child_process";
import {readFileSync} from "node:fs";
import path from "node:path";
import {loadCalendar, source} from "./module.mjs";

const parse = text => Object.fromEntries(text.trim().split("\n").map(line => line.split(" "))
    .map(([key, value]) => [key, Number(value)]));
const native = parse(execFileSync(process.argv[2], {encoding: "utf8"}));

// The wasm build of the same program, handed its wasm as the page's module is.
const program = path.join(source, "build/wasm/web/dalvane_speed.mjs");
let printed = "";
const {default: speed} = await import(program);
await speed({wasmBinary: readFileSync(program.replace(/\.mjs$/, ".wasm")),
             print: line => (printed += line + "\n")});
const wasm = parse(printed);

const calendar = await loadCalendar();
const questions = {
    plain: {date: "20-08-2001", order: 1, separator: "/", year: "2005", beforeDawn: false,
            calendar: "shahenshahi"},
    sun: {date: "20-08-2001", order: 1, separator: "/", year: "2005", beforeDawn: false,
          calendar: "shahenshahi", place: "London", hour: 5, minute: 30},
};
for (const [name, question] of Object.entries(questions)) {
    for (let i = 0; i < 2000; ++i)
        calendar.calculate(question);
    const runs = 20000, start = performance.now();
    for (let i = 0; i < runs; ++i)
        calendar.calculate(question);
    const page = (performance.now() - start) * 1000 / runs;
    console.log(`${name}: native ${native[name].toFixed(2)} µs, wasm ${wasm[name].toFixed(2)} µs ` +
                `(${(wasm[name] / native[name]).toFixed(2)} times), the page's calculate() ` +
                `${page.toFixed(2)} µs`);
}
