// How the player reads parameter values and sounds, without a browser: run where there is no
// document, the script only offers its readers.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import vm from 'node:vm';
import { describe, test } from 'node:test';
import { sourceRoot } from './lib/harness.mjs';

const code = fs.readFileSync(path.join(sourceRoot, 'resources', 'component', 'tlwbtn.js'), 'utf8');
vm.runInThisContext(code, { filename: 'tlwbtn.js' });
const { atoi, hexColor, pairedDigits, parseDesign, decodeAu } = globalThis.TlwBtnPlayer.internals;

const params = (object) => new Map(Object.entries(object).map(([k, v]) => [k.toLowerCase(), v]));
const DEFAULT_STATES =
    '804040,000000,31,0,0,14,0,00,0,0,,,8c6f42,ffff80,804040,ffffff,22,0,0,14,0,00,0,0,,,8c6f42,ffff80,' +
    '804040,000000,54,0,0,14,0,00,0,0,,,8c6f42,ffff80,';

describe('numbers, colours and paired digits', () => {
    test('numbers follow the C atoi rules and saturate', () => {
        const cases = [['42', 42], [' \t-7x', -7], ['+5', 5], ['', 0], ['abc', 0], ['- 3', 0],
            ['99999999999', 2147483647], ['-99999999999', -2147483648], ['12,3', 12]];
        for (const [text, value] of cases) assert.equal(atoi(text), value, JSON.stringify(text));
    });

    test('colours are red, green, blue in hexadecimal; damage reads as black', () => {
        assert.equal(hexColor('a8a6ec'), 0xa8a6ec);
        assert.equal(hexColor('A8A6EC'), 0xa8a6ec);
        assert.equal(hexColor(''), 0);
        assert.equal(hexColor('xyz'), 0);
        assert.equal(hexColor('ff'), 0xff);
        assert.equal(hexColor('1234567'), 0x234567);
        assert.equal(hexColor('\x10'), 0);
    });

    test('paired digits split into the last digit and the rest', () => {
        assert.deepEqual(pairedDigits('16'), [1, 6]);
        assert.deepEqual(pairedDigits('00'), [0, 0]);
        assert.deepEqual(pairedDigits('5'), [0, 5]);
        assert.deepEqual(pairedDigits(''), [0, 0]);
        assert.deepEqual(pairedDigits('-16'), [-1, 6]);
        assert.deepEqual(pairedDigits('123'), [12, 3]);
    });
});

