// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's module under node, and the tables of published dates the native tests read.
import {readFileSync} from "node:fs";
import {fileURLToPath} from "node:url";
import path from "node:path";

const here = path.dirname(fileURLToPath(import.meta.url));
export const source = path.resolve(here, "../..");
export const page = process.env.DALVANE_WEB_PAGE || path.join(source, "build/web");

// The module is built for the browser: under node it is handed its wasm, which it would
// otherwise look for beside __dirname.
export async function loadCalendar()
{
    const {default: Dalvane} = await import(path.join(page, "dalvane.mjs"));
    return Dalvane({wasmBinary: readFileSync(path.join(page, "dalvane.wasm"))});
}

// A table of tests/data: one case a line, its name and fields " | " apart; "#" lines are notes.
export function table(name)
{
    return readFileSync(path.join(source, "tests/data", name), "utf8").split("\n")
        .filter(line => line && !line.startsWith("#")).map(line => line.split(" | "));
}

// A place as a table writes it: a built-in name, or LAT,LON,ZONE given whole.
export function placeOf(text)
{
    const parts = text.split(",");
    return parts.length === 3
        ? {name: text, latitude: Number(parts[0]), longitude: Number(parts[1]), zone: parts[2]}
        : text;
}
