// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the page loads, its wasm and icons included, at most 300 KB once gzipped, as a
// phone on a slow line fetches it on the first visit.
import {test} from "node:test";
import assert from "node:assert/strict";
import {readdirSync, readFileSync} from "node:fs";
import path from "node:path";
import {gzipSync} from "node:zlib";
import {page} from "./module.mjs";

test("the page is at most 300 KB gzipped", () => {
    let total = 0;
    for (const file of readdirSync(page))
        total += gzipSync(readFileSync(path.join(page, file)), {level: 9}).length;
    console.log(`# the page: ${(total / 1024).toFixed(1)} KB gzipped`);
    assert.ok(total <= 300 * 1024, `${total} bytes`);
});
