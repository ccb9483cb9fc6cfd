// The player paints designs without text exactly as the designer's canvas does, in each
// state, and the states it shows under the pointer are the designer's too.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { describe, test } from 'node:test';
import {
    buttonCentre, canvasPixels, designHtml, designsDir, openPage, pixelDifferences,
    previewPage, readPng, rendersDir, withBrowser,
} from './lib/harness.mjs';

const session = withBrowser();

const textless = fs.readdirSync(designsDir())
    .filter((f) => /^(faces|applet\d)\.html$/.test(f))
    .map((f) => path.basename(f, '.html'));
const render = (name, state) => readPng(path.join(rendersDir(), `${name}-${state}.png`));

describe('designs without text', { timeout: 60_000 }, () => {
    test('every state of every design equals the designer picture pixel for pixel', async () => {
        assert.ok(textless.length >= 8, 'the generator wrote the designs');
        for (const name of textless) {
            const { page, log } = await openPage(session.browser, session.server.addPage(`paint-${name}.htm`, previewPage(designHtml(name))));
            for (const state of [1, 2, 3]) {
                await page.evaluate((s) => TlwBtnPlayer.widgets[0].paintAll(s - 1), state);
                const diff = pixelDifferences(await canvasPixels(page), render(name, state));
                assert.deepEqual(diff, [], `${name} in state ${state}`);
            }
            assert.deepEqual(log.errors, []);
            assert.deepEqual(log.warnings, []);
            await page.close();
        }
    });

    test('at two device pixels per pixel each pixel becomes a block of four', async () => {
        for (const name of ['faces', 'applet3']) {
            const page = await session.browser.newPage();
            await page.setViewport({ width: 800, height: 600, deviceScaleFactor: 2 });
            await page.goto(session.server.addPage(`hidpi-${name}.htm`, previewPage(designHtml(name))));
            const big = await canvasPixels(page);
            const designer = render(name, 1);
            assert.equal(big.width, designer.width * 2);
            const halved = { width: designer.width, height: designer.height, data: Buffer.alloc(designer.data.length) };
            const corners = { width: designer.width, height: designer.height, data: Buffer.alloc(designer.data.length) };
            for (let y = 0; y < designer.height; ++y) {
                for (let x = 0; x < designer.width; ++x) {
                    const from = ((2 * y) * big.width + 2 * x) * 4;
                    const to = (y * designer.width + x) * 4;
                    big.data.copy(halved.data, to, from, from + 4);
                    const opposite = ((2 * y + 1) * big.width + 2 * x + 1) * 4;
                    big.data.copy(corners.data, to, opposite, opposite + 4);
                }
            }
            assert.deepEqual(pixelDifferences(halved, designer), [], name);
            assert.deepEqual(pixelDifferences(corners, designer), [], name);
            await page.close();
        }
    });

    test('the pointer and the mouse button show the designer look of that state', async () => {
        const { page } = await openPage(session.browser, session.server.addPage('paint-states.htm', previewPage(designHtml('faces'))));
        const rectOf = (b) => page.evaluate((i) => TlwBtnPlayer.widgets[0].buttons[i].rect, b);
        // Buttons 2 and 5 overlap nothing, so their whole face is theirs in every picture.
        for (const b of [2, 5]) {
            const r = await rectOf(b);
            const at = await buttonCentre(page, b);
            assert.deepEqual(pixelDifferences(await canvasPixels(page, 0, r), render('faces', 1), r), []);
            await page.mouse.move(at.x, at.y);
            assert.deepEqual(pixelDifferences(await canvasPixels(page, 0, r), render('faces', 2), r), [], 'mouse over');
            await page.mouse.down();
            assert.deepEqual(pixelDifferences(await canvasPixels(page, 0, r), render('faces', 3), r), [], 'pressed');
            await page.mouse.move(2, 2);
            await page.mouse.up();
            assert.deepEqual(pixelDifferences(await canvasPixels(page, 0, r), render('faces', 1), r), [], 'left again');
        }
        await page.close();
    });
});

describe('labels', { timeout: 60_000 }, () => {
    // The browser smooths glyph edges and places them by its own rasterizer, so labels cannot
    // match pixel for pixel; the text must still land where the designer puts it.
    test('each label lies within two pixels of where the designer draws it', async () => {
        const { page } = await openPage(session.browser, session.server.addPage('labels.htm', previewPage(designHtml('labels'))));
        const player = await canvasPixels(page);
        const designer = render('labels', 1);
        const rects = await page.evaluate(() => TlwBtnPlayer.widgets[0].buttons.map((b) => b.rect));
        // Dark pixels inside the border: the text, in its dark font colour on white.
        const inkBox = (image, r) => {
            const box = { l: Infinity, t: Infinity, r: -Infinity, b: -Infinity };
            for (let y = r.t + 4; y < r.b - 4; ++y) {
                for (let x = r.l + 4; x < r.r - 4; ++x) {
                    const i = (y * image.width + x) * 4;
                    if (image.data[i] < 128 && image.data[i + 1] < 128 && image.data[i + 2] < 128) {
                        box.l = Math.min(box.l, x);
                        box.t = Math.min(box.t, y);
                        box.r = Math.max(box.r, x);
                        box.b = Math.max(box.b, y);
                    }
                }
            }
            return box;
        };
        for (const r of rects) {
            const want = inkBox(designer, r);
            const got = inkBox(player, r);
            assert.ok(Number.isFinite(want.l), 'the designer drew text');
            for (const side of ['l', 't', 'r', 'b'])
                assert.ok(Math.abs(got[side] - want[side]) <= 2, `${JSON.stringify(got)} against ${JSON.stringify(want)}`);
        }
        await page.close();
    });
});

