// The WebGL page of the 3D view in a real browser: it starts without alerts or script errors,
// draws the scene, marks lines on a double click, and keeps its buffers within 16-bit indices.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, openPage, screenshotColours, serveFolder } from './harness.mjs';

const cli = process.env.QV_CLI;
const testData = process.env.QV_TESTDATA_DIR || '';
const output = process.env.QV_BROWSER_OUTPUT || fs.mkdtempSync(path.join(os.tmpdir(), 'qv-webgl-'));
fs.mkdirSync(output, { recursive: true });

// A GEDCOM text from [id, sex, surname, given, parentFamily] persons and [id, husband, wife].
function gedcom(persons, families) {
    const lines = ['0 HEAD', '1 CHAR UTF-8'];
    for (const [id, sex, surname, given, famc] of persons) {
        lines.push(`0 @${id}@ INDI`, `1 NAME ${given} /${surname}/`, `1 SEX ${sex}`);
        if (famc) lines.push(`1 FAMC @${famc}@`);
    }
    for (const [id, husband, wife] of families) {
        lines.push(`0 @${id}@ FAM`);
        if (husband) lines.push(`1 HUSB @${husband}@`);
        if (wife) lines.push(`1 WIFE @${wife}@`);
    }
    lines.push('0 TRLR');
    return lines.join('\n') + '\n';
}

function exportPage(name, gedcomFile, root, type) {
    const page = path.join(output, `${name}.html`);
    execFileSync(cli, ['webgl', gedcomFile, '--root', root, '--type', String(type), '-o', page],
                 { stdio: 'pipe' });
    return `${name}.html`;
}

function writeGedcom(name, text) {
    const file = path.join(output, name);
    fs.writeFileSync(file, text);
    return file;
}

// Siblings as parents: X and Y are one node each, above both of the proband's parents.
const collapsed = writeGedcom('collapsed.ged', gedcom([
    ['X', 'M', 'Alt', 'Xaver', null], ['Y', 'F', 'Alt', 'Yvonne', null],
    ['F', 'M', 'Alt', 'Fritz', 'F1'], ['M', 'F', 'Alt', 'Marie', 'F1'],
    ['P', 'F', 'Jung', 'Paula', 'F2'],
], [['F1', 'X', 'Y'], ['F2', 'F', 'M']]));

// Brother and sister married in every generation: every person descends from the top couple,
// so marking it draws far more green tubes than one buffer may hold.
function ladder(generations) {
    const persons = [['A0', 'M', 'Ahn', 'A0', null], ['B0', 'F', 'Ahn', 'B0', null]];
    const families = [];
    for (let g = 1; g <= generations; g++) {
        families.push([`F${g}`, `A${g - 1}`, `B${g - 1}`]);
        persons.push([`A${g}`, 'M', 'Ahn', `A${g}`, `F${g}`], [`B${g}`, 'F', 'Ahn', `B${g}`, `F${g}`]);
    }
    families.push(['FP', `A${generations}`, `B${generations}`]);
    persons.push(['P', 'M', 'Ahn', 'Proband', 'FP']);
    return gedcom(persons, families);
}

let server;
let browser;

before(async () => {
    server = await serveFolder(output);
    browser = await launchBrowser({ viewport: { width: 640, height: 480 } });
});

after(async () => {
    await browser?.close();
    await server?.close();
});

async function open(file) {
    const session = await openPage(browser, `${server.url}/${file}`);
    await session.page.waitForFunction(() => typeof vbos !== 'undefined' && vbos.length > 1,
                                       null, { timeout: 20000 });
    await session.settle();
    return session;
}

// The pixel where the page draws a node, from the page's own camera.
function nodeOnScreen(session, node) {
    return session.evaluate((i) => {
        const ratio = viewportWidth / viewportHeight, t = Math.tan(sfOew);
        const rel = VectorSub(Nodes[i], CameraPos());
        const depth = VectorDot(rel, CameraLook());
        const x = VectorDot(rel, CameraRight()) / (depth * t * ratio);
        const y = VectorDot(rel, CameraUp()) / (depth * t);
        return [(x + 1) / 2 * viewportWidth, viewportHeight - (y + 1) / 2 * viewportHeight];
    }, node);
}