describe('a design from its parameters', () => {
    // Two buttons; the first has two items, the second of which has a sub-menu of one item.
    const twoButtons = {
        Notice: 'Brisko2.0,Copyright Tallowby,Registered',
        ApStyle: 'a8a6ec,7976e2,,0,0,0,,16,10,a8a6ec,1,Loading image ...',
        'MStyle-0': '000000,00,0,0,10,15,80,30,5,6,000000,0,000000',
        'IStyle-0': DEFAULT_STATES,
        'I0-0': 'Line one|_#`a~@^` b,Say hello,n.gif,,,o.au,,_blank,index.htm',
        'I0-1': 'More,,,,,,,_self,more.htm',
        'MStyle-1': '000000,00,0,0,5,5,60,20,5,1,000000,0,000000',
        'IStyle-1': DEFAULT_STATES,
        'I1-0': 'Deeper,,,,,,,_self,deeper.htm',
        'MStyle-2': '000000,00,0,0,100,15,-40,-30,5,2,000000,0,000000',
        'IStyle-2': DEFAULT_STATES,
        'I2-0': 'Second,,,,,,,_self,two.htm',
        Misc: '3,2,1,1,-0,-2,1-1,',
    };

    test('reads the applet, the menus, the items and how they hang together', () => {
        const d = parseDesign(params(twoButtons), 105, 230);
        assert.deepEqual(d.problems, []);
        assert.equal(d.back, 0xa8a6ec);
        assert.equal(d.fade, 0x7976e2);
        assert.equal(d.backStyle, 1);
        assert.equal(d.borderStyle, 6);
        assert.equal(d.borderThick, 10);
        assert.equal(d.progressBar, true);
        assert.equal(d.loadingMessage, 'Loading image ...');
        assert.equal(d.buttons.length, 2);
        const [first, second] = d.buttons;
        assert.deepEqual(first.rect, { l: 10, t: 15, r: 90, b: 45 });
        assert.equal(first.borderThick, 6);
        assert.equal(first.items.length, 2);
        assert.equal(first.items[0].label, 'Line one\r\na, b');
        assert.equal(first.items[0].description, 'Say hello');
        assert.deepEqual(first.items[0].images, ['n.gif', '', '']);
        assert.deepEqual(first.items[0].sounds, ['o.au', '']);
        assert.equal(first.items[0].target, '_blank');
        assert.equal(first.items[0].url, 'index.htm');
        assert.equal(first.items[0].subMenu, null);
        assert.equal(first.items[1].subMenu.items[0].label, 'Deeper');
        // Inverted bounds are read as their normalized copy.
        assert.deepEqual(second.rect, { l: 60, t: -15, r: 100, b: 15 });
        const normal = first.states[0];
        assert.equal(normal.back, 0x804040);
        assert.equal(normal.backStyle, 3);
        assert.equal(normal.borderStyle, 1);
        assert.equal(normal.fontSize, 14);
        assert.equal(normal.border, 0x8c6f42);
        assert.equal(normal.fade, 0xffff80);
        assert.equal(first.states[1].font, 0xffffff);
        assert.deepEqual([first.states[2].backStyle, first.states[2].borderStyle], [5, 4]);
    });

    test('texts that are not escaped keep their commas where the fields still tell', () => {
        const d = parseDesign(params({
            ...twoButtons,
            ApStyle: 'a8a6ec,7976e2,,0,0,0,,16,10,a8a6ec,0,Loading, please wait',
            'I0-0': 'A,Shows a list, sorted,,,,,,_self,list.htm?a=1,2',
            'I0-1': 'B,desc, more, still,n.gif,,,o.au,,side,u.htm',
        }), 105, 230);
        assert.equal(d.loadingMessage, 'Loading, please wait');
        assert.equal(d.progressBar, false);
        const [a, b] = d.buttons[0].items;
        assert.deepEqual([a.description, a.target, a.url], ['Shows a list, sorted', '_self', 'list.htm?a=1,2']);
        assert.deepEqual([b.description, b.images[0], b.sounds[0], b.target, b.url],
            ['desc, more, still', 'n.gif', 'o.au', 'side', 'u.htm']);
    });

    test('escaped commas come back in every text, and only labels turn the break escape back', () => {
        const d = parseDesign(params({
            ...twoButtons,
            ApStyle: 'a8a6ec,7976e2,sky~@^`blue.gif,0,0,0,wind~@^`1.au,16,10,a8a6ec,1,Loading~@^` please wait',
            'I0-0': 'A~@^`B|_#`C,Lists~@^` sorted|_#`,a~@^`n.gif,a~@^`o.gif,a~@^`c.gif,a~@^`o.au,a~@^`c.au,top~@^`side,list.htm?a=1%2C2~@^`',
        }), 105, 230);
        assert.equal(d.loadingMessage, 'Loading, please wait');
        assert.deepEqual([d.backImage, d.backSound], ['sky,blue.gif', 'wind,1.au']);
        const item = d.buttons[0].items[0];
        assert.equal(item.label, 'A,B\r\nC');
        assert.equal(item.description, 'Lists, sorted|_#`');
        assert.deepEqual(item.images, ['a,n.gif', 'a,o.gif', 'a,c.gif']);
        assert.deepEqual(item.sounds, ['a,o.au', 'a,c.au']);
        assert.deepEqual([item.target, item.url], ['top,side', 'list.htm?a=1%2C2,']);
    });

    test('an empty target reads as _self, and parameter names in any case', () => {
        const lower = Object.fromEntries(Object.entries(twoButtons).map(([k, v]) => [k.toLowerCase(), v]));
        lower['i2-0'] = 'Second,,,,,,,,two.htm';
        const d = parseDesign(params(lower), 105, 230);
        assert.equal(d.buttons[1].items[0].target, '_self');
    });

    test('damage is listed and the rest is still read', () => {
        const damaged = { ...twoButtons };
        delete damaged['MStyle-2'];
        delete damaged['I1-0'];
        damaged.Misc = '3,2,1,1,-0,-2,1-1,7-1,-9,-0,x,';
        const d = parseDesign(params(damaged), 105, 230);
        assert.equal(d.buttons.length, 2);
        assert.deepEqual(d.buttons[1].rect, { l: 0, t: 0, r: 0, b: 0 });
        assert.equal(d.buttons[0].items[1].subMenu.items[0].label, '');
        assert.deepEqual(d.problems, [
            'I1-0 is missing', 'MStyle-2 is missing', 'link "7-1" is not usable',
            'link "-9" is not usable', 'link "-0" is not usable', 'link "x" is not usable',
        ]);
    });

    test('counts larger than the parameters can hold are cut down', () => {
        const d = parseDesign(params({ Misc: '999999999,5,', 'MStyle-0': '', 'IStyle-0': '' }), 10, 10);
        assert.equal(d.menus.length, 2); // as many as there are count fields
        assert.equal(d.menus[0].items.length, 3); // as many as there are parameters
        assert.ok(d.problems.includes('Misc names 999999999 menus'));
        assert.ok(d.problems.includes('menu 0 has 5 items'));
        const none = parseDesign(params({}), 10, 10);
        assert.deepEqual(none.problems, ['ApStyle is missing', 'Misc is missing']);
        assert.equal(none.buttons.length, 0);
    });

    test('a menu hangs in one place only, so links cannot make a cycle', () => {
        const d = parseDesign(params({ ...twoButtons, Misc: '3,2,1,1,-0,-2,1-1,2-1,0-0,' }), 105, 230);
        assert.equal(d.buttons[0].items[0].subMenu, null);
        assert.equal(d.menus[1].items[0].subMenu, null);
        assert.equal(d.problems.length, 2);
    });

    test('any mangling of a parameter set reads without an exception', () => {
        let seed = 7;
        const random = (n) => ((seed = (seed * 1103515245 + 12345) % 2147483648) % n);
        const names = Object.keys(twoButtons);
        for (let round = 0; round < 300; ++round) {
            const mangled = { ...twoButtons };
            for (let k = 0; k < 3; ++k) {
                const name = names[random(names.length)];
                const value = mangled[name];
                const at = random(value.length + 1);
                const pieces = [',', '-', '', '9999999999', '-1', '|_#`', '~@^`'];
                mangled[name] = value.slice(0, at) + pieces[random(pieces.length)] + value.slice(at + random(4));
            }
            const d = parseDesign(params(mangled), 105, 230);
            assert.ok(d.buttons.length <= 3);
        }
    });
});

