// The triangle diagram's SVG file and HTML page in a real browser: they load without errors,
// show both triangles with their names, axes and average line, and the page its header.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, openPage, screenshotColours, serveFolder } from './harness.mjs';

const cli = process.env.QV_CLI;
const output = process.env.QV_BROWSER_OUTPUT ||
               fs.mkdtempSync(path.join(os.tmpdir(), 'qv-triangle-'));
fs.mkdirSync(output, { recursive: true });

function writeDiagram(name) {
    execFileSync(cli, ['chart', 'triangle', '--example', '--root', '#18', '--set', 'DD_LABEL=2',
                       '--set', 'DD_COMMENT_HEADER=1', '--set', 'COMMENT_HEADER_TEXT=<p>Kopf & Co</p>',
                       '-o', path.join(output, name)], { stdio: 'pipe' });
    return name;
}

let server;
let browser;

before(async () => {
    server = await serveFolder(output);
    browser = await launchBrowser({ viewport: { width: 1200, height: 900 } });
});

after(async () => {
    await browser?.close();
    await server?.close();
});

// What the browser laid out: the names and axis captions with their boxes, the green line.
function drawnParts(session) {
    return session.evaluate(() => {
        const texts = {};
        for (const t of document.querySelectorAll('svg text')) {
            const box = t.getBBox();
            if (box.width > 0 && box.height > 0) texts[t.textContent] = true;
        }
        const green = [...document.querySelectorAll('svg g')].filter(
            (g) => ['#0F0', '#00FF00', 'rgb(0, 255, 0)'].includes(g.getAttribute('stroke')));
        return { texts, green: green.length };
    });
}

describe('triangle diagram', () => {
    for (const name of ['dreieck.svg', 'dreieck.html']) {
        test(`${name} shows both triangles`, async () => {
            const session = await openPage(browser, `${server.url}/${writeDiagram(name)}`);
            await session.settle(100);
            assert.deepEqual(session.errors, []);
            const parts = await drawnParts(session);
            for (const text of ['Vorfahren', 'Nachfahren', 'gbs', "g'b"])
                assert.ok(parts.texts[text], `${text} is laid out`);
            assert.equal(parts.green, 1, 'one group for the average line');
            const header = await session.evaluate(
                () => document.documentElement.textContent.includes('Kopf & Co'));
            assert.ok(header, 'the header block shows');
            const colours = await screenshotColours(session, path.join(output, `${name}.png`));
            assert.ok(colours > 5, `${colours} colours`);
            await session.close();
        });
    }
});
