// Pages as they come: damaged parameter sets, two panels on one page, the script loaded
// twice or before the applets, and applets of other classes.

import assert from 'node:assert/strict';
import path from 'node:path';
import { describe, test } from 'node:test';
import {
    buttonCentre, canvasPixels, designHtml, openPage, pixelDifferences, previewPage, readPng,
    rendersDir, withBrowser,
} from './lib/harness.mjs';

const session = withBrowser();

const linkNames = (page) =>
    page.evaluate(() => TlwBtnPlayer.widgets.flatMap((w) =>
        w.buttons.filter((b) => b.link && b.link.isConnected).map((b) => b.link.firstChild.textContent)));

describe('damaged parameters', { timeout: 60_000 }, () => {
    test('the remaining buttons show, with one console warning and no script error', async () => {
        const html = designHtml('links')
            .replace(/\t<param name="MStyle-2"[^\n]*\n/, '')
            .replace(/(name="IStyle-3" value=")[^"]*/, '$1zz,')
            .replace(/(name="I4-0" value=")[^"]*/, '$1')
            .replace(/(name="Misc" value=")([^"]*)/, '$1$2-99,x,5-0,');
        const intact = await openPage(session.browser, session.server.addPage('intact.htm', previewPage(designHtml('links'))));
        const { page, log } = await openPage(session.browser, session.server.addPage('damaged.htm', previewPage(html)));
        assert.deepEqual(log.errors, []);
        assert.equal(log.warnings.length, 1, log.warnings.join('\n'));
        assert.match(log.warnings[0], /^tlwbtn\.js: the button parameters are damaged \(MStyle-2 is missing; link "-99"/);
        // The button without geometry is gone; the one without its looks keeps its link.
        assert.deepEqual(await linkNames(page), ['Home', 'In frame', '', 'Two lines, and a comma', '']);
        for (const b of [0, 4]) {
            const r = await page.evaluate((i) => TlwBtnPlayer.widgets[0].buttons[i].rect, b);
            const good = await canvasPixels(intact.page, 0, r);
            assert.deepEqual(pixelDifferences(await canvasPixels(page, 0, r), good, r), [], `button ${b}`);
        }
        const at = await buttonCentre(page, 0);
        await page.mouse.move(at.x, at.y);
        assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets[0].buttons[0].state), 1);
        assert.deepEqual(log.errors, []);
        await intact.page.close();
        await page.close();
    });

    test('an applet with nothing readable shows its area and warns once', async () => {
        const html = '<applet code="tlwbtn.class" width="abc" height="-5"><param name="Misc" value="x"></applet>' +
            '<applet code="tlwbtn.class" width="120" height="40"></applet>';
        const { page, log } = await openPage(session.browser, session.server.addPage('empty.htm', previewPage(html)));
        assert.deepEqual(log.errors, []);
        assert.equal(log.warnings.length, 2, 'one warning for each panel');
        assert.deepEqual(await page.evaluate(() => TlwBtnPlayer.widgets.map((w) => {
            const r = w.host.getBoundingClientRect();
            return [r.width, r.height, w.buttons.length];
        })), [[1, 1, 0], [120, 40, 0]]);
        await page.close();
    });
});

describe('pages with several panels', { timeout: 60_000 }, () => {
    test('two panels on one page both play, in the tab order of the page', async () => {
        const { page, log } = await openPage(session.browser,
            session.server.addPage('two.htm', previewPage(designHtml('faces'), '<p>Between</p>', designHtml('links'))));
        assert.deepEqual(log.errors, []);
        assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets.length), 2);
        const faces = readPng(path.join(rendersDir(), 'faces-1.png'));
        assert.deepEqual(pixelDifferences(await canvasPixels(page, 0), faces), []);
        const at = await buttonCentre(page, 0, 1);
        await page.mouse.move(at.x, at.y);
        assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets[1].buttons[0].state), 1);
        assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets[0].buttons.every((b) => b.state === 0)), true);
        const stops = [];
        for (let i = 0; i < 14; ++i) {
            await page.keyboard.press('Tab');
            stops.push(await page.evaluate(() => document.activeElement.firstChild.textContent));
        }
        assert.deepEqual(stops.slice(11), ['Face 11', 'Home', 'New window'], 'the faces panel first, then the links');
        await page.close();
    });

    test('the script loaded twice, or before its applets, plays each applet once', async () => {
        const twice = previewPage(designHtml('menus') + '<script src="tlwbtn.js"></script>', designHtml('links'));
        const early = '<HTML><HEAD><script src="tlwbtn.js"></script></HEAD><BODY>' +
            designHtml('menus') + designHtml('links') + '</BODY></HTML>';
        for (const [name, html] of [['twice.htm', twice], ['early.htm', early]]) {
            const { page, log } = await openPage(session.browser, session.server.addPage(name, html));
            assert.deepEqual(log.errors, [], name);
            assert.deepEqual(await page.evaluate(() => [
                TlwBtnPlayer.widgets.length,
                document.querySelectorAll('.tlwbtn').length,
                document.adoptedStyleSheets.length,
                document.querySelectorAll('style').length,
            ]), [2, 2, 1, 0], name);
            assert.deepEqual(await linkNames(page),
                ['Products', 'About', 'Home', 'New window', 'In frame', 'Whole page', 'Two lines, and a comma', ''], name);
            await page.close();
        }
    });

    test('the class name is matched in any case, and other applets are left alone', async () => {
        const html = designHtml('menus').replace('code="tlwbtn.class"', 'code="TLWBTN.Class"') +
            '<applet code="other.class" width="50" height="50"><param name="Misc" value="1,1,-0,"></applet>';
        const { page } = await openPage(session.browser, session.server.addPage('case.htm', previewPage(html)));
        assert.equal(await page.evaluate(() => TlwBtnPlayer.widgets.length), 1);
        assert.equal(await page.evaluate(() => document.querySelector('applet[code="other.class"]').hidden), false);
        await page.close();
    });
});
