/*
 * tlwbtn.js: plays the button panels that pages carry as applet elements for "tlwbtn.class",
 * now that browsers no longer run applets. It reads the same param lines the applet reads and
 * puts a live panel in the applet's place: the faces painted pixel for pixel as the designer's
 * canvas paints them, the three states under mouse and keyboard, hints, links, further menus
 * and sounds.
 *
 * One file, no dependencies. Loading it twice is harmless: the second copy only looks for
 * applet elements that arrived since. Everything hangs off one global, TlwBtnPlayer.
 */
(function (root) {
    'use strict';

    const ENTRY = 'TlwBtnPlayer';
    const earlier = root[ENTRY];
    if (earlier && typeof earlier.scan === 'function') {
        earlier.scan();
        return;
    }
    const startTime = root.performance ? root.performance.now() : 0;
    // A page whose own scripts are off shows a canvas as its fallback content, that is as
    // nothing. A host that plays panels in such a page (an editor's design view, from a script
    // world of its own) sets this flag first and gets still pictures of the painted canvas.
    const STILL = root[ENTRY + 'Still'] === true;

    // ---------------------------------------------------------------------------------------
    // Reading values. Every value is a comma-separated list read by position; a missing
    // position reads as empty, numbers follow the C atoi rules, colours are "rrggbb".

    const INT_MAX = 2147483647;
    const LITTLE_ENDIAN = new Uint8Array(new Uint32Array([1]).buffer)[0] === 1;
    const INT_MIN = -2147483648;

    const isSpace = (c) => c === 32 || (c >= 9 && c <= 13);

    // Where the digits of a number start and end in text after white space and a sign; the
    // sign is at start - 1 when there is one. Kept in two variables, not allocated, since
    // a large design reads thousands of numbers before its first paint.
    let numberStart = 0;
    let numberEnd = 0;
    function scanNumber(text) {
        let i = 0;
        const n = text.length;
        while (i < n && isSpace(text.charCodeAt(i))) ++i;
        const c = text.charCodeAt(i);
        if (c === 45 || c === 43) ++i; // '-' or '+'
        numberStart = i;
        while (i < n && text.charCodeAt(i) >= 48 && text.charCodeAt(i) <= 57) ++i;
        numberEnd = i;
    }

    function digitsValue(text, start, end, negative) {
        let v = 0;
        for (let i = start; i < end; ++i) {
            v = v * 10 + (text.charCodeAt(i) - 48);
            if (v > INT_MAX + 1) v = INT_MAX + 1; // saturate, keep scanning
        }
        if (negative) return v === 0 ? 0 : Math.max(-v, INT_MIN);
        return Math.min(v, INT_MAX);
    }

    function atoi(text) {
        text = String(text);
        scanNumber(text);
        return digitsValue(text, numberStart, numberEnd, text.charCodeAt(numberStart - 1) === 45);
    }

    // "rrggbb" as 0xRRGGBB; like a hexadecimal integer read, only the leading digits count
    // and the low 24 bits make the colour.
    function hexColor(text) {
        text = String(text);
        let i = 0;
        while (i < text.length && isSpace(text.charCodeAt(i))) ++i;
        let v = 0;
        for (; i < text.length; ++i) {
            const c = text.charCodeAt(i);
            const d = c >= 48 && c <= 57 ? c - 48
                : c >= 97 && c <= 102 ? c - 87
                : c >= 65 && c <= 70 ? c - 55
                : -1;
            if (d < 0) break;
            v = ((v << 4) | d) & 0xffffff;
        }
        return v;
    }

    // Two integers written one after the other ("%d%d"): the last digit is the second, the
    // rest the first. The writer only pairs single digits, so this reads all it writes.
    function pairedDigits(text) {
        text = String(text);
        scanNumber(text);
        if (numberEnd === numberStart) return [0, 0];
        const negative = text.charCodeAt(numberStart - 1) === 45;
        return [digitsValue(text, numberStart, numberEnd - 1, negative),
            text.charCodeAt(numberEnd - 1) - 48];
    }

    function fieldsOf(value) {
        return value === undefined || value === null ? [] : String(value).split(',');
    }
    function field(fields, i) {
        return i < fields.length ? fields[i] : '';
    }

    // A comma inside a text travels as "~@^`" so that it stays one field; labels also keep
    // their line breaks as "|_#`". Addresses carry their commas as %2C, which needs no help.
    const COMMA_ESCAPE = '~@^`';
    function unescapeText(text) {
        return text.indexOf(COMMA_ESCAPE) < 0 ? text : text.split(COMMA_ESCAPE).join(',');
    }
    function unescapeLabel(text) {
        return unescapeText(text).split('|_#`').join('\r\n');
    }
    function textField(fields, i) {
        return unescapeText(field(fields, i));
    }

    function clamp(v, lo, hi) {
        return v < lo ? lo : v > hi ? hi : v;
    }

    // ---------------------------------------------------------------------------------------
    // The design: applet style, menus with their three state looks, items, and how menus hang
    // together. Reading never throws; what cannot be read is listed in `problems`.

    function parseState(f, base) {
        const [backStyle, borderStyle] = pairedDigits(field(f, base + 2));
        const [imageAlign, textAlign] = pairedDigits(field(f, base + 7));
        return {
            back: hexColor(field(f, base)),
            font: hexColor(field(f, base + 1)),
            backStyle,
            borderStyle,
            effect: atoi(field(f, base + 3)),
            fontName: atoi(field(f, base + 4)),
            fontSize: atoi(field(f, base + 5)),
            fontStyle: atoi(field(f, base + 6)),
            imageAlign,
            textAlign,
            imageOffset: atoi(field(f, base + 8)),
            textOffset: atoi(field(f, base + 9)),
            border: hexColor(field(f, base + 12)),
            fade: hexColor(field(f, base + 13)),
        };
    }

    function parseMenu(params, n, problems) {
        const menuValue = params.get('mstyle-' + n);
        const stateValue = params.get('istyle-' + n);
        if (menuValue === undefined) problems.push('MStyle-' + n + ' is missing');
        if (stateValue === undefined) problems.push('IStyle-' + n + ' is missing');
        const f = fieldsOf(menuValue);
        const g = fieldsOf(stateValue);
        // Stored bounds may be inverted; the canvas paints their normalized copy.
        const ends = (start, size) => (size < 0 ? [start + size, start] : [start, start + size]);
        const [l, r] = ends(atoi(field(f, 4)), atoi(field(f, 6)));
        const [t, b] = ends(atoi(field(f, 5)), atoi(field(f, 7)));
        const menu = {
            number: n,
            rect: { l, t, r, b },
            borderThick: atoi(field(f, 9)),
            items: [],
            placed: false,
        };
        // Read when first painted: hints and further menus may never be.
        let states = null;
        Object.defineProperty(menu, 'states', {
            enumerable: true,
            get: () => states || (states = [parseState(g, 0), parseState(g, 14), parseState(g, 28)]),
        });
        return menu;
    }

    const FILE_REF = /^[^\s,][^,]*\.[A-Za-z0-9]{1,5}$/;
    const TARGET = /^[^\s/:]+$/;

    // Pages written before free texts were escaped have bare commas in descriptions and links,
    // which split them. The five file references and the target (never empty) sit between the
    // two, so the split that leaves them looking like file names and a target tells where the
    // extra commas belong.
    function itemFields(value) {
        const f = fieldsOf(value);
        const extra = f.length - 9;
        if (extra <= 0) return f;
        for (let inDescription = 0; inDescription <= extra; ++inDescription) {
            const mid = f.slice(2 + inDescription, 8 + inDescription);
            const refsLookRight = mid.slice(0, 5).every((s) => s === '' || FILE_REF.test(s));
            if (refsLookRight && TARGET.test(mid[5]))
                return [f[0], f.slice(1, 2 + inDescription).join(',')]
                    .concat(mid, [f.slice(8 + inDescription).join(',')]);
        }
        return f.slice(0, 8).concat([f.slice(8).join(',')]);
    }

    function parseItem(value) {
        const f = itemFields(value);
        return {
            label: unescapeLabel(field(f, 0)),
            description: textField(f, 1),
            images: [textField(f, 2), textField(f, 3), textField(f, 4)],
            sounds: [textField(f, 5), textField(f, 6)],
            target: textField(f, 7) || '_self',
            url: textField(f, 8),
            subMenu: null,
        };
    }

    function emptyItem() {
        return parseItem('');
    }

    // params: Map of lower-case parameter name to value. width, height: the applet's size.
    function parseDesign(params, width, height) {
        const problems = [];
        const apValue = params.get('apstyle');
        if (apValue === undefined) problems.push('ApStyle is missing');
        const ap = fieldsOf(apValue);
        const [backStyle, borderStyle] = pairedDigits(field(ap, 7));
        const design = {
            width,
            height,
            back: hexColor(field(ap, 0)),
            fade: hexColor(field(ap, 1)),
            backImage: textField(ap, 2),
            imageDisplay: atoi(field(ap, 3)),
            imageX: atoi(field(ap, 4)),
            imageY: atoi(field(ap, 5)),
            backSound: textField(ap, 6),
            backStyle,
            borderStyle,
            borderThick: atoi(field(ap, 8)),
            border: hexColor(field(ap, 9)),
            progressBar: atoi(field(ap, 10)) !== 0,
            // The last field: a comma left bare by an older writer stays in the message too.
            loadingMessage: unescapeText(ap.slice(11).join(',')),
            menus: [],
            buttons: [],
            problems,
        };
        const miscValue = params.get('misc');
        if (miscValue === undefined) {
            problems.push('Misc is missing');
            return design;
        }
        const misc = fieldsOf(miscValue);
        let count = atoi(field(misc, 0));
        const countable = Math.max(0, misc.length - 1); // each menu needs a count field
        if (count < 0 || count > countable) {
            problems.push('Misc names ' + count + ' menus');
            count = clamp(count, 0, countable);
        }
        const flat = [];
        for (let n = 0; n < count; ++n) {
            const menu = parseMenu(params, n, problems);
            let items = atoi(field(misc, 1 + n));
            // More items than parameters cannot all be there; keep the work bounded.
            if (items < 0 || items > params.size) {
                problems.push('menu ' + n + ' has ' + items + ' items');
                items = clamp(items, 0, params.size);
            }
            for (let k = 0; k < items; ++k) {
                const value = params.get('i' + n + '-' + k);
                if (value === undefined) problems.push('I' + n + '-' + k + ' is missing');
                const item = value === undefined ? emptyItem() : parseItem(value);
                menu.items.push(item);
                flat.push(item);
            }
            design.menus.push(menu);
        }
        for (let i = count + 1; i < misc.length; ++i) {
            const entry = misc[i].trim();
            if (entry === '') continue;
            const hyphen = entry.indexOf('-');
            const m = hyphen < 0 ? -1 : atoi(entry.slice(hyphen + 1));
            const menu = m >= 0 && m < count ? design.menus[m] : null;
            // A menu hangs in one place only, which also keeps the tree free of cycles.
            if (!menu || menu.placed) {
                problems.push('link "' + entry + '" is not usable');
                continue;
            }
            const before = entry.slice(0, hyphen);
            if (before === '') {
                menu.placed = true;
                design.buttons.push(menu);
                continue;
            }
            const at = atoi(before);
            if (at < 0 || at >= flat.length || flat[at].subMenu) {
                problems.push('link "' + entry + '" is not usable');
                continue;
            }
            menu.placed = true;
            flat[at].subMenu = menu;
        }
        return design;
    }

    // ---------------------------------------------------------------------------------------
    // Painting: the designer's canvas algorithms, with GDI's line rules, on a 2D canvas. Lines
    // are axis-aligned one-pixel runs, drawn as filled rectangles on whole pixels so that no
    // edge is blended. Rectangles are {l, t, r, b} with r and b exclusive.

    function intersect(a, b) {
        const r = {
            l: Math.max(a.l, b.l),
            t: Math.max(a.t, b.t),
            r: Math.min(a.r, b.r),
            b: Math.min(a.b, b.b),
        };
        return r.l < r.r && r.t < r.b ? r : null;
    }

    function cssColor(c) {
        return '#' + ((c & 0xffffff) | 0x1000000).toString(16).slice(1);
    }

    function shade(c, d) {
        const ch = (v) => clamp(v + d, 0, 255);
        return (ch((c >> 16) & 255) << 16) | (ch((c >> 8) & 255) << 8) | ch(c & 255);
    }

    // Step i of n from c1 to c2: per channel c1 + i * (c2 - c1) / n, truncated, never past c2.
    function stepColor(c1, c2, i, n) {
        const channel = (shift) => {
            const from = (c1 >> shift) & 255;
            const to = (c2 >> shift) & 255;
            const v = Math.trunc(clamp(from + (i * (to - from)) / n, -1, 256));
            return to >= from ? Math.min(v, to) : Math.max(v, to);
        };
        return (channel(16) << 16) | (channel(8) << 8) | channel(0);
    }

    // Steps i in [0, count) whose line origin + dir * i lies in [lo, hi).
    function visibleSteps(origin, dir, lo, hi, count) {
        if (dir > 0) return [Math.max(0, lo - origin), Math.min(count - 1, hi - 1 - origin)];
        return [Math.max(0, origin - (hi - 1)), Math.min(count - 1, origin - lo)];
    }

    // The pixels of a GDI line from a up to, not including, c.
    function lineSpan(a, c) {
        return c > a ? [a, c - 1] : c < a ? [c + 1, a] : null;
    }

    class Painter {
        // clip: the rectangle that may change; nothing outside it is visited.
        constructor(ctx, clip) {
            this.ctx = ctx;
            this.clip = clip;
            this.color = -1;
        }
        setColor(c) {
            if (c !== this.color) {
                this.ctx.fillStyle = cssColor(c);
                this.color = c;
            }
        }
        fill(c, l, t, r, b) {
            const k = this.clip;
            const x0 = Math.max(l, k.l);
            const y0 = Math.max(t, k.t);
            const x1 = Math.min(r, k.r);
            const y1 = Math.min(b, k.b);
            if (x0 >= x1 || y0 >= y1) return;
            this.setColor(c);
            this.ctx.fillRect(x0, y0, x1 - x0, y1 - y0);
        }
        line(c, x0, y0, x1, y1) {
            if (y0 === y1) {
                const s = lineSpan(x0, x1);
                if (s) this.fill(c, s[0], y0, s[1] + 1, y0 + 1);
            } else if (x0 === x1) {
                const s = lineSpan(y0, y1);
                if (s) this.fill(c, x0, s[0], x0 + 1, s[1] + 1);
            }
        }
    }

    // The same painting into a whole-panel pixel buffer (RGBA words, `scale` device pixels per
    // panel pixel), for repainting a whole panel at once.
    class PixelPainter extends Painter {
        constructor(pixels, stride, scale, clip) {
            super(null, clip);
            this.pixels = pixels;
            this.stride = stride;
            this.scale = scale;
        }
        fill(c, l, t, r, b) {
            const k = this.clip;
            const s = this.scale;
            const x0 = Math.max(l, k.l) * s;
            const x1 = Math.min(r, k.r) * s;
            const y0 = Math.max(t, k.t) * s;
            const y1 = Math.min(b, k.b) * s;
            if (x0 >= x1 || y0 >= y1) return;
            const word = (0xff000000 | ((c & 255) << 16) | (c & 0xff00) | ((c >> 16) & 255)) >>> 0;
            for (let y = y0; y < y1; ++y) this.pixels.fill(word, y * this.stride + x0, y * this.stride + x1);
        }
    }

    function fillBackground(p, r, c1, c2, style) {
        if (!(style >= 1 && style <= 5)) return;
        const w = r.r - r.l;
        const h = r.b - r.t;
        if (style === 1) {
            if (w > 0 && h > 0) p.fill(c1, r.l, r.t, r.r, r.b);
            return;
        }
        const horizontal = style <= 3;
        const mirrored = style === 3 || style === 5;
        const extent = horizontal ? h : w;
        const n = mirrored ? Math.trunc((extent + 1) / 2) : extent;
        if (n <= 0) return;
        const lo = horizontal ? p.clip.t : p.clip.l;
        const hi = horizontal ? p.clip.b : p.clip.r;
        const start = horizontal ? r.t : r.l;
        const line = (i, pos) => {
            const c = stepColor(c1, c2, i, n);
            if (horizontal) p.line(c, r.l, pos, r.r, pos);
            else p.line(c, pos, r.t, pos, r.b);
        };
        const forward = visibleSteps(start, 1, lo, hi, n);
        for (let i = forward[0]; i <= forward[1]; ++i) line(i, start + i);
        if (mirrored) {
            const mirrorStart = (horizontal ? r.b : r.r) - 1;
            const back = visibleSteps(mirrorStart, -1, lo, hi, n);
            for (let i = back[0]; i <= back[1]; ++i) line(i, mirrorStart - i);
        }
    }

    // Shading amounts of ring k (0 outermost) as [top-left, bottom-right].
    function ringShades(style, thickness, k) {
        const amount = (step, n) => Math.min(step * n, 1000);
        const fromInside = thickness - 1 - k;
        const outerBand = Math.trunc(thickness / 2);
        let a;
        switch (style) {
            case 1:
                a = amount(10, k);
                return [a, -a];
            case 2:
                a = amount(10, k);
                return [-a, a];
            case 3:
                a = amount(15, fromInside);
                return [a, -a];
            case 4:
                a = amount(15, fromInside);
                return [-a, a];
            case 5:
                if (k < outerBand) {
                    a = amount(15, outerBand - 1 - k);
                    return [a, -a];
                }
                a = amount(15, k - outerBand);
                return [-a, a];
            case 6:
                a = k < outerBand ? amount(15, outerBand - 1 - k) : amount(15, fromInside);
                return [a, -a];
            default:
                return [0, 0];
        }
    }

    function drawBorder(p, r, base, thickness, style) {
        if (thickness <= 0 || !(style >= 1 && style <= 6)) return;
        const k = p.clip;
        // A ring shows only where one of its edges crosses the clip; visit those in order.
        const ranges = [
            visibleSteps(r.t, 1, k.t, k.b, thickness),
            visibleSteps(r.l, 1, k.l, k.r, thickness),
            visibleSteps(r.b - 1, -1, k.t, k.b, thickness),
            visibleSteps(r.r - 1, -1, k.l, k.r, thickness),
        ].sort((x, y) => x[0] - y[0]);
        let next = 0;
        for (const range of ranges) {
            for (let ring = Math.max(range[0], next); ring <= range[1]; ++ring) {
                const [tl, br] = ringShades(style, thickness, ring);
                const topLeft = shade(base, tl);
                const bottomRight = shade(base, br);
                const l = r.l + ring;
                const t = r.t + ring;
                const rr = r.r - 1 - ring;
                const b = r.b - 1 - ring;
                p.line(topLeft, l, t, rr, t);
                p.line(topLeft, l, t, l, b);
                p.line(bottomRight, rr, t, rr, b + 1);
                p.line(bottomRight, l, b, rr, b);
            }
            next = Math.max(next, range[1] + 1);
        }
    }

    // Faces of the three font indexes: the designer's metric-compatible families first.
    const FACES = [
        '"Liberation Serif", "Times New Roman", Times, serif',
        '"Liberation Sans", Arial, Helvetica, sans-serif',
        '"Liberation Mono", "Courier New", Courier, monospace',
    ];

    // Win32 MulDiv for a positive divisor: rounded half away from zero.
    function mulDiv(a, b, c) {
        const num = a * b;
        const q = Math.floor((Math.abs(num) + Math.floor(c / 2)) / c);
        return num < 0 ? -q : q;
    }

    // The canvas font of a state: size s is 10 * s - 30 tenths of a point on a 96 dpi display.
    function fontOf(state) {
        const tenths = clamp(10 * state.fontSize - 30, -7200, 7200);
        const height = -mulDiv(tenths, 96, 720);
        let px = 13;
        if (height < 0) px = clamp(-height, 1, 4096);
        // A positive height asks for the whole cell; the character is about seven eighths.
        else if (height > 0) px = Math.max(1, Math.round(Math.min(height, 4096) * 0.87));
        const face = FACES[state.fontName === 0 ? 0 : state.fontName === 1 ? 1 : 2];
        return (
            (state.fontStyle === 2 ? 'italic ' : '') +
            (state.fontStyle === 1 ? '700 ' : '400 ') +
            px +
            'px ' +
            face
        );
    }

    const metricsCache = new Map();
    function fontMetrics(ctx, font) {
        let m = metricsCache.get(font);
        if (!m) {
            ctx.font = font;
            const probe = ctx.measureText('Hg');
            const px = parseInt(/(\d+)px/.exec(font)[1], 10);
            const ascent = Math.round(probe.fontBoundingBoxAscent ?? px * 0.9);
            const descent = Math.round(probe.fontBoundingBoxDescent ?? px * 0.22);
            m = { ascent, height: ascent + descent };
            metricsCache.set(font, m);
        }
        return m;
    }

    // Lines break at CR LF, CR or LF; a break at the very end starts no line.
    function textLines(text) {
        const lines = text.split(/\r\n|\r|\n/);
        if (lines.length > 1 && lines[lines.length - 1] === '') lines.pop();
        return lines;
    }

    // Where the label goes inside r: measured as multi-line text, placed by the state's
    // alignment, offset and the border.
    function layoutLabel(ctx, r, text, state, borderThick) {
        const font = fontOf(state);
        const metrics = fontMetrics(ctx, font);
        ctx.font = font;
        const lines = textLines(text).map((s) => ({ s, w: Math.round(ctx.measureText(s).width) }));
        const tw = lines.reduce((m, line) => Math.max(m, line.w), 0);
        const th = lines.length * metrics.height;
        const w = r.r - r.l;
        const h = r.b - r.t;
        let dx;
        if (state.textAlign === 2) dx = w - tw - borderThick - 3;
        else if (state.textAlign === 1) dx = Math.trunc((w - tw) / 2);
        else dx = borderThick + 3;
        dx += state.textOffset;
        const left = r.l + dx;
        const top = r.t + Math.trunc((h - th) / 2);
        return {
            box: { l: left, t: top, r: left + tw, b: top + th },
            lines: lines.map((line, i) => {
                let x = left;
                if (state.textAlign === 1) x = left + Math.trunc((tw - line.w) / 2);
                else if (state.textAlign === 2) x = left + tw - line.w;
                return { s: line.s, x, y: top + i * metrics.height + metrics.ascent };
            }),
        };
    }

    // The label in the state's font colour; the effects use shades of the face behind it.
    // clip: where the label may go, when the context is not clipped to it already.
    function drawLabel(ctx, r, text, state, borderThick, clip) {
        if (text === '') return;
        const { box, lines } = layoutLabel(ctx, r, text, state, borderThick);
        // Glyphs may reach a pixel or two beyond the measured box; only a label near the edge
        // needs the clip, which costs more than the text.
        const margin = Math.ceil((box.b - box.t) / lines.length / 4) + 1;
        if (clip && (box.l - margin < clip.l || box.t - margin < clip.t ||
            box.r + margin > clip.r || box.b + margin > clip.b)) {
            ctx.save();
            ctx.beginPath();
            ctx.rect(clip.l, clip.t, clip.r - clip.l, clip.b - clip.t);
            ctx.clip();
            drawLabel(ctx, r, text, state, borderThick, null);
            ctx.restore();
            return;
        }
        const pass = (color, dx, dy) => {
            ctx.fillStyle = cssColor(color);
            for (const line of lines) ctx.fillText(line.s, line.x + dx, line.y + dy);
        };
        ctx.textBaseline = 'alphabetic';
        ctx.textAlign = 'left';
        const light = shade(state.back, 96);
        const dark = shade(state.back, -96);
        switch (state.effect) {
            case 1: // outline: the letters hollow, drawn round in the font colour
                for (const [dx, dy] of [[-1, -1], [0, -1], [1, -1], [-1, 0], [1, 0], [-1, 1], [0, 1], [1, 1]])
                    pass(state.font, dx, dy);
                pass(state.back, 0, 0);
                return;
            case 2: // sunken
                pass(dark, -1, -1);
                pass(light, 1, 1);
                break;
            case 3: // bulge
                pass(light, -1, -1);
                pass(dark, 1, 1);
                break;
            case 4: // with shadow
                pass(shade(state.back, -128), 2, 2);
                break;
            default:
                break;
        }
        pass(state.font, 0, 0);
    }

    // An item's image of a state at its natural size, placed like the label.
    function drawFaceImage(ctx, r, image, state, borderThick) {
        const iw = image.naturalWidth;
        const ih = image.naturalHeight;
        const w = r.r - r.l;
        let dx;
        if (state.imageAlign === 2) dx = w - iw - borderThick - 3;
        else if (state.imageAlign === 1) dx = Math.trunc((w - iw) / 2);
        else dx = borderThick + 3;
        ctx.drawImage(image, r.l + dx + state.imageOffset, r.t + Math.trunc((r.b - r.t - ih) / 2));
    }

    // A face of a menu in one state (0 normal, 1 mouse over, 2 clicked), inside clip only:
    // background, the state's image, border, label.
    function paintFace(ctx, clip, menu, rect, state, item, images) {
        const visible = intersect(clip, rect);
        if (!visible) return;
        const s = menu.states[state];
        ctx.save();
        ctx.beginPath();
        ctx.rect(visible.l, visible.t, visible.r - visible.l, visible.b - visible.t);
        ctx.clip();
        const p = new Painter(ctx, visible);
        fillBackground(p, rect, s.back, s.fade, s.backStyle);
        const image = item && images ? images.forState(item, state) : null;
        if (image) drawFaceImage(ctx, rect, image, s, menu.borderThick);
        drawBorder(p, rect, s.border, menu.borderThick, s.borderStyle);
        if (item) drawLabel(ctx, rect, item.label, s, menu.borderThick);
        ctx.restore();
    }

    // ---------------------------------------------------------------------------------------
    // Sounds: ".au" files are decoded here (browsers do not play them), anything else by the
    // browser; all play through Web Audio once a gesture has allowed sound.

    const ULAW = new Float32Array(256);
    for (let i = 0; i < 256; ++i) {
        const u = ~i & 0xff;
        const magnitude = ((((u & 0x0f) << 3) + 0x84) << ((u >> 4) & 7)) - 0x84;
        ULAW[i] = (u & 0x80 ? 0 - magnitude : magnitude) / 32768;
    }

    // An ".au" file as {sampleRate, channels: [Float32Array]}, or null when it is not one we
    // play (8-bit mu-law, 8-bit and 16-bit linear PCM).
    function decodeAu(buffer) {
        if (!buffer || buffer.byteLength < 24) return null;
        const v = new DataView(buffer);
        if (v.getUint32(0) !== 0x2e736e64) return null; // ".snd"
        const offset = v.getUint32(4);
        const size = v.getUint32(8);
        const encoding = v.getUint32(12);
        const sampleRate = v.getUint32(16);
        const channelCount = v.getUint32(20);
        const bytes = encoding === 1 || encoding === 2 ? 1 : encoding === 3 ? 2 : 0;
        if (!bytes || offset < 24 || offset > buffer.byteLength) return null;
        if (channelCount < 1 || channelCount > 32 || sampleRate < 1) return null;
        let available = buffer.byteLength - offset;
        if (size !== 0xffffffff) available = Math.min(available, size);
        const frames = Math.floor(available / (bytes * channelCount));
        if (frames === 0) return null;
        const channels = [];
        for (let c = 0; c < channelCount; ++c) channels.push(new Float32Array(frames));
        let pos = offset;
        for (let f = 0; f < frames; ++f) {
            for (let c = 0; c < channelCount; ++c, pos += bytes) {
                channels[c][f] =
                    encoding === 1 ? ULAW[v.getUint8(pos)]
                    : encoding === 2 ? v.getInt8(pos) / 128
                    : v.getInt16(pos) / 32768;
            }
        }
        return { sampleRate, channels };
    }

    const sound = {
        context: null,
        buffers: new Map(), // url -> Promise of AudioBuffer or null

        // Called from a user gesture: browsers let a page make sound only after one.
        unlock() {
            try {
                if (!this.context) {
                    const Context = root.AudioContext || root.webkitAudioContext;
                    if (!Context) return false;
                    this.context = new Context();
                }
                if (this.context.state === 'suspended') this.context.resume().catch(() => {});
                return true;
            } catch (e) {
                return false;
            }
        },

        load(url) {
            let pending = this.buffers.get(url);
            if (!pending) {
                pending = root
                    .fetch(url)
                    .then((response) => (response.ok ? response.arrayBuffer() : null))
                    .then((data) => (data ? this.toBuffer(data) : null))
                    .catch(() => 'unreachable');
                this.buffers.set(url, pending);
            }
            return pending;
        },

        toBuffer(data) {
            const decoded = decodeAu(data);
            if (!decoded) {
                return this.context.decodeAudioData(data.slice(0)).catch(() => null);
            }
            try {
                const buffer = this.context.createBuffer(
                    decoded.channels.length, decoded.channels[0].length, decoded.sampleRate);
                decoded.channels.forEach((samples, c) => buffer.copyToChannel(samples, c));
                return buffer;
            } catch (e) {
                return null; // a rate Web Audio does not take
            }
        },

        play(url, host) {
            if (!url || !this.context) return;
            this.load(url).then((buffer) => {
                if (buffer === 'unreachable') {
                    // Pages opened from disk cannot fetch; the browser may still play it.
                    new root.Audio(url).play().catch(() => {});
                    return;
                }
                if (!buffer || this.context.state === 'closed') return;
                const source = this.context.createBufferSource();
                source.buffer = buffer;
                source.connect(this.context.destination);
                source.start();
                host.dispatchEvent(new root.CustomEvent('tlwbtnsound', {
                    detail: {
                        url,
                        duration: buffer.duration,
                        sampleRate: buffer.sampleRate,
                        channels: buffer.numberOfChannels,
                    },
                }));
            });
        },
    };

    // ---------------------------------------------------------------------------------------
    // The live panel that takes an applet element's place.

    const STYLE_ID = 'tlwbtn-style';
    const STYLE_TEXT = [
        '.tlwbtn{display:inline-block;position:relative;vertical-align:baseline;line-height:0}',
        '.tlwbtn canvas,.tlwbtn-still{display:block}',
        '.tlwbtn-link{position:absolute;display:block;cursor:pointer;outline:none;',
        '-webkit-tap-highlight-color:transparent;-webkit-user-drag:none;user-select:none}',
        '.tlwbtn-link:focus-visible{outline:2px solid Highlight;outline-offset:1px}',
        '.tlwbtn-hidden{position:absolute;width:1px;height:1px;overflow:hidden;',
        'clip-path:inset(50%);white-space:nowrap}',
        '.tlwbtn-hint{position:absolute;z-index:3;pointer-events:none;visibility:hidden;opacity:0;',
        'transition:opacity .15s ease-out}',
        '.tlwbtn-hint.tlwbtn-shown{visibility:visible;opacity:1}',
        '.tlwbtn-menu{position:absolute;z-index:2;display:none;line-height:0}',
        '.tlwbtn-menu.tlwbtn-open{display:block}',
        '.tlwbtn-menu>.tlwbtn-link{position:relative}',
        '@media (prefers-reduced-motion:reduce){.tlwbtn-hint{transition:none}}',
    ].join('');

    const HINT_DELAY_MS = 500;
    const CLOSE_DELAY_MS = 300;
    const LOADING_TIMEOUT_MS = 10000;
    const MAX_SIDE = 8192;

    let idCounter = 0;

    // The rules go in as an adopted sheet, so that the page's markup stays as written (a page
    // editor that plays its widgets saves no trace of the player). Each copy of the script, in
    // whatever script world, finds a sheet put there before by the first rule.
    function ensureStyle(doc) {
        const first = STYLE_TEXT.slice(0, STYLE_TEXT.indexOf('{'));
        try {
            const sheets = doc.adoptedStyleSheets;
            if (sheets.some((s) => s.cssRules.length && s.cssRules[0].selectorText === first)) return;
            const sheet = new CSSStyleSheet();
            sheet.replaceSync(STYLE_TEXT);
            doc.adoptedStyleSheets = [...sheets, sheet];
            return;
        } catch (e) {
            // Browsers without constructed sheets take a style element.
        }
        if (doc.getElementById(STYLE_ID)) return;
        const style = doc.createElement('style');
        style.id = STYLE_ID;
        style.textContent = STYLE_TEXT;
        (doc.head || doc.documentElement).appendChild(style);
    }

    function readParams(applet) {
        const params = new Map();
        for (const param of applet.getElementsByTagName('param')) {
            const name = (param.getAttribute('name') || '').trim().toLowerCase();
            if (name && !params.has(name)) params.set(name, param.getAttribute('value') || '');
        }
        return params;
    }

    function resolveUrl(doc, ref) {
        if (!ref) return '';
        try {
            return new URL(ref, doc.baseURI).href;
        } catch (e) {
            return '';
        }
    }

    function escapeHtml(text) {
        return String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
    }

    function plainText(text) {
        return text.replace(/\s+/g, ' ').trim();
    }

    // The images of a design, loaded once; a state without its own image shows the normal one.
    class ImageSet {
        constructor(doc) {
            this.doc = doc;
            this.images = new Map(); // url -> HTMLImageElement
        }
        add(ref) {
            const url = resolveUrl(this.doc, ref);
            if (url && !this.images.has(url)) {
                const image = new root.Image();
                image.decoding = 'async';
                this.images.set(url, image);
            }
        }
        get(ref) {
            const image = this.images.get(resolveUrl(this.doc, ref));
            return image && image.complete && image.naturalWidth > 0 ? image : null;
        }
        forState(item, state) {
            return this.get(item.images[state]) || this.get(item.images[0]);
        }
        // Starts every load; progress(done, total) after each, then ready once.
        load(progress, ready) {
            const urls = Array.from(this.images.keys());
            let done = 0;
            let finished = false;
            const finish = () => {
                if (!finished) {
                    finished = true;
                    ready();
                }
            };
            if (urls.length === 0) return finish();
            const timer = root.setTimeout(finish, LOADING_TIMEOUT_MS);
            for (const url of urls) {
                const image = this.images.get(url);
                const settle = () => {
                    // After the wait ran out, a late image is painted in when it comes.
                    if (finished) return ready();
                    progress(++done, urls.length);
                    if (done === urls.length) {
                        root.clearTimeout(timer);
                        finish();
                    }
                };
                image.addEventListener('load', settle, { once: true });
                image.addEventListener('error', settle, { once: true });
                image.src = url;
            }
        }
    }

    function focusVisible(element) {
        try {
            return element.matches(':focus-visible');
        } catch (e) {
            return true;
        }
    }

    // Keyboard focus on the element or inside it; focus a click left behind does not count.
    function keyboardFocusWithin(element) {
        const active = element.ownerDocument.activeElement;
        return !!active && element.contains(active) && focusVisible(active);
    }

    // A button or menu entry: a real link over its face, with the three states.
    class Face {
        constructor(widget, menu, item, rect) {
            this.widget = widget;
            this.menu = menu;
            this.item = item;
            this.rect = rect; // within the panel (buttons) or the entry's own canvas
            this.hover = false;
            this.focus = false;
            this.pressed = false;
            this.keyPressed = false;
            this.state = 0;
            this.link = null;
            this.onState = null; // called after the state changed
        }

        // 0 normal, 1 mouse over (pointer or keyboard focus), 2 clicked.
        computeState() {
            if (this.pressed || this.keyPressed) return 2;
            return this.hover || this.focus ? 1 : 0;
        }

        update() {
            const state = this.computeState();
            if (state === this.state) return;
            const before = this.state;
            this.state = state;
            if (before === 0 && state > 0) this.widget.play(this.item && this.item.sounds[0]);
            if (state === 2) this.widget.play(this.item && this.item.sounds[1]);
            if (this.onState) this.onState(before, state);
        }

        // The markup of the face's link, with its name inside, and of its description, which
        // stays outside the link so that it does not join the name and is hidden so that it is
        // read only as the description. Markup, since a panel makes a hundred of them at once.
        linkMarkup(box) {
            const item = this.item || emptyItem();
            const hint = this.hintItem();
            const name = plainText(item.label) || plainText(item.description) ||
                (hint ? plainText(hint.label) : '') || item.url;
            const description = [item.description, hint ? hint.label : '']
                .map(plainText)
                .filter((s, i, all) => s && all.indexOf(s) === i && s !== name)
                .join('. ');
            let link = '<a class="tlwbtn-link" draggable="false"';
            // A face without a link does nothing when chosen, so it stays out of the tab order.
            if (item.url) link += ' href="' + escapeHtml(item.url) + '" target="' + escapeHtml(item.target) + '"';
            if (box) {
                link += ' style="left:' + box.l + 'px;top:' + box.t + 'px;width:' + (box.r - box.l) +
                    'px;height:' + (box.b - box.t) + 'px"';
            }
            let described = '';
            if (description) {
                const id = 'tlwbtn-d' + ++idCounter;
                link += ' aria-describedby="' + id + '"';
                described = '<span hidden id="' + id + '">' + escapeHtml(description) + '</span>';
            }
            link += '><span class="tlwbtn-hidden">' + escapeHtml(name) + '</span></a>';
            return { link, described };
        }

        attach(link) {
            this.link = link;
            this.widget.faces.set(link, this);
        }

        // The hint box's item, when the button shows one.
        hintItem() {
            const hint = this.hintMenu();
            return hint ? hint.items[0] : null;
        }
        hintMenu() {
            if (!this.isButton || !this.item || !this.item.subMenu) return null;
            return this.item.subMenu.items.length ? this.item.subMenu : null;
        }

        // The widget hands each face the events of its link.
        enter() {
            this.hover = true;
            this.update();
            this.widget.over(this, true);
            if (this.item && this.item.description) root.status = this.item.description;
        }
        leave() {
            this.hover = false;
            this.pressed = false;
            this.update();
            this.widget.over(this, false);
            root.status = '';
        }
        press(e) {
            if (e.button !== 0) return;
            this.pressed = true;
            this.widget.hideHint();
            this.update();
        }
        release() {
            this.pressed = false;
            this.update();
        }
        focused() {
            // A click focuses the link too; only keyboard focus keeps the mouse-over look.
            this.focus = focusVisible(this.link);
            this.update();
            this.widget.over(this, true);
        }
        blurred() {
            this.focus = false;
            this.keyPressed = false;
            this.update();
            this.widget.over(this, false);
        }
        keyDown(e) {
            if (e.key !== 'Enter' || e.repeat) return;
            this.keyPressed = true;
            this.widget.hideHint();
            this.update();
        }
        keyUp(e) {
            if (e.key !== 'Enter') return;
            this.keyPressed = false;
            this.update();
        }
    }

    class Widget {
        constructor(applet) {
            const doc = applet.ownerDocument;
            this.doc = doc;
            this.applet = applet;
            let width = atoi(applet.getAttribute('width') || '');
            let height = atoi(applet.getAttribute('height') || '');
            const design = parseDesign(readParams(applet), width, height);
            const problems = design.problems;
            if (width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE) {
                problems.push('the size ' + width + ' x ' + height + ' is not usable');
                width = clamp(width, 1, MAX_SIDE);
                height = clamp(height, 1, MAX_SIDE);
            }
            this.design = design;
            this.width = width;
            this.height = height;
            this.bounds = { l: 0, t: 0, r: width, b: height };
            this.backSoundPlayed = false;
            this.loaded = false;
            this.hintTimer = 0;
            this.hintFace = null;
            this.closeTimer = 0;
            this.openPath = []; // faces whose menus are open, outermost first

            ensureStyle(doc);
            const host = doc.createElement('span');
            host.className = 'tlwbtn';
            host.style.width = width + 'px';
            host.style.height = height + 'px';
            this.host = host;

            // Whole device pixels per panel pixel, so that every line stays sharp.
            const dpr = root.devicePixelRatio || 1;
            this.scale = clamp(Math.round(dpr), 1, Math.max(1, Math.floor(MAX_SIDE / Math.max(width, height))));
            this.canvas = this.makeCanvas(width, height);
            this.ctx = this.canvas.getContext('2d');
            this.ctx.setTransform(this.scale, 0, 0, this.scale, 0, 0);
            this.still = STILL ? this.makeStill(width, height) : null;
            host.appendChild(this.still || this.canvas);

            this.images = new ImageSet(doc);
            this.images.add(design.backImage);
            for (const menu of design.menus)
                for (const item of menu.items) item.images.forEach((ref) => this.images.add(ref));

            this.faces = new WeakMap(); // link -> face
            this.buttons = [];
            const linked = [];
            let links = '';
            let descriptions = '';
            for (const menu of design.buttons) {
                const face = new Face(this, menu, menu.items[0] || null, menu.rect);
                face.isButton = true;
                face.onState = () => this.repaint(face.rect);
                this.buttons.push(face);
                const box = intersect(menu.rect, this.bounds);
                if (box && face.item) {
                    const markup = face.linkMarkup(box);
                    links += markup.link;
                    descriptions += markup.described;
                    linked.push(face);
                }
            }
            host.insertAdjacentHTML('beforeend', links + descriptions);
            const elements = host.getElementsByClassName('tlwbtn-link');
            linked.forEach((face, i) => face.attach(elements[i]));

            this.hint = this.makeCanvas(1, 1);
            this.hint.className = 'tlwbtn-hint';
            this.hint.setAttribute('aria-hidden', 'true');
            host.appendChild(this.hint);

            this.listen(host);

            if (problems.length)
                root.console.warn('tlwbtn.js: the button parameters are damaged (' +
                    problems.slice(0, 5).join('; ') + (problems.length > 5 ? '; ...' : '') +
                    '); showing what could be read');

            this.images.load(
                (done, total) => this.paintLoading(done / total),
                () => {
                    this.loaded = true;
                    this.base = null; // now with its image
                    this.repaint(this.bounds);
                    this.markPainted();
                });
            if (!this.loaded) {
                this.paintLoading(0);
                this.markPainted();
            }
            // Painted before it joins the page, so that its text does not wait for the page's
            // styles to be worked out.
            applet.parentNode.insertBefore(host, applet);
            applet.hidden = true;
            applet.style.display = 'none';
        }

        // One set of listeners for the whole panel: a face is found from its link.
        listen(host) {
            const faceOf = (node) => {
                for (let n = node; n && n !== host; n = n.parentNode) {
                    const face = this.faces.get(n);
                    if (face) return face;
                }
                return null;
            };
            const on = (type, handler, capture) =>
                host.addEventListener(type, (e) => {
                    const face = faceOf(e.target);
                    if (face) handler(face, e);
                }, capture);
            // Over and out also fire between a link and its own parts; only crossings count.
            on('pointerover', (face, e) => face !== faceOf(e.relatedTarget) && face.enter());
            on('pointerout', (face, e) => face !== faceOf(e.relatedTarget) && face.leave());
            on('pointerdown', (face, e) => face.press(e));
            on('pointerup', (face) => face.release());
            on('pointercancel', (face) => face.release());
            on('focusin', (face) => face.focused());
            on('focusout', (face) => face.blurred());
            on('keydown', (face, e) => face.keyDown(e));
            on('keyup', (face, e) => face.keyUp(e));
            host.addEventListener('pointerdown', () => this.gesture(), true);
            host.addEventListener('keydown', () => this.gesture(), true);
            host.addEventListener('pointerleave', () => this.scheduleClose());
        }

        makeCanvas(width, height) {
            const canvas = this.doc.createElement('canvas');
            canvas.width = width * this.scale;
            canvas.height = height * this.scale;
            canvas.style.width = width + 'px';
            canvas.style.height = height + 'px';
            return canvas;
        }

        makeStill(width, height) {
            const still = this.doc.createElement('img');
            still.className = 'tlwbtn-still';
            still.alt = '';
            still.draggable = false;
            still.style.width = width + 'px';
            still.style.height = height + 'px';
            return still;
        }

        // Shows what the canvas holds now where the canvas itself would not show.
        present() {
            if (!this.still) return;
            try {
                this.still.src = this.canvas.toDataURL();
            } catch (e) {
                // A canvas tainted by another origin's image cannot be read: show it as it is.
                this.still.replaceWith(this.canvas);
                this.still = null;
            }
        }

        markPainted() {
            if (this.painted) return;
            this.painted = true;
            if (root.performance && root.performance.mark) {
                root.performance.mark('tlwbtn-painted', {
                    detail: { sinceScriptStart: root.performance.now() - startTime },
                });
            }
        }

        // The applet's background, image and border, kept off screen so that a button's area
        // can be restored before it is painted again.
        paintBackground(ctx) {
            const d = this.design;
            ctx.clearRect(0, 0, this.width, this.height);
            const p = new Painter(ctx, this.bounds);
            fillBackground(p, this.bounds, d.back, d.fade, d.backStyle);
            const image = this.loaded ? this.images.get(d.backImage) : null;
            if (image) {
                if (d.imageDisplay === 1) {
                    ctx.fillStyle = ctx.createPattern(image, 'repeat');
                    ctx.fillRect(0, 0, this.width, this.height);
                } else {
                    ctx.drawImage(image, d.imageX, d.imageY);
                }
                p.color = -1;
            }
            drawBorder(p, this.bounds, d.border, d.borderThick, d.borderStyle);
        }

        // The background kept off screen, made when a part of the panel is first restored.
        baseCanvas() {
            if (!this.base) {
                this.base = this.makeCanvas(this.width, this.height);
                const ctx = this.base.getContext('2d');
                ctx.setTransform(this.scale, 0, 0, this.scale, 0, 0);
                this.paintBackground(ctx);
            }
            return this.base;
        }

        // While images load: the background with the loading message and a progress bar.
        paintLoading(fraction) {
            if (this.loaded) return;
            const ctx = this.ctx;
            const d = this.design;
            ctx.clearRect(0, 0, this.width, this.height);
            ctx.drawImage(this.baseCanvas(), 0, 0, this.width, this.height);
            const luma = ((d.back >> 16) & 255) * 0.3 + ((d.back >> 8) & 255) * 0.59 +
                (d.back & 255) * 0.11;
            const text = d.backStyle >= 1 && d.backStyle <= 5 && luma < 128 ? 0xffffff : 0;
            const cx = Math.trunc(this.width / 2);
            const cy = Math.trunc(this.height / 2);
            ctx.font = '12px ' + FACES[1];
            ctx.textAlign = 'center';
            ctx.textBaseline = 'bottom';
            ctx.fillStyle = cssColor(text);
            ctx.fillText(d.loadingMessage, cx, cy - 2, this.width - 4);
            if (d.progressBar) {
                const barWidth = Math.max(10, Math.trunc(this.width * 0.6));
                const left = cx - Math.trunc(barWidth / 2);
                ctx.fillRect(left, cy + 2, barWidth, 1);
                ctx.fillRect(left, cy + 9, barWidth, 1);
                ctx.fillRect(left, cy + 2, 1, 8);
                ctx.fillRect(left + barWidth - 1, cy + 2, 1, 8);
                ctx.fillRect(left + 2, cy + 4, Math.round((barWidth - 4) * fraction), 4);
            }
            this.present();
        }

        // Restores the background under r and paints every button that reaches into it, from
        // the bottom of the stacking order up, each in its own state.
        repaint(r, forceState) {
            if (!this.loaded) return;
            const area = intersect(r, this.bounds);
            if (!area) return;
            const stateOf = (face) => (forceState === undefined ? face.state : forceState);
            const whole = area.l === 0 && area.t === 0 && area.r === this.width && area.b === this.height;
            if (whole && this.paintWhole(stateOf)) {
                this.present();
                return;
            }
            const ctx = this.ctx;
            ctx.save();
            ctx.beginPath();
            ctx.rect(area.l, area.t, area.r - area.l, area.b - area.t);
            ctx.clip();
            ctx.clearRect(area.l, area.t, area.r - area.l, area.b - area.t);
            ctx.drawImage(this.baseCanvas(), 0, 0, this.width, this.height);
            for (const face of this.buttons) {
                if (!intersect(face.rect, area)) continue;
                paintFace(ctx, area, face.menu, face.rect, stateOf(face), face.item, this.images);
            }
            ctx.restore();
            this.present();
        }

        // The whole panel at once: the background, then each face whose background covers it
        // as a block of pixels painted once for all faces that look alike (a panel's buttons
        // mostly do), then the labels. Only where no button covers another, since a label must
        // stay under the faces above it, and no face shows an image; false otherwise.
        paintWhole(stateOf) {
            if (!LITTLE_ENDIAN || this.overlapping()) return false;
            if (this.buttons.some((f) => f.item && this.images.forState(f.item, stateOf(f))))
                return false;
            const ctx = this.ctx;
            this.paintBackground(ctx);
            const blocks = new Map(); // look -> ImageData
            const k = this.scale;
            for (const face of this.buttons) {
                const clip = intersect(face.rect, this.bounds);
                if (!clip) continue;
                const s = face.menu.states[stateOf(face)];
                const r = face.rect;
                const inside = clip.l === r.l && clip.t === r.t && clip.r === r.r && clip.b === r.b;
                if (!inside || s.backStyle < 1 || s.backStyle > 5) {
                    paintFace(ctx, clip, face.menu, r, stateOf(face), null, null);
                    continue;
                }
                const w = r.r - r.l;
                const h = r.b - r.t;
                const look = [w, h, face.menu.borderThick, s.back, s.fade, s.backStyle, s.border,
                    s.borderStyle].join();
                let block = blocks.get(look);
                if (!block) {
                    block = ctx.createImageData(w * k, h * k);
                    const pixels = new Uint32Array(block.data.buffer);
                    const origin = { l: 0, t: 0, r: w, b: h };
                    const p = new PixelPainter(pixels, w * k, k, origin);
                    fillBackground(p, origin, s.back, s.fade, s.backStyle);
                    drawBorder(p, origin, s.border, face.menu.borderThick, s.borderStyle);
                    blocks.set(look, block);
                }
                ctx.putImageData(block, r.l * k, r.t * k);
            }
            for (const face of this.buttons) {
                const clip = intersect(face.rect, this.bounds);
                if (!clip || !face.item || face.item.label === '') continue;
                const s = face.menu.states[stateOf(face)];
                drawLabel(ctx, face.rect, face.item.label, s, face.menu.borderThick, clip);
            }
            return true;
        }

        // Whether any two buttons share a pixel of the panel; found once.
        overlapping() {
            if (this.overlap === undefined) {
                const rects = this.buttons.map((f) => intersect(f.rect, this.bounds)).filter(Boolean)
                    .sort((a, b) => a.l - b.l);
                this.overlap = false;
                for (let i = 0; i < rects.length && !this.overlap; ++i) {
                    for (let j = i + 1; j < rects.length && rects[j].l < rects[i].r; ++j) {
                        if (intersect(rects[i], rects[j])) {
                            this.overlap = true;
                            break;
                        }
                    }
                }
            }
            return this.overlap;
        }

        // Every button in one state (0, 1 or 2), as the designer shows a whole design.
        paintAll(state) {
            this.repaint(this.bounds, state);
        }

        gesture() {
            if (!sound.unlock()) return;
            const refs = [this.design.backSound];
            for (const menu of this.design.menus)
                for (const item of menu.items) refs.push(item.sounds[0], item.sounds[1]);
            for (const ref of refs) {
                const url = resolveUrl(this.doc, ref);
                if (url) sound.load(url);
            }
            if (!this.backSoundPlayed && this.design.backSound) {
                this.backSoundPlayed = true;
                this.play(this.design.backSound);
            }
        }

        play(ref) {
            const url = resolveUrl(this.doc, ref);
            if (url) sound.play(url, this.host);
        }

        // A face became (or stopped being) the one under the pointer or the keyboard: its hint
        // and its menus follow.
        over(face, isOver) {
            if (isOver) {
                root.clearTimeout(this.closeTimer);
                this.openMenusFor(face);
                if (face.isButton && face.hintMenu()) this.scheduleHint(face);
                else this.hideHint();
            } else {
                if (this.hintFace === face) this.hideHint();
                if (!face.hover && !face.focus) this.scheduleClose();
            }
        }

        scheduleHint(face) {
            this.hideHint();
            this.hintFace = face;
            this.hintTimer = root.setTimeout(() => this.showHint(face), HINT_DELAY_MS);
        }

        showHint(face) {
            const menu = face.hintMenu();
            const w = clamp(menu.rect.r - menu.rect.l, 1, MAX_SIDE);
            const h = clamp(menu.rect.b - menu.rect.t, 1, MAX_SIDE);
            const hint = this.hint;
            if (hint.width !== w * this.scale || hint.height !== h * this.scale) {
                hint.width = w * this.scale;
                hint.height = h * this.scale;
                hint.style.width = w + 'px';
                hint.style.height = h + 'px';
            }
            const ctx = hint.getContext('2d');
            ctx.setTransform(this.scale, 0, 0, this.scale, 0, 0);
            ctx.clearRect(0, 0, w, h);
            const r = { l: 0, t: 0, r: w, b: h };
            paintFace(ctx, r, menu, r, 0, menu.items[0], null);
            hint.style.left = face.rect.l + menu.rect.l + 'px';
            hint.style.top = face.rect.t + menu.rect.t + 'px';
            hint.classList.add('tlwbtn-shown');
        }

        hideHint() {
            root.clearTimeout(this.hintTimer);
            this.hintFace = null;
            this.hint.classList.remove('tlwbtn-shown');
        }

        // Menus beyond a button and its hint: the button's further items open as a list beside
        // it, and an entry's sub-menu as a list beside that entry.
        openMenusFor(face) {
            const path = [];
            for (let f = face; f; f = f.parentFace) path.unshift(f);
            const keep = this.openPath.filter((f) => path.includes(f));
            for (const f of this.openPath) if (!keep.includes(f)) this.setMenuOpen(f, false);
            for (const f of path) this.setMenuOpen(f, true);
            this.openPath = path;
        }

        // After a moment, menus stay open only as far as the pointer or the focus still uses
        // them; the moment lets the pointer cross the gap between a face and its list.
        scheduleClose() {
            root.clearTimeout(this.closeTimer);
            this.closeTimer = root.setTimeout(() => {
                const inUse = (el) => !!el && (el.matches(':hover') || keyboardFocusWithin(el));
                let deepest = null;
                for (const f of this.openPath) if (inUse(f.link) || inUse(f.list)) deepest = f;
                if (deepest) {
                    this.openMenusFor(deepest);
                } else {
                    for (const f of this.openPath) this.setMenuOpen(f, false);
                    this.openPath = [];
                }
            }, CLOSE_DELAY_MS);
        }

        setMenuOpen(face, open) {
            if (open && !face.list) face.list = this.makeList(face);
            if (face.list) face.list.classList.toggle('tlwbtn-open', open);
        }

        // The list a face opens, or false when it has none.
        listItems(face) {
            if (face.isButton) return face.menu.items.slice(1);
            const sub = face.item && face.item.subMenu;
            return sub ? sub.items : [];
        }

        makeList(face) {
            const items = this.listItems(face);
            if (!items.length || !face.link) return false;
            const menu = face.isButton ? face.menu : face.item.subMenu;
            const doc = this.doc;
            const list = doc.createElement('span');
            list.className = 'tlwbtn-menu';
            if (face.isButton) {
                list.style.left = face.rect.r + 'px';
                list.style.top = face.rect.t + 'px';
            } else {
                list.style.left = face.width + 'px';
                list.style.top = face.offset + 'px';
            }
            // Entries take the size of the face they open from when the menu's own is empty.
            const w = clamp(menu.rect.r - menu.rect.l || face.rect.r - face.rect.l, 1, MAX_SIDE);
            const h = clamp(menu.rect.b - menu.rect.t || face.rect.b - face.rect.t, 1, MAX_SIDE);
            items.forEach((item, i) => {
                const entry = new Face(this, menu, item, { l: 0, t: 0, r: w, b: h });
                entry.parentFace = face;
                entry.width = w;
                entry.offset = i * h;
                const canvas = this.makeCanvas(w, h);
                const ctx = canvas.getContext('2d');
                ctx.setTransform(this.scale, 0, 0, this.scale, 0, 0);
                const paint = () => {
                    ctx.clearRect(0, 0, w, h);
                    paintFace(ctx, entry.rect, menu, entry.rect, entry.state, item, this.images);
                };
                entry.onState = paint;
                const markup = entry.linkMarkup(null);
                list.insertAdjacentHTML('beforeend', markup.link);
                this.host.insertAdjacentHTML('beforeend', markup.described);
                const link = list.lastElementChild;
                entry.attach(link);
                link.style.width = w + 'px';
                link.style.height = h + 'px';
                link.insertBefore(canvas, link.firstChild);
                list.appendChild(link);
                paint();
            });
            face.link.after(list);
            return list;
        }
    }

    // ---------------------------------------------------------------------------------------
    // The entry: finds the applet elements for the button class and plays each once.

    const widgets = [];
    const played = new WeakSet();

    function scan() {
        const doc = root.document;
        if (!doc) return;
        const applets = Array.from(doc.getElementsByTagName('applet'));
        for (const applet of applets) {
            if (played.has(applet)) continue;
            if (!/^tlwbtn\.class$/i.test((applet.getAttribute('code') || '').trim())) continue;
            played.add(applet);
            try {
                widgets.push(new Widget(applet));
            } catch (e) {
                // A panel that cannot be built must not stop the others or the page.
                root.console.warn('tlwbtn.js: cannot play a button panel: ' + e);
            }
        }
    }

    Object.defineProperty(root, ENTRY, {
        value: Object.freeze({
            version: '1.0',
            scan,
            widgets,
            // For tests and tools: the readers and the sound decoder.
            internals: Object.freeze({ atoi, hexColor, pairedDigits, parseDesign, decodeAu }),
        }),
        configurable: false,
        enumerable: false,
        writable: false,
    });

    if (root.document) {
        scan();
        // Applets after the script, or a script in the head, are found once the page is read.
        if (root.document.readyState === 'loading')
            root.document.addEventListener('DOMContentLoaded', scan);
    }
})(typeof window !== 'undefined' ? window : globalThis);