describe('WebGL page', () => {
    const shared = [['royal92.ged', 'I1060', 1], ['Queen.ged', 'I3062', 2]];
    for (const [file, root, type] of shared) {
        test(`${file} at ${root}, type ${type}, starts and draws`, { skip: !testData }, async () => {
            const name = `${path.basename(file, '.ged')}-${type}`;
            const session = await open(exportPage(name, path.join(testData, file), root, type));
            assert.deepEqual(session.dialogs, []);
            assert.deepEqual(session.errors, []);
            assert.equal(await session.evaluate(() => gl.getError()), 0);
            assert.ok(await screenshotColours(session, path.join(output, `${name}.png`)) > 8,
                      'the canvas shows a scene');
            await session.close();
        });
    }

    test('double-clicking a shared ancestor marks both lines, empty space clears', async () => {
        const session = await open(exportPage('collapsed', collapsed, 'P', 1));
        // Nodes in index order: X 0, Y 1, F 2, M 3, P 4.
        assert.deepEqual(await session.evaluate(() => Children), [[2, 3], [2, 3], [4], [4], []]);
        const buffers = await session.evaluate(() => vbos.length);
        const [x, y] = await nodeOnScreen(session, 0);
        await session.doubleClick(x, y);
        await session.settle(100);
        assert.equal(await session.evaluate(() => Highlight), 0);
        assert.deepEqual(await session.evaluate(() => Array.from(HighlightNeeded, Boolean)),
                         [true, false, true, true, true]);
        assert.equal(await session.evaluate(() => vbos.length), buffers + 1);
        assert.ok(await screenshotColours(session, path.join(output, 'collapsed-marked.png')) > 8);

        await session.doubleClick(3, 3);
        await session.settle(100);
        assert.equal(await session.evaluate(() => Highlight), -1);
        assert.equal(await session.evaluate(() => HighlightVBO), false);
        assert.equal(await session.evaluate(() => vbos.length), buffers);

        const [px, py] = await nodeOnScreen(session, 4);
        await session.doubleClick(px, py);
        await session.settle(100);
        assert.equal(await session.evaluate(() => Highlight), 4, 'the proband');
        assert.deepEqual(await session.evaluate(() => Array.from(HighlightNeeded, Boolean)),
                         [false, false, false, false, true]);
        assert.equal(await session.evaluate(() => HighlightVBO), false, 'no green line');
        assert.deepEqual(session.dialogs, []);
        assert.deepEqual(session.errors, []);
        await session.close();
    });

    test('the mouse turns, pans and zooms the camera', async () => {
        const session = await open(exportPage('collapsed-mouse', collapsed, 'P', 2));
        const before = await session.evaluate(() => [Zoom, Rotation.slice(), FixPunkt.slice()]);
        await session.page.mouse.move(500, 350);
        await session.page.mouse.wheel(0, 120);
        await session.page.mouse.down({ button: 'right' });
        await session.page.mouse.move(540, 330);
        await session.page.mouse.up({ button: 'right' });
        await session.page.mouse.down();
        await session.page.mouse.move(520, 360);
        await session.page.mouse.up();
        const [zoom, rotation, focus] = await session.evaluate(() => [Zoom, Rotation, FixPunkt]);
        assert.ok(Math.abs(zoom - before[0] * 1.1) < 1e-9, 'one notch back zooms out by 1.1');
        assert.ok(Math.abs(rotation[0] - (before[1][0] - 0.4)) < 1e-9);
        assert.ok(Math.abs(rotation[1] - (before[1][1] + 0.2)) < 1e-9);
        assert.notDeepEqual(focus, before[2]);
        assert.deepEqual(session.errors, []);
        await session.close();
    });

    test('names with apostrophes, backslashes and </script> stay one valid script', async () => {
        const names = ["O'Brien", 'back\\slash', '</script><b>x', 'Zeile\u2028Trenner', 'Ünïcödé'];
        const persons = names.map((surname, i) => [`I${i}`, 'M', surname, 'Vor', i ? null : 'F1']);
        const file = writeGedcom('names.ged', gedcom(
            [...persons, ['N', 'F', '', '', null]], [['F1', 'I1', 'N']]));
        const session = await open(exportPage('names', file, 'I0', 1));
        assert.deepEqual(session.errors, []);
        assert.deepEqual(await session.evaluate(() => Names),
                         [`${names[0]}, Vor`, `${names[1]}, Vor`, '']);
        await session.close();
    });

    test('large scenes and long markings are split into 16-bit buffers', async () => {
        const session = await open(exportPage('ladder', writeGedcom('ladder.ged', ladder(420)),
                                              'P', 2));
        const sizes = () => session.evaluate(() => vbos.map((vbo) => {
            gl.bindBuffer(gl.ARRAY_BUFFER, vbo);
            return gl.getBufferParameter(gl.ARRAY_BUFFER, gl.BUFFER_SIZE) / 24;
        }));
        // 843 spheres: 707 and 136 of 92 vertices, after the template sphere.
        assert.deepEqual((await sizes()).slice(0, 3), [92, 65044, 136 * 92]);
        const scene = await session.evaluate(() => vbos.length);
        await session.evaluate(() => {
            Highlight = 0;
            MarkDescendants(0);
            CreateHighlightLines();
        });
        const all = await sizes();
        assert.ok(all.length - scene >= 2, `green buffers: ${all.length - scene}`);
        for (const vertices of all) assert.ok(vertices <= 65536, `${vertices} vertices`);
        await session.settle(200);
        assert.equal(await session.evaluate(() => gl.getError()), 0);
        assert.deepEqual(session.errors, []);
        await session.close();
    });
});
