// The interactive tree chart in a real browser: it starts without script errors, folds and
// unfolds branches, reduces to marriage circles, shows hover boxes, scrolls along lines and
// keeps its folding in a cookie that only the same file reads.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, openPage, serveFolder } from './harness.mjs';

const cli = process.env.QV_CLI;
const testData = process.env.QV_TESTDATA_DIR || '';
const output = process.env.QV_BROWSER_OUTPUT || fs.mkdtempSync(path.join(os.tmpdir(), 'qv-tree-'));
fs.mkdirSync(output, { recursive: true });

// Writes the interactive chart of root from the example family or a shared GEDCOM file.
function exportChart(file, source, root) {
    const input = source === 'example' ? ['--example'] : [path.join(testData, source)];
    execFileSync(cli, ['chart', 'tree', ...input, '--root', root, '--set', 'AT_LABEL=2', '--interactive', '-o',
                       path.join(output, file)], { stdio: 'pipe' });
}

let server;
let browser;

before(async () => {
    server = await serveFolder(output);
    browser = await launchBrowser({ viewport: { width: 900, height: 650 } });
});

after(async () => {
    await browser?.close();
    await server?.close();
});

async function open(file) {
    const session = await openPage(browser, `${server.url}/${file}`);
    await session.page.waitForFunction(() => typeof nodes !== 'undefined' && nodes.length > 0 &&
                                              nodes[wurzel].placed === true, null, { timeout: 20000 });
    return session;
}

// What the page shows: per node whether its group is displayed, and where.
function shownNodes(session) {
    return session.evaluate(() => nodes.map((node, n) => {
        const g = document.getElementById('node' + n);
        if (!g) return null;
        return g.getAttribute('display') === 'none' ? false : g.getAttribute('transform');
    }));
}

const svgWidth = (session) => session.evaluate(() => SvgRoot().getBoundingClientRect().width);
const svgHeight = (session) => session.evaluate(() => SvgRoot().getBoundingClientRect().height);

// The centre of an element on the screen, scrolled into view first.
async function centreOf(session, id) {
    await session.page.evaluate((i) => document.getElementById(i).scrollIntoView({ block: 'center', inline: 'center' }), id);
    return session.evaluate((i) => {
        const r = document.getElementById(i).getBoundingClientRect();
        return [r.left + r.width / 2, r.top + r.height / 2];
    }, id);
}

async function clickSymbol(session, n) {
    const [x, y] = await centreOf(session, `node${n}S`);
    await session.click(x, y);
    await session.settle(50);
}

// The whole chart (up to 4000 × 3000 pixels): a full-page shot of an SVG document hangs, so
// the window grows to the chart for the picture.
async function screenshot(session, name) {
    const [width, height] = await session.evaluate(() => {
        const r = SvgRoot().getBoundingClientRect();
        return [Math.ceil(r.width) + 10, Math.ceil(r.height) + 10];
    });
    const before = session.page.viewportSize();
    await session.page.setViewportSize({ width: Math.min(width, 4000), height: Math.min(height, 3000) });
    await session.page.evaluate(() => window.scrollTo(0, 0));
    await session.page.screenshot({ path: path.join(output, `${name}.png`) });
    await session.page.setViewportSize(before);
}

// The group transforms the program wrote, before the script moved anything.
function writtenTransforms(file) {
    const text = fs.readFileSync(path.join(output, file), 'utf8');
    const transforms = {};
    for (const match of text.matchAll(/<g id="node(\d+)" transform="([^"]*)">/g)) transforms[match[1]] = match[2];
    return transforms;
}

const charts = [
    { name: 'example', source: 'example', root: '#18', file: 'example.svg' },
    { name: 'example-page', source: 'example', root: '#18', file: 'example.html' },
    { name: 'royal92', source: 'royal92.ged', root: 'I1060', file: 'royal92.svg', shared: true },
];

