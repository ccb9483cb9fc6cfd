// The script player's speed on a 100-button design written by the component: time from load to
// the first painted panel, and frames per second while the pointer sweeps across the buttons.
// Prints figures; not a test.
//
//   node benchmarks/player/playerbench.mjs [LOADS]
//
// Needs a build (TB_PROGRAM_DIR, default build/bin; the design generator under build/tests)
// and the packages of tests/player.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {
    env, launchBrowser, previewPage, requireBrowser, startServer,
} from '../../tests/player/lib/harness.mjs';
import { Tessera } from '../../tests/player/lib/tessera.mjs';

requireBrowser();
const loads = Number(process.argv[2] || 20);
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tlwbtn-bench-'));
const tessera = new Tessera(env.programDir);
let html;
try {
    execFileSync(env.makeDesigns, [folder, env.programDir]);
    html = tessera.run('html', path.join(folder, 'hundred.tsq'), '--mode', '2').toString('latin1');
} finally {
    tessera.close();
}
fs.copyFileSync(path.join(env.programDir, 'tlwbtn.js'), path.join(folder, 'tlwbtn.js'));

const server = await startServer(folder);
const browser = await launchBrowser();
const url = server.addPage('hundred.htm', previewPage(html));

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const fmt = (x) => x.toFixed(1).padStart(7);

try {
    const fromScript = [];
    const fromNavigation = [];
    const toFrame = [];
    const cpu = [];
    for (let i = 0; i < loads; ++i) {
        const page = await browser.newPage();
        await page.setViewport({ width: 900, height: 420 });
        // The renderer's own CPU time for the script's run, which a busy machine disturbs less
        // than the clock.
        await page.tracing.start({ categories: ['devtools.timeline'] });
        await page.goto(url, { waitUntil: 'load' });
        const trace = JSON.parse(Buffer.from(await page.tracing.stop()).toString('utf8'));
        const run = trace.traceEvents.find((e) => e.name === 'EvaluateScript' &&
            e.args?.data?.url?.endsWith('/tlwbtn.js'));
        cpu.push(run.tdur / 1000);
        const t = await page.evaluate(() => new Promise((resolve) => {
            const mark = performance.getEntriesByName('tlwbtn-painted')[0];
            // The frame that shows the panel is the next one after the paint.
            requestAnimationFrame((frameTime) => resolve({
                script: mark.detail.sinceScriptStart,
                navigation: mark.startTime,
                frame: frameTime,
                buttons: TlwBtnPlayer.widgets[0].buttons.length,
            }));
        }));
        if (t.buttons !== 100) throw new Error(`the design has ${t.buttons} buttons`);
        fromScript.push(t.script);
        fromNavigation.push(t.navigation);
        toFrame.push(t.frame);
        await page.close();
    }

    const page = await browser.newPage();
    await page.setViewport({ width: 900, height: 420 });
    await page.goto(url, { waitUntil: 'load' });
    await page.evaluate(() => {
        const widget = TlwBtnPlayer.widgets[0];
        const repaint = widget.repaint.bind(widget);
        window.bench = { frames: 0, repaints: [], running: true };
        widget.repaint = (r, s) => {
            const t0 = performance.now();
            repaint(r, s);
            bench.repaints.push(performance.now() - t0);
        };
        const tick = () => {
            bench.frames++;
            if (bench.running) requestAnimationFrame(tick);
        };
        requestAnimationFrame(tick);
    });
    const box = await page.evaluate(() => TlwBtnPlayer.widgets[0].canvas.getBoundingClientRect().toJSON());
    const started = Date.now();
    let moves = 0;
    // Along every row of buttons, left to right and back.
    for (let row = 0; row < 10; ++row) {
        const y = box.y + 22 + row * 32;
        const [from, to] = row % 2 ? [box.x + box.width - 10, box.x + 10] : [box.x + 10, box.x + box.width - 10];
        await page.mouse.move(from, y);
        await page.mouse.move(to, y, { steps: 80 });
        moves += 81;
    }
    const seconds = (Date.now() - started) / 1000;
    const sweep = await page.evaluate(() => {
        bench.running = false;
        return { frames: bench.frames, repaints: bench.repaints };
    });

    console.log('Script player, 100-button design, headless Chromium, ' + loads + ' loads');
    // The best load is the one least disturbed by whatever else the machine runs.
    const row = (label, xs) =>
        console.log(`${label.padEnd(36)} ${fmt(Math.min(...xs))}  ${fmt(median(xs))}  ${fmt(Math.max(...xs))}`);
    console.log(`${''.padEnd(36)}    best   median    worst`);
    row('script start to panel painted (ms)', fromScript);
    row('CPU time of the script run (ms)', cpu);
    row('navigation to panel painted (ms)', fromNavigation);
    row('navigation to first frame (ms)', toFrame);
    console.log(`pointer sweep: ${moves} moves in ${seconds.toFixed(2)} s, ${sweep.frames} frames = ` +
        `${(sweep.frames / seconds).toFixed(1)} frames per second`);
    console.log(`state repaints during the sweep: ${sweep.repaints.length}, ` +
        `median ${median(sweep.repaints).toFixed(2)} ms, worst ${Math.max(...sweep.repaints).toFixed(2)} ms`);
} finally {
    await browser.close();
    await server.close();
    fs.rmSync(folder, { recursive: true, force: true });
}
