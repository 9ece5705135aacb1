// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: the page served as `./dev web` serves it, Debian's chromium
// launched headless through the pinned playwright-core, and the two checks every view passes
// (nothing clipped, no serious accessibility violation).
import {spawn} from "node:child_process";
import {readFileSync} from "node:fs";
import {createRequire} from "node:module";
import path from "node:path";
import {source} from "./module.mjs";

const modules = process.env.DALVANE_NODE_MODULES || path.join(source, "build/web-tests/node_modules");
const require = createRequire(path.join(modules, "noop.js"));
export const {chromium} = require("playwright-core");
const axeSource = readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");

export const launchOptions = {
    executablePath: process.env.DALVANE_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--no-first-run", "--disable-sync"],
};
export const contextOptions = {locale: "en-GB", timezoneId: "Asia/Kolkata"};

// Python's own static server on a free port of the loopback.
export function serve(folder)
{
    return new Promise((resolve, reject) => {
        const server = spawn("python3", ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                         "--directory", folder], {stdio: ["ignore", "pipe", "pipe"]});
        server.stdout.on("data", data => {
            const port = /port (\d+)/.exec(String(data));
            if (port)
                resolve({server, url: `http://127.0.0.1:${port[1]}/`});
        });
        server.on("error", reject);
    });
}

export async function stop(server)
{
    server.kill();
    await new Promise(resolve => server.once("exit", resolve));
}

// The page's elements wider than their box where they clip, and how far the page itself
// scrolls sideways.
export function overflow(page)
{
    return page.evaluate(() => {
        // Text kept for screen readers alone is clipped on purpose.
        const wide = [document.documentElement, ...document.querySelectorAll("main *:not(.unseen)")]
            .filter(node => node.scrollWidth > node.clientWidth + 1 &&
                            getComputedStyle(node).overflowX !== "visible");
        return [document.documentElement.scrollWidth - document.documentElement.clientWidth,
                wide.map(node => node.id || node.className || node.tagName)];
    });
}

// axe-core's serious and critical violations on the page as it stands.
export async function violations(page)
{
    await page.addScriptTag({content: axeSource});
    return page.evaluate(async () =>
        (await axe.run()).violations.filter(v => ["serious", "critical"].includes(v.impact))
            .map(v => `${v.id}: ${v.nodes.map(n => n.target).join(" ")}`));
}