describe('interactive tree chart', () => {
    for (const chart of charts) {
        test(`${chart.name}: starts like the written chart, folds and unfolds`,
             { skip: chart.shared && !testData }, async () => {
            exportChart(chart.file, chart.source, chart.root);
            const session = await open(chart.file);
            assert.deepEqual(session.errors, []);
            const start = await shownNodes(session);
            const persons = await session.evaluate(() => nodes.filter((node) => node.sex).length);
            assert.equal(start.filter((shown) => shown !== null).length, persons,
                         'every drawn ancestor has its node group');
            assert.ok(start.every((shown) => shown !== false), 'a new file starts unfolded');
            // The browser packs the tree as the program did.
            const written = writtenTransforms(chart.file);
            start.forEach((shown, n) => { if (shown) assert.equal(shown, written[n], `node ${n}`); });
            await screenshot(session, `${chart.name}-unfolded`);

            const width = await svgWidth(session);
            await clickSymbol(session, 0);
            const folded = await shownNodes(session);
            assert.equal(folded.filter((shown) => shown).length, 1, 'only the root stays');
            assert.ok(await svgWidth(session) < width, 'the chart narrows');
            assert.equal(await session.evaluate(() => document.getElementById('node0P').getAttribute('display')), 'inline');
            await screenshot(session, `${chart.name}-folded`);
            await clickSymbol(session, 0);
            assert.deepEqual(await shownNodes(session), start, 'unfolding restores every node');
            assert.equal(await svgWidth(session), width);

            // A branch: its group goes, the rest stays; unfolding brings back exactly it.
            const branch = await session.evaluate(() => nodes.findIndex((node, n) => n != wurzel && node.children && node.children.length > 0));
            await clickSymbol(session, branch);
            const hidden = (await shownNodes(session)).map((shown, n) => shown === false ? n : -1).filter((n) => n >= 0);
            const group = await session.evaluate((b) => nodes[b].famgrp, branch);
            for (const member of group) assert.ok(hidden.includes(member), `member ${member} hidden`);
            await clickSymbol(session, branch);
            assert.deepEqual(await shownNodes(session), start);
            assert.deepEqual(session.errors, []);
            await session.close();
        });
    }

    test('hover boxes of symbols and lines', async () => {
        const session = await open('example.svg');
        const [x, y] = await centreOf(session, 'node1S');
        await session.page.mouse.move(x, y);
        await session.settle(50);
        assert.equal(await session.evaluate(() => document.getElementById('TextH1').getAttribute('display')), 'inline');
        const frame = await session.evaluate(() => {
            const rect = document.getElementById('TextRect');
            return [rect.getAttribute('display'), Number(rect.getAttribute('width')), rect.getAttribute('stroke')];
        });
        assert.equal(frame[0], 'inline');
        assert.ok(frame[1] > 10);
        assert.equal(frame[2], await session.evaluate(() => SexColor(nodes[1].sex)));
        await session.page.mouse.move(2, 2);
        await session.settle(50);
        assert.equal(await session.evaluate(() => document.getElementById('TextH1').getAttribute('display')), 'none');

        // The line from the root up to its parents: near the root it shows both parents,
        // near the parents the root.
        const line = await session.evaluate(() => {
            const f = fams.findIndex((fam) => fam && fam.children.some((c) => c.index == wurzel));
            return { id: `FL${f}K${wurzel}`, vater: fams[f].vater, mutter: fams[f].mutter };
        });
        const along = (share) => session.evaluate(([id, s]) => {
            const highlight = document.getElementById(id).getElementsByTagName('path')[0];
            highlight.scrollIntoView({ block: 'center', inline: 'center' });
            const p = highlight.getPointAtLength(highlight.getTotalLength() * s);
            const m = highlight.getScreenCTM();
            return [m.a * p.x + m.c * p.y + m.e, m.b * p.x + m.d * p.y + m.f];
        }, [line.id, share]);
        const shownBoxes = () => session.evaluate(() => shownboxes.map((box) => [box.id, box.qvCaption.textContent]));
        let [lx, ly] = await along(0.25);
        await session.page.mouse.move(lx, ly);
        await session.settle(50);
        assert.deepEqual(await shownBoxes(), [[`TextP${line.vater}`, 'Vater:'], [`TextP${line.mutter}`, 'Mutter:']]);
        assert.equal(await session.evaluate((id) => document.getElementById(id).getElementsByTagName('path')[0].getAttribute('stroke-opacity'), line.id), '1');
        await session.page.mouse.move(2, 2);
        await session.settle(50);
        assert.deepEqual(await shownBoxes(), []);
        [lx, ly] = await along(0.75);
        await session.page.mouse.move(lx, ly);
        await session.settle(50);
        assert.deepEqual(await shownBoxes(), [['TextP0', 'Kind:']]);

        // Clicking scrolls along the line; afterwards the lines take the pointer again.
        await session.click(lx, ly);
        assert.equal(await session.evaluate(() => scrolling), true);
        await session.page.waitForFunction(() => !scrolling, null, { timeout: 10000 });
        assert.equal(await session.evaluate(() => document.getElementById('SLines').hasAttribute('pointer-events')), false);
        assert.deepEqual(session.errors, []);
        await session.close();
    });

    for (const chart of charts.filter((c) => c.file.endsWith('.svg'))) {
        test(`${chart.name}: the context menu reduces to marriage circles`,
             { skip: chart.shared && !testData }, async () => {
            const session = await open(chart.file);
            const start = await shownNodes(session);
            const [x, y] = await centreOf(session, 'node0S');
            await session.page.mouse.move(x, y);
            await session.page.mouse.down({ button: 'right' });
            await session.page.mouse.up({ button: 'right' });
            assert.equal(await session.evaluate(() => document.getElementById('ContextMenu').getAttribute('display')), 'inline');
            assert.equal(await session.evaluate(() => menuopen), true);
            const [mx, my] = await session.evaluate(() => {
                const r = document.getElementById('ContextMenuRect').getBoundingClientRect();
                return [r.left + r.width / 2, r.top + r.height / 2];
            });
            await session.click(mx, my);
            await session.settle(50);
            assert.equal(await session.evaluate(() => document.getElementById('ContextMenu').getAttribute('display')), 'none');
            const reduced = await shownNodes(session);
            // Shown: the root, the members of groups whose families have children on two lines,
            // and the nodes that join them to the root; nothing else.
            const expected = await session.evaluate(() => {
                const keep = nodes.map((node, n) => n == wurzel);
                nodes.forEach((node) => { if (node.famgrp && IsCircle(node.famgrp)) node.famgrp.forEach((m) => { keep[m] = true; }); });
                return keep;
            });
            const circles = expected.filter(Boolean).length - 1;
            assert.ok(circles > 0, 'the chart has marriage circles');
            reduced.forEach((shown, n) => { if (expected[n] && shown !== null) assert.ok(shown, `circle node ${n} shown`); });
            const count = reduced.filter((shown) => shown).length;
            assert.ok(count < start.filter((shown) => shown).length, 'branches without circles fold');
            // Every shown node is joined to the root by shown nodes.
            const joined = await session.evaluate(() => nodes.every((node) => !node.visible || node.placed));
            assert.ok(joined);
            await screenshot(session, `${chart.name}-reduced`);
            assert.deepEqual(session.errors, []);
            await session.close();
        });
    }

    test('the cookie keeps the folding of one file, a new file starts unfolded', async () => {
        exportChart('cookie.svg', 'example', '#18');
        let session = await open('cookie.svg');
        const branch = await session.evaluate(() => nodes.findIndex((node, n) => n != wurzel && node.children && node.children.length > 0));
        await clickSymbol(session, branch);
        const folded = await shownNodes(session);
        assert.ok(folded.includes(false));
        await session.page.reload({ waitUntil: 'load' });
        await session.page.waitForFunction(() => typeof nodes !== 'undefined' && nodes[wurzel].placed === true);
        assert.deepEqual(await shownNodes(session), folded, 'reloading restores the folding');
        await session.close();

        exportChart('cookie.svg', 'example', '#18');
        session = await open('cookie.svg');
        assert.ok((await shownNodes(session)).every((shown) => shown !== false), 'new guid, unfolded');
        assert.deepEqual(session.errors, []);
        await session.close();
    });
});
