// The designer's preview page, as the component writes it into its scratch folder, played in
// the browser: with the design's player switch on (the page loads the player after the applet
// element) and off (the page loads it in its head), from the files gathered next to it.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { describe, test } from 'node:test';
import {
    buttonCentre, canvasPixels, designsDir, env, openPage, pixelDifferences, readPng, rendersDir,
    withBrowser,
} from './lib/harness.mjs';

const session = withBrowser();

const pixel = (page, x, y) =>
    page.evaluate((px, py) => Array.from(TlwBtnPlayer.widgets[0].canvas.getContext('2d')
        .getImageData(px, py, 1, 1).data.slice(0, 3)), x, y);

const folder = (name, on) => path.join(designsDir(), `preview-${name}-${on ? 'on' : 'off'}`);
const playerBytes = fs.readFileSync(path.join(env.programDir, 'tlwbtn.js'));

describe('the preview page', { timeout: 60_000 }, () => {
    for (const on of [true, false]) {
        const which = on ? 'a design that plays in current browsers' : 'a design without the player';
        test(`of ${which} loads the player once and paints as the designer does`, async () => {
            const dir = folder('faces', on);
            assert.deepEqual(fs.readFileSync(path.join(dir, 'tlwbtn.js')), playerBytes);
            const html = fs.readFileSync(path.join(dir, 'preview.htm'), 'latin1');
            assert.equal(html.split('tlwbtn.js').length, 2, 'one script line');
            assert.equal(html.indexOf('</applet>\r\n<script') >= 0, on, 'after the element when on');

            const url = session.server.base + `preview-faces-${on ? 'on' : 'off'}/preview.htm`;
            const { page, log } = await openPage(session.browser, url);
            assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets.length), 1);
            const render = readPng(path.join(rendersDir(), 'faces-1.png'));
            assert.deepEqual(pixelDifferences(await canvasPixels(page), render), []);
            const at = await buttonCentre(page, 0);
            await page.mouse.move(at.x, at.y);
            assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets[0].buttons[0].state), 1);
            assert.deepEqual(log, { warnings: [], errors: [] });
            await page.close();
        });
    }

    test('finds the images gathered next to it', async () => {
        for (const on of [true, false]) {
            for (const file of ['red.bmp', 'green.bmp', 'blue.bmp', 'tile.bmp', 'over.au'])
                assert.ok(fs.existsSync(path.join(folder('media', on), file)), file);
            const url = session.server.base + `preview-media-${on ? 'on' : 'off'}/preview.htm`;
            const { page, log } = await openPage(session.browser, url);
            await page.waitForFunction(() => TlwBtnPlayer.widgets[0].loaded, { polling: 50 });
            // The normal image in the middle of the button.
            assert.deepEqual(await pixel(page, 70, 40), [255, 0, 0]);
            assert.deepEqual(log.errors, []);
            await page.close();
        }
    });
});
