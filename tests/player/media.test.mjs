// Images per state and behind the panel, the loading message while they come, and sounds that
// play only after a gesture.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
    buttonCentre, designHtml, openPage, previewPage, withBrowser,
} from './lib/harness.mjs';

const session = withBrowser();

const pixel = (page, x, y) =>
    page.evaluate((px, py) => Array.from(TlwBtnPlayer.widgets[0].canvas.getContext('2d')
        .getImageData(px, py, 1, 1).data.slice(0, 3)), x, y);

describe('images', { timeout: 60_000 }, () => {
    test('each state shows its image, placed by its alignment, over the tiled background', async () => {
        const { page, log } = await openPage(session.browser, session.server.addPage('images.htm', previewPage(designHtml('media'))));
        await page.waitForFunction(() => TlwBtnPlayer.widgets[0].loaded, { polling: 50 });
        assert.deepEqual(log.errors, []);
        // The 16 x 12 image is centred in the 100 x 40 button at (20, 20).
        assert.deepEqual(await pixel(page, 70, 40), [255, 0, 0]);
        assert.deepEqual(await pixel(page, 62, 34), [255, 0, 0]);
        assert.notDeepEqual(await pixel(page, 61, 40), [255, 0, 0]);
        assert.deepEqual(await pixel(page, 12, 12), [0xc0, 0xc0, 0xc0]);
        assert.deepEqual(await pixel(page, 12, 16), [0x80, 0x80, 0x80]);
        const at = await buttonCentre(page, 0);
        await page.mouse.move(at.x, at.y);
        assert.deepEqual(await pixel(page, 70, 40), [0, 255, 0]);
        await page.mouse.down();
        assert.deepEqual(await pixel(page, 70, 40), [0, 0, 255]);
        // Released outside, so the page stays.
        await page.mouse.move(5, 200);
        await page.mouse.up();
        await page.close();
    });

    test('the loading message and the progress bar show until the images are there', async () => {
        const page = await session.browser.newPage();
        page.setDefaultTimeout(15000);
        await page.setRequestInterception(true);
        let held = null;
        page.on('request', (request) => {
            if (request.url().endsWith('/tile.bmp')) held = request;
            else request.continue();
        });
        await page.goto(session.server.addPage('loading.htm', previewPage(designHtml('media'))), { waitUntil: 'domcontentloaded' });
        await page.waitForFunction(() => window.TlwBtnPlayer && TlwBtnPlayer.widgets.length === 1, { polling: 50 });
        assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets[0].loaded), false);
        // The bar's frame under the middle, in the text colour on the light background.
        assert.deepEqual(await pixel(page, 40, 42), [0, 0, 0]);
        assert.deepEqual(await pixel(page, 40, 60), [0xa8, 0xa6, 0xec]);
        assert.ok(held, 'the background image was asked for and held');
        held.continue();
        await page.waitForFunction(() => TlwBtnPlayer.widgets[0].loaded, { polling: 50 });
        assert.deepEqual(await pixel(page, 70, 40), [255, 0, 0]);
        await page.close();
    });
});

describe('sounds', { timeout: 60_000 }, () => {
    test('mu-law and 16-bit sounds play on mouse over and click, once a gesture allowed sound', async () => {
        const { page, log } = await openPage(session.browser, session.server.addPage('sounds.htm', previewPage(designHtml('media'))));
        await page.evaluate(() => {
            window.played = [];
            TlwBtnPlayer.widgets[0].host.addEventListener('tlwbtnsound', (e) => played.push(e.detail));
        });
        const at = await buttonCentre(page, 0);
        await page.mouse.move(at.x, at.y);
        await page.mouse.move(5, 200);
        await new Promise((resolve) => setTimeout(resolve, 300));
        assert.deepEqual(await page.evaluate(() => played), [], 'silent before any gesture');

        // The first press in the panel allows sound; its own click sound follows.
        await page.mouse.move(at.x, at.y);
        await page.mouse.down();
        await page.waitForFunction(() => played.length >= 1, { polling: 50 });
        await page.mouse.move(5, 200);
        await page.mouse.up();
        await page.mouse.move(at.x, at.y);
        await page.waitForFunction(() => played.length >= 2, { polling: 50 });
        const got = await page.evaluate(() => played.map((p) => [p.url.split('/').pop(), p.sampleRate, p.channels, Math.round(p.duration * 1000)]));
        assert.deepEqual(got, [['click.au', 11025, 1, 250], ['over.au', 8000, 1, 250]]);
        assert.deepEqual(log.errors, []);
        await page.close();
    });
});
