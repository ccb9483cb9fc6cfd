// The demonstration page of the program folder, Sample/sample.htm, built from the three
// templates with `tessera html`, and its pictures in headless Chromium.
//
//   node tests/player/tools/sample.mjs page [OUT]      writes the page (default: the source copy)
//   node tests/player/tools/sample.mjs screenshots     writes docs/screenshots/sample*.png
//
// TB_PROGRAM_DIR names the built program folder (default build/bin).

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import {
    env, launchBrowser, requireBrowser, SCRIPT_LINE, sleep, sourceRoot, startServer,
} from '../lib/harness.mjs';
import { Tessera } from '../lib/tessera.mjs';

export const TEMPLATES = ['blueglassbar.tsq', 'sunsettabs.tsq', 'plainlinks.tsq'];
export const samplePath = path.join(sourceRoot, 'resources', 'component', 'Sample', 'sample.htm');
const screenshotsDir = path.join(sourceRoot, 'docs', 'screenshots');

const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

// The page text: each template's title and description over its applet HTML in bare-name
// mode, followed by the player's script unless the HTML loads it already.
export function buildSamplePage(programDir) {
    const tessera = new Tessera(programDir);
    try {
        const sections = TEMPLATES.map((name) => {
            const file = path.join(programDir, name);
            const info = tessera.info(file);
            let html = tessera.run('html', file, '--mode', '2').toString('latin1');
            if (!html.includes('tlwbtn.js')) html += SCRIPT_LINE + '\r\n';
            return `<H2>${escapeHtml(info.Title)}</H2>\r\n<P>${escapeHtml(info.Description)}</P>\r\n${html}`;
        });
        return [
            '<HTML>',
            '<HEAD>',
            '<TITLE>Ambrel Brisko: sample buttons</TITLE>',
            '<STYLE>',
            'body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; margin: 24px 32px; color: #222; background: #fbfbf8; }',
            'h1 { font-size: 22px; margin: 0 0 6px; } h2 { font-size: 16px; margin: 26px 0 2px; } p { margin: 0 0 10px; }',
            '</STYLE>',
            '</HEAD>',
            '<BODY>',
            '<H1>Sample buttons</H1>',
            '<P>Three designs from the templates, as a page publishes them. Point at a button, press it, or move through them with Tab.</P>',
            sections.join(''),
            '</BODY>',
            '</HTML>',
            '',
        ].join('\r\n');
    } finally {
        tessera.close();
    }
}

async function screenshots(programDir) {
    requireBrowser();
    fs.mkdirSync(screenshotsDir, { recursive: true });
    const server = await startServer(path.join(programDir, 'Sample'));
    const browser = await launchBrowser();
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 560, height: 630 });
        await page.goto(server.base + 'sample.htm', { waitUntil: 'load' });
        await page.screenshot({ path: path.join(screenshotsDir, 'sample.png') });
        // The pointer on the second button of the last panel.
        const at = await page.evaluate(() => {
            const widget = TlwBtnPlayer.widgets[2];
            const box = widget.canvas.getBoundingClientRect();
            const r = widget.buttons[1].rect;
            return { x: box.left + (r.l + r.r) / 2, y: box.top + (r.t + r.b) / 2 };
        });
        await page.mouse.move(at.x, at.y);
        await sleep(800);
        await page.screenshot({ path: path.join(screenshotsDir, 'sample-hover.png') });
    } finally {
        await browser.close();
        await server.close();
    }
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [command, out] = process.argv.slice(2);
    if (command === 'page') {
        fs.mkdirSync(path.dirname(out || samplePath), { recursive: true });
        fs.writeFileSync(out || samplePath, buildSamplePage(env.programDir), 'latin1');
    } else if (command === 'screenshots') {
        await screenshots(env.programDir);
    } else {
        console.error('usage: sample.mjs page [OUT] | screenshots');
        process.exit(2);
    }
}
