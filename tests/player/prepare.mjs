// Makes what the browser tests play: the designs written by the component's own writer, the
// HTML `tessera html` gives for them, and `tessera render` pictures of every state of the
// designs without text. Run by ctest before the tests.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { designsDir, env, rendersDir, requireBrowser } from './lib/harness.mjs';

requireBrowser();
fs.rmSync(env.work, { recursive: true, force: true });
fs.mkdirSync(designsDir(), { recursive: true });
fs.mkdirSync(rendersDir(), { recursive: true });

const tessera = path.join(env.programDir, 'tessera');
const registry = fs.mkdtempSync(path.join(os.tmpdir(), 'tlwbtn-registry-'));
const run = (file, args) =>
    execFileSync(file, args, {
        env: { ...process.env, TALLOWBY_REGISTRY_DIR: registry, QT_QPA_PLATFORM: 'offscreen' },
        stdio: ['ignore', 'pipe', 'pipe'],
    });
try {
    const designs = run(env.makeDesigns, [designsDir()]).toString().trim().split('\n');
    run(tessera, ['register', path.join(env.programDir, 'TesseraBrisko.so')]);
    for (const file of designs) {
        const name = path.basename(file, '.tsq');
        fs.writeFileSync(path.join(designsDir(), name + '.html'), run(tessera, ['html', file, '--mode', '2']));
        if (/^(faces|applet)/.test(name)) {
            for (const state of [1, 2, 3])
                run(tessera, ['render', file, path.join(rendersDir(), `${name}-${state}.png`), '--state', String(state)]);
        }
    }
    fs.copyFileSync(path.join(env.programDir, 'tlwbtn.js'), path.join(designsDir(), 'tlwbtn.js'));
    console.log(`${designs.length} designs ready in ${designsDir()}`);
} finally {
    fs.rmSync(registry, { recursive: true, force: true });
}
