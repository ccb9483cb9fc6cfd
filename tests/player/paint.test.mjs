// The player paints designs without text exactly as the designer's canvas does, in each
// state, and the states it shows under the pointer are the designer's too.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
    buttonCentre, canvasPixels, designHtml, designsDir, launchBrowser, openPage, pixelDifferences,
    previewPage, readPng, rendersDir, requireBrowser, sleep, startServer,
} from './lib/harness.mjs';

requireBrowser();

const textless = fs.readdirSync(designsDir())
    .filter((f) => /^(faces|applet\d)\.html$/.test(f))
    .map((f) => path.basename(f, '.html'));
const render = (name, state) => readPng(path.join(rendersDir(), `${name}-${state}.png`));

let browser;
let server;
before(async () => {
    browser = await launchBrowser();
    server = await startServer(designsDir());
});
after(async () => {
    await browser?.close();
    await server?.close();
});

describe('designs without text', { timeout: 60_000 }, () => {
    test('every state of every design equals the designer picture pixel for pixel', async () => {
        assert.ok(textless.length >= 8, 'the generator wrote the designs');
        for (const name of textless) {
            const { page, log } = await openPage(browser, server.addPage(`paint-${name}.htm`, previewPage(designHtml(name))));
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

    test('the pointer and the mouse button show the designer look of that state', async () => {
        const { page } = await openPage(browser, server.addPage('paint-states.htm', previewPage(designHtml('faces'))));
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
