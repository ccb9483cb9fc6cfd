// Runs the built tessera with a registry of its own, as a script host would.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

export class Tessera {
    constructor(programDir) {
        this.programDir = programDir;
        this.registry = fs.mkdtempSync(path.join(os.tmpdir(), 'tlwbtn-registry-'));
        this.run('register', path.join(programDir, 'TesseraBrisko.so'));
    }

    // stdout as a Buffer; a failure throws with tessera's own message.
    run(...args) {
        return execFileSync(path.join(this.programDir, 'tessera'), args, {
            env: { ...process.env, TALLOWBY_REGISTRY_DIR: this.registry, QT_QPA_PLATFORM: 'offscreen' },
            stdio: ['ignore', 'pipe', 'pipe'],
        });
    }

    // The catalogue lines of `tessera info` as an object.
    info(file) {
        const entries = this.run('info', file).toString().split('\n').filter(Boolean)
            .map((line) => [line.slice(0, line.indexOf(':')), line.slice(line.indexOf(':') + 2)]);
        return Object.fromEntries(entries);
    }

    close() {
        fs.rmSync(this.registry, { recursive: true, force: true });
    }
}