describe('sounds', () => {
    function au(encoding, rate, channels, samples, { size, offset = 24 } = {}) {
        const header = Buffer.alloc(offset);
        header.writeUInt32BE(0x2e736e64, 0);
        header.writeUInt32BE(offset, 4);
        header.writeUInt32BE(size ?? samples.length, 8);
        header.writeUInt32BE(encoding, 12);
        header.writeUInt32BE(rate, 16);
        header.writeUInt32BE(channels, 20);
        const all = Buffer.concat([header, Buffer.from(samples)]);
        return all.buffer.slice(all.byteOffset, all.byteOffset + all.length);
    }

    test('8-bit mu-law decodes to the standard levels', () => {
        const d = decodeAu(au(1, 8000, 1, [0xff, 0x80, 0x00, 0x7f, 0xfe, 0xef, 0x6f]));
        assert.equal(d.sampleRate, 8000);
        assert.equal(d.channels.length, 1);
        assert.deepEqual(Array.from(d.channels[0], (v) => v * 32768), [0, 32124, -32124, 0, 8, 132, -132]);
    });

    test('16-bit linear samples are big-endian and interleaved by channel', () => {
        const d = decodeAu(au(3, 22050, 2, [0x40, 0x00, 0x80, 0x00, 0xff, 0xff, 0x7f, 0xff, 0x12]));
        assert.equal(d.channels.length, 2);
        assert.deepEqual(Array.from(d.channels[0]), [0.5, -1 / 32768]);
        assert.deepEqual(Array.from(d.channels[1]), [-1, 32767 / 32768]);
    });

    test('8-bit linear samples, the data size in the header and an annotation', () => {
        const d = decodeAu(au(2, 8000, 1, [0x80, 0x40, 0x00, 0x7f], { size: 3, offset: 32 }));
        assert.deepEqual(Array.from(d.channels[0]), [-1, 0.5, 0]);
        const unknownSize = decodeAu(au(2, 8000, 1, [1, 2, 3], { size: 0xffffffff }));
        assert.equal(unknownSize.channels[0].length, 3);
    });

    test('files that are not sounds we decode give nothing', () => {
        assert.equal(decodeAu(au(27, 8000, 1, [1, 2])), null); // an encoding we do not take
        assert.equal(decodeAu(au(1, 8000, 0, [1, 2])), null);
        assert.equal(decodeAu(au(1, 8000, 1, [])), null);
        assert.equal(decodeAu(au(3, 8000, 1, [1])), null); // half a sample
        const wav = Buffer.from('RIFF....WAVEfmt ................');
        assert.equal(decodeAu(wav.buffer.slice(wav.byteOffset, wav.byteOffset + wav.length)), null);
        const beyond = au(1, 8000, 1, [1, 2]);
        new DataView(beyond).setUint32(4, 1000);
        assert.equal(decodeAu(beyond), null);
    });
});
