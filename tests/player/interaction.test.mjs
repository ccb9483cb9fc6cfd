// Mouse and keyboard on the played buttons: states, hints, links into every kind of target
// frame, the tab order, accessible names, reduced motion and menus beyond a button.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
    buttonCentre, designHtml, openPage, previewPage, sleep, withBrowser,
} from './lib/harness.mjs';

const session = withBrowser();

const states = (page, w = 0) =>
    page.evaluate((i) => TlwBtnPlayer.widgets[i].buttons.map((b) => b.state), w);
const hintBox = (page) =>
    page.evaluate(() => {
        const widget = TlwBtnPlayer.widgets[0];
        const hint = widget.hint;
        const origin = widget.canvas.getBoundingClientRect();
        const box = hint.getBoundingClientRect();
        const style = getComputedStyle(hint);
        const corner = hint.getContext('2d').getImageData(0, 0, 1, 1).data;
        return {
            shown: style.visibility === 'visible' && style.opacity === '1',
            rect: [box.left - origin.left, box.top - origin.top, box.width, box.height],
            corner: Array.from(corner.slice(0, 3)),
            transition: style.transitionDuration,
        };
    });

describe('the pointer', { timeout: 60_000 }, () => {
    test('over shows the mouse-over look and, after a delay, the hint; a press the clicked look; the release follows the link', async () => {
        const { page, log } = await openPage(session.browser, session.server.addPage('hover.htm', previewPage(designHtml('links'))));
        const at = await buttonCentre(page, 0);
        await page.mouse.move(at.x, at.y);
        assert.deepEqual(await states(page), [1, 0, 0, 0, 0, 0]);
        assert.equal((await hintBox(page)).shown, false, 'no hint at once');
        await sleep(800);
        const hint = await hintBox(page);
        assert.equal(hint.shown, true);
        // The hint menu's offset from the button (10, 34) and its size 120 x 24.
        assert.deepEqual(hint.rect, [20, 44, 120, 24]);
        assert.deepEqual(hint.corner, [0x78, 0x64, 0x28], 'painted with the hint border');
        await page.mouse.down();
        assert.deepEqual(await states(page), [2, 0, 0, 0, 0, 0]);
        assert.equal((await hintBox(page)).shown, false, 'a press hides the hint');
        await Promise.all([page.waitForNavigation(), page.mouse.up()]);
        assert.match(page.url(), /\/target-0\.htm$/, 'an empty target is the same frame');
        assert.deepEqual(log.errors, []);
        await page.close();
    });

    test('leaving the button brings back the normal look and takes the hint away', async () => {
        const { page } = await openPage(session.browser, session.server.addPage('leave.htm', previewPage(designHtml('links'))));
        const at = await buttonCentre(page, 0);
        await page.mouse.move(at.x, at.y);
        await page.mouse.move(at.x + 100, at.y);
        assert.deepEqual(await states(page), [0, 1, 0, 0, 0, 0]);
        await sleep(800);
        assert.equal((await hintBox(page)).shown, false, 'a button without hint shows none');
        await page.mouse.move(5, 300);
        assert.deepEqual(await states(page), [0, 0, 0, 0, 0, 0]);
        await page.close();
    });

    test('links open in a new window, a named frame and the whole page', async () => {
        const inner = session.server.addPage('framed.htm', previewPage(designHtml('links')) +
            '<iframe name="side" src="about:blank" width="300" height="60"></iframe>');
        const outer = session.server.addPage('outer.htm', `<iframe src="${inner}" width="800" height="400"></iframe>`);

        const { page } = await openPage(session.browser, inner);
        const newWindow = session.browser.waitForTarget((t) => t.url().endsWith('/target-1.htm'));
        let at = await buttonCentre(page, 1);
        await page.mouse.click(at.x, at.y);
        await (await (await newWindow).page()).close();
        await page.bringToFront();
        assert.match(page.url(), /framed\.htm$/, 'the page itself stays');

        at = await buttonCentre(page, 2);
        const side = page.frames().find((f) => f.name() === 'side');
        await Promise.all([side.waitForNavigation(), page.mouse.click(at.x, at.y)]);
        assert.match(side.url(), /\/target-2\.htm$/);
        await page.close();

        const { page: top } = await openPage(session.browser, outer);
        const frame = top.frames().find((f) => f.url() === inner);
        await frame.waitForFunction(() => window.TlwBtnPlayer && TlwBtnPlayer.widgets.length === 1, { polling: 50 });
        const box = await (await frame.frameElement()).boundingBox();
        const r = await frame.evaluate(() => TlwBtnPlayer.widgets[0].buttons[3].link.getBoundingClientRect().toJSON());
        await Promise.all([top.waitForNavigation(), top.mouse.click(box.x + r.x + 5, box.y + r.y + 5)]);
        assert.match(top.url(), /\/target-3\.htm$/, '_top leaves the frame');
        await top.close();
    });
});

