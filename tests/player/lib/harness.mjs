// Shared pieces of the player's browser tests and tools: the prerequisites, headless Chromium,
// a loopback web server for the test pages, pages in the shape of the designer's preview, and
// PNG pixels.

import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const projectDir = path.resolve(here, '..');
export const sourceRoot = path.resolve(projectDir, '..', '..');
const require = createRequire(path.join(projectDir, 'package.json'));

export const SKIP = 77;
export const chromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';

export const env = {
    programDir: process.env.TB_PROGRAM_DIR || path.join(sourceRoot, 'build', 'bin'),
    work: process.env.TB_PLAYER_WORK || path.join(sourceRoot, 'build', 'tests', 'player-work'),
    makeDesigns:
        process.env.TB_MAKE_DESIGNS || path.join(sourceRoot, 'build', 'tests', 'makeplayerdesigns'),
};
export const designsDir = () => path.join(env.work, 'designs');
export const rendersDir = () => path.join(env.work, 'renders');

// Leaves with the skip code when the browser or the node packages are not there.
export function requireBrowser() {
    const missing = [];
    if (!fs.existsSync(chromiumPath)) missing.push(chromiumPath);
    try {
        require.resolve('puppeteer-core');
        require.resolve('pngjs');
    } catch (e) {
        missing.push('node packages (npm ci in tests/player)');
    }
    if (missing.length) {
        console.log('skipped: missing ' + missing.join(', '));
        process.exit(SKIP);
    }
}

// For a test file: skips without a browser, else one browser and a server of the designs
// for all its tests, on the object returned once they start.
export function withBrowser() {
    requireBrowser();
    const session = { browser: null, server: null };
    before(async () => {
        session.browser = await launchBrowser();
        session.server = await startServer(designsDir());
    });
    after(async () => {
        await session.browser?.close();
        await session.server?.close();
    });
    return session;
}

