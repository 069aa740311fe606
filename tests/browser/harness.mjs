// Browser tests of the pages Quilvane writes: a folder served on loopback, Debian's chromium
// headless through playwright-core, and what a page reports (script errors, alerts).
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

import { chromium } from 'playwright-core';

// Debian's chromium from PATH, unless QV_CHROMIUM names another browser.
function FindChromium() {
    if (process.env.QV_CHROMIUM) return process.env.QV_CHROMIUM;
    for (const folder of (process.env.PATH || '').split(path.delimiter)) {
        const candidate = path.join(folder, 'chromium');
        if (folder && fs.existsSync(candidate)) return candidate;
    }
    throw new Error('chromium not found (scripts/setup installs it)');
}

// Flags for a closed network and a root user: no sandbox, no background connections.
const kFlags = [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

const kTypes = {
    '.html': 'text/html; charset=utf-8', '.htm': 'text/html; charset=utf-8',
    '.svg': 'image/svg+xml', '.js': 'text/javascript', '.css': 'text/css',
    '.png': 'image/png', '.json': 'application/json',
};

// Serves the files below folder on 127.0.0.1 at a free port; resolves to { url, close }.
export function serveFolder(folder) {
    const root = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        // Browsers ask for an icon that no page here has; an empty answer is no error.
        if (name === '/favicon.ico') {
            response.writeHead(204).end();
            return;
        }
        const file = path.resolve(root, '.' + name);
        if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream' });
        fs.createReadStream(file).pipe(response);
    });
    return new Promise((resolve) => {
        server.listen(0, '127.0.0.1', () => {
            resolve({
                url: `http://127.0.0.1:${server.address().port}`,
                close: () => new Promise((done) => server.close(done)),
            });
        });
    });
}

// A headless chromium with a fresh profile; close() also removes the profile.
export async function launchBrowser({ viewport = { width: 1000, height: 700 } } = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'qv-chromium-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: FindChromium(), headless: true, args: kFlags, viewport,
    });
    return {
        context,
        async close() {
            await context.close();
            fs.rmSync(profile, { recursive: true, force: true });
        },
    };
}

// Opens url in a new tab and records script errors, console errors and dialogs (which are
// dismissed, so an alert never blocks the test).
export async function openPage(browser, url) {
    const page = await browser.context.newPage();
    const errors = [];
    const dialogs = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    page.on('console', (message) => {
        if (message.type() === 'error') errors.push(message.text());
    });
    page.on('dialog', async (dialog) => {
        dialogs.push(dialog.message());
        await dialog.dismiss();
    });
    await page.goto(url, { waitUntil: 'load' });
    return {
        page,
        errors,
        dialogs,
        evaluate: (script, argument) => page.evaluate(script, argument),
        click: (x, y, options) => page.mouse.click(x, y, options),
        doubleClick: (x, y) => page.mouse.dblclick(x, y),
        screenshot: (file) => page.screenshot({ path: file }),
        // Waits until the page's script has run for a while (frames, timers).
        settle: (milliseconds = 300) => page.waitForTimeout(milliseconds),
        close: () => page.close(),
    };
}

// How many colours a screenshot of the page shows (up to 64, sampling every 7th pixel): more
// than one means something was drawn. Decoded by the browser itself, in a blank tab.
export async function screenshotColours(session, file) {
    const png = await session.page.screenshot(file ? { path: file } : {});
    const blank = await session.page.context().newPage();
    try {
        return await blank.evaluate(async (data) => {
            const image = new Image();
            image.src = 'data:image/png;base64,' + data;
            await image.decode();
            const canvas = document.createElement('canvas');
            canvas.width = image.width;
            canvas.height = image.height;
            const context = canvas.getContext('2d');
            context.drawImage(image, 0, 0);
            const pixels = context.getImageData(0, 0, canvas.width, canvas.height).data;
            const seen = new Set();
            for (let i = 0; i < pixels.length && seen.size < 64; i += 4 * 7)
                seen.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
            return seen.size;
        }, png.toString('base64'));
    } finally {
        await blank.close();
    }
}