describe('the keyboard', { timeout: 60_000 }, () => {
    test('Tab moves through the buttons in order, focus shows the mouse-over look, Enter the clicked look', async () => {
        const { page } = await openPage(session.browser, session.server.addPage('keys.htm', previewPage(designHtml('links'))));
        const names = [];
        for (let i = 0; i < 5; ++i) {
            await page.keyboard.press('Tab');
            names.push(await page.evaluate(() => document.activeElement.firstChild.textContent));
            const expected = [0, 0, 0, 0, 0, 0];
            expected[i] = 1;
            assert.deepEqual(await states(page), expected, `focus on button ${i}`);
        }
        assert.deepEqual(names, ['Home', 'New window', 'In frame', 'Whole page', 'Two lines, and a comma']);
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement === document.body || document.activeElement.tagName), true,
            'the button without a link is no stop');

        await page.keyboard.down('Shift');
        for (let i = 0; i < 4; ++i) await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
        assert.deepEqual(await states(page), [0, 1, 0, 0, 0, 0]);
        const newWindow = session.browser.waitForTarget((t) => t.url().endsWith('/target-1.htm'));
        await page.keyboard.down('Enter');
        assert.deepEqual(await states(page), [0, 2, 0, 0, 0, 0]);
        await page.keyboard.up('Enter');
        await (await (await newWindow).page()).close();
        await page.bringToFront();
        assert.deepEqual(await states(page), [0, 1, 0, 0, 0, 0]);
        await page.close();
    });

    test('each link is named by its label and described by its description and hint', async () => {
        const { page } = await openPage(session.browser, session.server.addPage('names.htm', previewPage(designHtml('links'))));
        const links = await page.evaluate(() => TlwBtnPlayer.widgets[0].buttons.map((b) => {
            const d = b.link.getAttribute('aria-describedby');
            return [b.link.getAttribute('href'), b.link.getAttribute('target'),
                b.link.firstChild.textContent, d ? document.getElementById(d).textContent : ''];
        }));
        assert.deepEqual(links, [
            ['target-0.htm', '_self', 'Home', 'Opens Home. Back to the start'],
            ['target-1.htm', '_blank', 'New window', 'Opens New window'],
            ['target-2.htm', 'side', 'In frame', 'Opens In frame'],
            ['target-3.htm', '_top', 'Whole page', 'Opens Whole page'],
            // The writer sends the address's comma percent-encoded, which means the same.
            ['list.htm?a=1%2C2', '_self', 'Two lines, and a comma', 'Shows a list, sorted'],
            [null, null, '', ''],
        ]);
        const tree = await page.accessibility.snapshot();
        const found = [];
        const walk = (node) => {
            if (node.role === 'link') found.push([node.name, node.description || '']);
            (node.children || []).forEach(walk);
        };
        walk(tree);
        assert.deepEqual(found[0], ['Home', 'Opens Home. Back to the start']);
        assert.equal(found.length, 5);
        await page.close();
    });

    test('reduced motion shows the hint without fading it in', async () => {
        const url = session.server.addPage('motion.htm', previewPage(designHtml('links')));
        const { page: moving } = await openPage(session.browser, url);
        assert.equal((await hintBox(moving)).transition, '0.15s');
        await moving.close();
        const { page } = await openPage(session.browser, url, { reducedMotion: true });
        assert.equal((await hintBox(page)).transition, '0s');
        await page.keyboard.press('Tab');
        await sleep(600);
        assert.equal((await hintBox(page)).shown, true, 'keyboard focus shows the hint too');
        await page.close();
    });
});