export async function launchBrowser() {
    const { default: puppeteer } = await import(require.resolve('puppeteer-core'));
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tlwbtn-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: chromiumPath,
        headless: true,
        userDataDir: profile,
        args: [
            '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--force-device-scale-factor=1', '--font-render-hinting=none',
        ],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        fs.rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

const TYPES = {
    '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.bmp': 'image/bmp',
    '.png': 'image/png', '.au': 'audio/basic',
};

// Serves files of `root` and the pages added with addPage on 127.0.0.1, on a free port.
export async function startServer(root) {
    const pages = new Map();
    const server = http.createServer((req, res) => {
        const name = decodeURIComponent(new URL(req.url, 'http://x').pathname).slice(1);
        let body = pages.get(name);
        if (body === undefined) {
            const file = path.join(root, path.normalize(name));
            if (file.startsWith(root) && fs.existsSync(file) && fs.statSync(file).isFile())
                body = fs.readFileSync(file);
        }
        if (name === 'favicon.ico') {
            res.writeHead(204);
            res.end();
            return;
        }
        if (body === undefined) {
            // Pages the buttons link to: a page that names itself, so tests can see arrival.
            if (/\.htm$/.test(name)) body = `<title>${name}</title><p>${name}</p>`;
            else {
                res.writeHead(404);
                res.end();
                return;
            }
        }
        res.writeHead(200, {
            'Content-Type': TYPES[path.extname(name)] || 'application/octet-stream',
            'Cache-Control': 'no-store',
        });
        res.end(body);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const base = `http://127.0.0.1:${server.address().port}/`;
    return {
        base,
        addPage(name, html) {
            pages.set(name, html);
            return base + name;
        },
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}

// The applet HTML of a design, as `tessera html --mode 2` wrote it.
export function designHtml(name) {
    return fs.readFileSync(path.join(designsDir(), name + '.html'), 'latin1');
}

export const SCRIPT_LINE = '<script src="tlwbtn.js"></script>';

// A page shaped like the designer's preview, with the player's script after each applet.
export function previewPage(...fragments) {
    const body = fragments.map((f) => (f.includes(SCRIPT_LINE) ? f : f + SCRIPT_LINE)).join('\r\n');
    return '<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n<BODY>\r\n' + body + '\r\n</BODY>\r\n</HTML>';
}

export function readPng(file) {
    const { PNG } = require('pngjs');
    return PNG.sync.read(fs.readFileSync(file));
}

export function writePng(file, width, height, rgba) {
    const { PNG } = require('pngjs');
    const png = new PNG({ width, height });
    Buffer.from(rgba).copy(png.data);
    fs.writeFileSync(file, PNG.sync.write(png));
}

// The RGBA pixels of widget i's canvas, or of the rectangle {l, t, r, b} of it (in a canvas of
// the panel's size, the rest left transparent).
export async function canvasPixels(page, i = 0, rect = null) {
    const { width, height, base64, area } = await page.evaluate((index, want) => {
        const canvas = TlwBtnPlayer.widgets[index].canvas;
        const r = want || { l: 0, t: 0, r: canvas.width, b: canvas.height };
        const image = canvas.getContext('2d').getImageData(r.l, r.t, r.r - r.l, r.b - r.t);
        let binary = '';
        for (let k = 0; k < image.data.length; k += 0x8000)
            binary += String.fromCharCode.apply(null, image.data.subarray(k, k + 0x8000));
        return { width: canvas.width, height: canvas.height, base64: btoa(binary), area: r };
    }, i, rect);
    const part = Buffer.from(base64, 'base64');
    if (!rect) return { width, height, data: part };
    const data = Buffer.alloc(width * height * 4);
    const rowBytes = (area.r - area.l) * 4;
    for (let y = area.t; y < area.b; ++y)
        part.copy(data, (y * width + area.l) * 4, (y - area.t) * rowBytes, (y - area.t + 1) * rowBytes);
    return { width, height, data };
}

// Pixels of `player` (RGBA, transparent where nothing is painted) that differ from the
// designer's picture `render` (opaque, black where nothing is painted) within the rectangle
// {l, t, r, b}; at most `limit` of them, as "x,y player render" texts.
export function pixelDifferences(player, render, rect, limit = 5) {
    const out = [];
    const area = rect || { l: 0, t: 0, r: render.width, b: render.height };
    if (player.width !== render.width || player.height !== render.height)
        return [`size ${player.width}x${player.height} against ${render.width}x${render.height}`];
    for (let y = area.t; y < area.b; ++y) {
        for (let x = area.l; x < area.r; ++x) {
            const i = (y * render.width + x) * 4;
            const a = player.data[i + 3];
            const p = a === 0 ? [0, 0, 0] : [player.data[i], player.data[i + 1], player.data[i + 2]];
            const q = [render.data[i], render.data[i + 1], render.data[i + 2]];
            if ((a !== 0 && a !== 255) || p[0] !== q[0] || p[1] !== q[1] || p[2] !== q[2]) {
                out.push(`${x},${y} ${p.join('/')}@${a} ${q.join('/')}`);
                if (out.length >= limit) return out;
            }
        }
    }
    return out;
}

// Opens a page, recording console warnings and script errors on it.
export async function openPage(browser, url, options = {}) {
    const page = await browser.newPage();
    page.setDefaultTimeout(15000);
    const log = { warnings: [], errors: [] };
    page.on('console', (m) => {
        // The tests' own pixel reads make the browser advise on readbacks; that is not ours.
        if (m.text().startsWith('Canvas2D:')) return;
        if (m.type() === 'warn' || m.type() === 'warning') log.warnings.push(m.text());
        if (m.type() === 'error') log.errors.push(m.text());
    });
    page.on('pageerror', (e) => log.errors.push(String(e)));
    if (options.reducedMotion)
        await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
    await page.goto(url, { waitUntil: 'load' });
    return { page, log };
}

// The centre of button `b` of widget `w` in page coordinates.
export async function buttonCentre(page, b, w = 0) {
    return page.evaluate((wi, bi) => {
        const widget = TlwBtnPlayer.widgets[wi];
        const box = widget.canvas.getBoundingClientRect();
        const r = widget.buttons[bi].rect;
        return { x: box.left + (r.l + r.r) / 2, y: box.top + (r.t + r.b) / 2 };
    }, w, b);
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
