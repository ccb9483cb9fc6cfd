// The demonstration page of the program folder is what the templates give today, and it plays.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { env, launchBrowser, openPage, requireBrowser, startServer } from './lib/harness.mjs';
import { buildSamplePage, samplePath } from './tools/sample.mjs';

requireBrowser();

test('the committed sample page is the one the templates give', () => {
    const built = buildSamplePage(env.programDir);
    assert.equal(fs.readFileSync(samplePath, 'latin1'), built,
        'run: node tests/player/tools/sample.mjs page');
});

test('the sample page in the program folder plays its three panels', { timeout: 60_000 }, async () => {
    const server = await startServer(path.join(env.programDir, 'Sample'));
    const browser = await launchBrowser();
    try {
        const { page, log } = await openPage(browser, server.base + 'sample.htm');
        assert.deepEqual(log, { warnings: [], errors: [] });
        assert.deepEqual(await page.evaluate(() => TlwBtnPlayer.widgets.map((w) => w.buttons.length)), [4, 4, 5]);
    } finally {
        await browser.close();
        await server.close();
    }
});