describe('menus beyond a button', { timeout: 60_000 }, () => {
    const entries = (page) =>
        page.evaluate(() => Array.from(document.querySelectorAll('.tlwbtn-menu.tlwbtn-open > a'))
            .filter((a) => a.getBoundingClientRect().width > 0)
            .map((a) => a.textContent));

    test('further items open as a list beside the button, a sub-menu beside its item', async () => {
        const { page } = await openPage(session.browser, session.server.addPage('menus.htm', previewPage(designHtml('menus'))));
        assert.deepEqual(await entries(page), []);
        const at = await buttonCentre(page, 0);
        await page.mouse.move(at.x, at.y);
        assert.deepEqual(await entries(page), ['Tools', 'Books']);
        const list = await page.evaluate(() => {
            const w = TlwBtnPlayer.widgets[0];
            const origin = w.canvas.getBoundingClientRect();
            const box = document.querySelector('.tlwbtn-menu').getBoundingClientRect();
            return [box.left - origin.left, box.top - origin.top, box.width, box.height];
        });
        assert.deepEqual(list, [100, 10, 90, 60], 'beside the button, entries of its size');

        const books = await page.evaluate(() => {
            const r = document.querySelectorAll('.tlwbtn-menu > a')[1].getBoundingClientRect();
            return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
        });
        await page.mouse.move(at.x + 60, at.y, { steps: 4 });
        await page.mouse.move(books.x, books.y, { steps: 4 });
        assert.deepEqual(await entries(page), ['Tools', 'Books', 'Novels', 'Poems']);

        const novels = await page.evaluate(() => {
            const a = Array.from(document.querySelectorAll('.tlwbtn-menu a')).find((x) => x.textContent === 'Novels');
            const r = a.getBoundingClientRect();
            return { x: r.x + r.width / 2, y: r.y + r.height / 2, w: r.width, h: r.height };
        });
        assert.deepEqual([novels.w, novels.h], [70, 24], 'the sub-menu keeps its own size');
        await page.mouse.move(novels.x, novels.y, { steps: 4 });
        const opened = session.browser.waitForTarget((t) => t.url().endsWith('/Novels.htm'));
        await page.mouse.click(novels.x, novels.y);
        await (await (await opened).page()).close();
        await page.bringToFront();

        await page.mouse.move(5, 400, { steps: 3 });
        await sleep(450);
        assert.deepEqual(await entries(page), [], 'lists close once the pointer has left');
        await page.close();
    });

    test('the keyboard reaches the list from its button', async () => {
        const { page } = await openPage(session.browser, session.server.addPage('menukeys.htm', previewPage(designHtml('menus'))));
        const order = [];
        for (let i = 0; i < 5; ++i) {
            await page.keyboard.press('Tab');
            order.push(await page.evaluate(() => document.activeElement.textContent));
        }
        assert.deepEqual(order, ['Products', 'Tools', 'Books', 'Novels', 'Poems']);
        await page.keyboard.press('Tab');
        await sleep(400);
        assert.equal(await page.evaluate(() => document.activeElement.textContent), 'About');
        assert.deepEqual(await entries(page), []);
        await page.close();
    });
});
