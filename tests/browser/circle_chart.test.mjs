// The circle chart's SVG and HTML pages in a real browser: they load without errors, draw
// their rings in colour, and no two labels cover each other, however they are turned.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, openPage, screenshotColours, serveFolder } from './harness.mjs';

const cli = process.env.QV_CLI;
const testData = process.env.QV_TESTDATA_DIR || '';
const output = process.env.QV_BROWSER_OUTPUT || fs.mkdtempSync(path.join(os.tmpdir(), 'qv-circle-'));
fs.mkdirSync(output, { recursive: true });

function writeChart(name, source, root, settings) {
    const file = path.join(output, name);
    const sets = settings.flatMap((s) => ['--set', s]);
    execFileSync(cli, ['chart', 'circle', ...source, '--root', root, ...sets, '-o', file],
                 { stdio: 'pipe' });
    return name;
}

// Each label line's corners on the page: its text box turned as the page turns it, half a
// unit smaller all round. Lines of one label share a block: the turned group around them, or
// for an unturned label the centre they are set about.
function labelCorners(session) {
    return session.evaluate(() => Array.from(document.querySelectorAll('svg text'))
        .filter((t) => !t.textContent.startsWith('k = '))
        .map((t) => {
            const box = t.getBBox();
            const m = t.getScreenCTM();
            const d = 0.5;
            const corners = [[box.x + d, box.y + d], [box.x + box.width - d, box.y + d],
                             [box.x + box.width - d, box.y + box.height - d],
                             [box.x + d, box.y + box.height - d]];
            const group = t.parentElement.getAttribute('transform');
            const block = group ? `${group}` : `${Math.round(box.x + box.width / 2)}`;
            return { text: t.textContent, block,
                     corners: corners.map(([x, y]) => [m.a * x + m.c * y + m.e,
                                                       m.b * x + m.d * y + m.f]) };
        }));
}

// Two convex quadrilaterals overlap unless some edge direction separates them.
function overlap(a, b) {
    for (const shape of [a, b]) {
        for (let i = 0; i < 4; i++) {
            const [x1, y1] = shape[i], [x2, y2] = shape[(i + 1) % 4];
            const axis = [y1 - y2, x2 - x1];
            const project = (q) => q.map(([x, y]) => x * axis[0] + y * axis[1]);
            const pa = project(a), pb = project(b);
            if (Math.max(...pa) <= Math.min(...pb) || Math.max(...pb) <= Math.min(...pa))
                return false;
        }
    }
    return true;
}

let server;
let browser;

before(async () => {
    server = await serveFolder(output);
    browser = await launchBrowser({ viewport: { width: 1400, height: 1400 } });
});

after(async () => {
    await browser?.close();
    await server?.close();
});

// Scales the whole chart into the window, so that the screenshot shows all its rings.
function fitIntoWindow(session) {
    return session.evaluate(() => {
        const svg = document.querySelector('svg');
        const width = parseFloat(svg.getAttribute('width'));
        const height = parseFloat(svg.getAttribute('height'));
        svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
        svg.setAttribute('width', 1400);
        svg.setAttribute('height', Math.round(1400 * height / width));
    });
}

// Labels are measured at the chart's own size (a browser lays out text differently when it
// is scaled far down); the screenshot shows the whole chart scaled into the window.
async function check(name, { colours = 6 } = {}) {
    const session = await openPage(browser, `${server.url}/${name}`);
    await session.settle();
    assert.deepEqual(session.errors, []);
    const labels = await labelCorners(session);
    assert.ok(labels.length > 0, 'some labels');
    for (let i = 0; i < labels.length; i++)
        for (let j = i + 1; j < labels.length; j++)
            assert.ok(labels[i].block === labels[j].block ||
                      !overlap(labels[i].corners, labels[j].corners),
                      `"${labels[i].text}" and "${labels[j].text}" overlap`);
    await fitIntoWindow(session);
    await session.settle();
    assert.ok(await screenshotColours(session, path.join(output, `${name}.png`)) > colours,
              'the rings are drawn in colour');
    assert.deepEqual(session.errors, []);
    await session.close();
    return labels;
}

describe('Circle chart pages', () => {
    const example = ['--example'];
    test('the example family as SVG, full circle with captions', async () => {
        const name = writeChart('example.svg', example, '#18',
                                ['KT_KEKULE=1', 'KT_GENERATIONS=1', 'KT_HIGHLIGHT_DOUBLE=1',
                                 'KT_BACKGROUND_COLORED=1']);
        const labels = await check(name);
        assert.ok(labels.some((l) => l.text.startsWith('#1 ')), 'the proband carries number 1');
    });

    test('the example family as an HTML page, half circle', async () => {
        await check(writeChart('example.html', example, '#18', ['KT_SHAPE=1', 'KT_KEKULE=1']));
    });

    const shared = [['royal92.ged', 'I1060'], ['Queen.ged', 'I3062']];
    for (const [file, root] of shared) {
        test(`${file} at ${root}`, { skip: !testData }, async () => {
            const name = writeChart(`${path.basename(file, '.ged')}.svg`,
                                    [path.join(testData, file)], root,
                                    ['KT_HIGHLIGHT_DOUBLE=1', 'KT_NODE_HEIGHT=60']);
            await check(name);
        });
    }
});
