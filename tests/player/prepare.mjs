// Makes what the browser tests play: the designs written by the component's own writer, the
// HTML `tessera html` gives for them, and `tessera render` pictures of every state of the
// designs without text. Run by ctest before the tests.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { designsDir, env, rendersDir, requireBrowser } from './lib/harness.mjs';
import { Tessera } from './lib/tessera.mjs';

requireBrowser();
fs.rmSync(env.work, { recursive: true, force: true });
fs.mkdirSync(designsDir(), { recursive: true });
fs.mkdirSync(rendersDir(), { recursive: true });

const tessera = new Tessera(env.programDir);
try {
    const designs = execFileSync(env.makeDesigns, [designsDir(), env.programDir]).toString().trim().split('\n');
    for (const file of designs) {
        const name = path.basename(file, '.tsq');
        fs.writeFileSync(path.join(designsDir(), name + '.html'), tessera.run('html', file, '--mode', '2'));
        if (/^(faces|applet|labels)/.test(name)) {
            for (const state of ['1', '2', '3'])
                tessera.run('render', file, path.join(rendersDir(), `${name}-${state}.png`), '--state', state);
        }
    }
    fs.copyFileSync(path.join(env.programDir, 'tlwbtn.js'), path.join(designsDir(), 'tlwbtn.js'));
    console.log(`${designs.length} designs ready in ${designsDir()}`);
} finally {
    tessera.close();
}
