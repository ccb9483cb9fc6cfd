// The page editor's script inside the design view. It runs in a world of its own (the page's
// own scripts do not run while a page is being edited) and keeps what the editor needs of the
// page: which element came from which bytes of the file, what was edited since, the
// selection with whole selected elements, an undo history of its own in which a transaction
// is one step, and frames standing in for widgets.
'use strict';
(() => {
    if (window.vellumo)
        return;

    const SRC = 'data-vellumo-src';
    const FRAME = 'data-vellumo-frame';
    const LABEL = 'data-vellumo-label';
    const SELECTED = 'data-vellumo-selected';
    const OWN = 'data-vellumo-';
    const VOID = new Set(['area', 'base', 'basefont', 'bgsound', 'br', 'col', 'embed', 'frame',
        'hr', 'img', 'input', 'keygen', 'link', 'meta', 'param', 'source', 'track', 'wbr']);
    const RAW = new Set(['script', 'style', 'xmp', 'iframe', 'noembed', 'noframes', 'plaintext']);
    const WHOLE = 'img,object,embed,applet';
    const UNDO_LIMIT = 100;

    let tokens = [];            // {k: kind, n: name, x: text} from the editor
    let trail = null;           // tokens after the last mapped node: [first, last]
    const info = new WeakMap(); // node -> where it came from
    const flags = new WeakMap(); // node -> {attr, text, kids}: what was edited
    let dirty = new Set();      // nodes that have flags
    const appletOf = new WeakMap(); // frame -> the applet element it stands for
    let observer = null;
    let undoStack = [];
    let redoStack = [];
    let txDepth = 0;
    let txChanged = false;
    let lastInput = '';
    let lastInputTime = 0;
    let selected = null;        // the element selected as a whole
    const ranges = new Map();
    let nextRange = 1;
    let withPlayer = false;
    let notifyPending = false;
    let pendingEvents = new Set();

    // ---- messages to the editor -------------------------------------------------------

    function notify(event) {
        pendingEvents.add(event);
        if (notifyPending)
            return;
        notifyPending = true;
        // Timers do not run in a page whose own scripts are off; a microtask does.
        queueMicrotask(() => {
            notifyPending = false;
            const events = [...pendingEvents];
            pendingEvents = new Set();
            console.info('vellumo-event:' + JSON.stringify(events));
        });
    }

    // ---- where each node came from ----------------------------------------------------

    const decoder = document.createElement('textarea');

    function normalise(text) {
        return text.replace(/\r\n?/g, '\n');
    }

    function tokenText(t) {
        if (t.raw)
            return normalise(t.x);
        decoder.innerHTML = t.x;
        return normalise(decoder.textContent);
    }

    function childrenOf(node) {
        return node.localName === 'template' ? node.content.childNodes : node.childNodes;
    }

    function isWhitespace(text) {
        return /^[ \t\n\f\r]*$/.test(text);
    }

    function buildMap(list) {
        tokens = list;
        const n = tokens.length;
        const open = [];
        let p = 0;

        function walkChildren(node) {
            for (const child of [...childrenOf(node)])
                walk(child);
        }

        function walkElement(node) {
            const mark = node.getAttribute(SRC);
            if (mark === null) { // made by the parser without a tag of its own
                const first = p;
                walkChildren(node);
                info.set(node, {implied: true, first, last: p - 1});
                return;
            }
            const k = Number(mark);
            if (!(k >= p) || !tokens[k] || tokens[k].k !== 'S')
                return; // moved by the parser: written anew when its parent is
            const m = {first: p, start: k};
            p = k + 1;
            open.push(tokens[k].n);
            walkChildren(node);
            open.pop();
            let q = p; // stray end tags and bogus markup before the element's own end tag
            while (q < n && (tokens[q].k === 'B' ||
                   (tokens[q].k === 'E' && tokens[q].n !== tokens[k].n && !open.includes(tokens[q].n))))
                ++q;
            if (q < n && tokens[q].k === 'E' && tokens[q].n === tokens[k].n) {
                m.endFirst = p;
                m.endTok = q;
                p = q + 1;
            }
            m.last = p - 1;
            info.set(node, m);
        }

        function walkText(node) {
            const data = node.data;
            let q = p;
            let text = '';
            while (q < n && tokens[q].k === 'T' && text.length < data.length)
                text += tokenText(tokens[q++]);
            const parent = node.parentNode;
            const dropsNewline = parent && parent.firstChild === node &&
                ['pre', 'textarea', 'listing'].includes(parent.localName);
            if (q > p && (text === data || (dropsNewline && text === '\n' + data))) {
                info.set(node, {first: p, last: q - 1});
                p = q;
            } else if (isWhitespace(data) && isLastInBody(node)) {
                // White space after </body> or </html> that the parser moved into the page's last element:
                // its bytes are still where they were.
                info.set(node, {phantom: true});
            }
        }

        function isLastInBody(node) {
            for (let n = node; n && n !== document.body; n = n.parentNode) {
                if (n.nextSibling)
                    return false;
            }
            return true;
        }

        function walk(node) {
            switch (node.nodeType) {
            case Node.ELEMENT_NODE:
                walkElement(node);
                break;
            case Node.TEXT_NODE:
                walkText(node);
                break;
            case Node.COMMENT_NODE:
                if (p < n && tokens[p].k === 'C' && normalise(tokens[p].x) === node.data) {
                    info.set(node, {first: p, last: p});
                    ++p;
                }
                break;
            case Node.DOCUMENT_TYPE_NODE: {
                let q = p; // white space before a doctype is dropped by the parser
                while (q < n && (tokens[q].k === 'B' || (tokens[q].k === 'T' && isWhitespace(tokens[q].x))))
                    ++q;
                if (q < n && tokens[q].k === 'D') {
                    info.set(node, {first: p, last: q});
                    p = q + 1;
                }
                break;
            }
            }
        }

        walkChildren(document);
        trail = p < n ? [p, n - 1] : null;
        for (const element of document.querySelectorAll('[' + SRC + ']'))
            element.removeAttribute(SRC);
    }

    // ---- what was edited ----------------------------------------------------------------

    function inFrame(node) {
        const element = node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
        return !!(element && element.closest('[' + FRAME + ']'));
    }

    function flag(node, kind) {
        let f = flags.get(node);
        if (!f) {
            f = {};
            flags.set(node, f);
        }
        f[kind] = true;
        dirty.add(node);
    }

    function record(mutations) {
        let changed = false;
        for (const m of mutations) {
            if (inFrame(m.target))
                continue;
            if (m.type === 'attributes') {
                if (m.attributeName.startsWith(OWN))
                    continue;
                flag(m.target, 'attr');
            } else if (m.type === 'characterData') {
                flag(m.target, 'text');
            } else {
                flag(m.target, 'kids');
            }
            changed = true;
        }
        if (changed) {
            txChanged = true;
            notify('edit');
        }
    }

    function flush() {
        if (observer)
            record(observer.takeRecords());
    }

    function touchedNodes() {
        const touched = new Set();
        for (const node of dirty) {
            for (let n = node; n && !touched.has(n); n = n.parentNode)
                touched.add(n);
        }
        return touched;
    }

    // ---- writing the page -----------------------------------------------------------------

    function escapeText(text) {
        return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
            .replace(/\u00a0/g, '&nbsp;');
    }

    function escapeAttribute(text) {
        return text.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/\u00a0/g, '&nbsp;');
    }

    function startTag(element) {
        let tag = '<' + element.localName;
        for (const a of element.attributes) {
            if (!a.name.startsWith(OWN))
                tag += ' ' + a.name + '="' + escapeAttribute(a.value) + '"';
        }
        return tag + '>';
    }

    function emit(node, out, touched) {
        if (node.nodeType === Node.ELEMENT_NODE && node.hasAttribute(FRAME)) {
            const applet = appletOf.get(node);
            if (applet)
                emit(applet, out, touched);
            return;
        }
        const m = info.get(node);
        if (m && m.phantom && !touched.has(node))
            return;
        if (m && !m.phantom && !touched.has(node) && m.first <= m.last) {
            out.push([m.first, m.last]);
            return;
        }
        switch (node.nodeType) {
        case Node.ELEMENT_NODE:
            if (m && m.implied) {
                emitChildren(node, out, touched);
            } else if (m && m.start !== undefined) {
                if (m.first < m.start)
                    out.push([m.first, m.start - 1]);
                const f = flags.get(node);
                out.push(f && f.attr ? startTag(node) : [m.start, m.start]);
                emitChildren(node, out, touched);
                if (m.endTok !== undefined)
                    out.push([m.endFirst, m.endTok]);
            } else {
                out.push(startTag(node));
                emitChildren(node, out, touched);
                if (!VOID.has(node.localName))
                    out.push('</' + node.localName + '>');
            }
            break;
        case Node.TEXT_NODE: {
            const parent = node.parentNode;
            out.push(parent && RAW.has(parent.localName) ? node.data : escapeText(node.data));
            break;
        }
        case Node.COMMENT_NODE:
            out.push('<!--' + node.data + '-->');
            break;
        case Node.DOCUMENT_TYPE_NODE:
            out.push(doctypeText(node));
            break;
        }
    }

    function emitChildren(node, out, touched) {
        for (const child of childrenOf(node))
            emit(child, out, touched);
    }

    function doctypeText(doctype) {
        let text = '<!DOCTYPE ' + doctype.name;
        if (doctype.publicId)
            text += ' PUBLIC "' + doctype.publicId + '"';
        if (doctype.systemId)
            text += (doctype.publicId ? '' : ' SYSTEM') + ' "' + doctype.systemId + '"';
        return text + '>';
    }

    // A copy of a node as the page has it: frames give back their applets, and nothing of
    // the editor's own stays.
    function cleanCopy(node) {
        if (node.nodeType === Node.ELEMENT_NODE && node.hasAttribute(FRAME)) {
            const applet = appletOf.get(node);
            return applet ? cleanCopy(applet) : document.createTextNode('');
        }
        const copy = node.cloneNode(false);
        if (copy.nodeType === Node.ELEMENT_NODE) {
            for (const a of [...copy.attributes]) {
                if (a.name.startsWith(OWN))
                    copy.removeAttribute(a.name);
            }
        }
        const target = copy.localName === 'template' ? copy.content : copy;
        for (const child of childrenOf(node))
            target.appendChild(cleanCopy(child));
        return copy;
    }

    function canonical(doc, live) {
        let text = '';
        for (const node of doc.childNodes) {
            if (node.nodeType === Node.DOCUMENT_TYPE_NODE)
                text += doctypeText(node);
            else if (node.nodeType === Node.COMMENT_NODE)
                text += '<!--' + node.data + '-->';
            else if (node.nodeType === Node.ELEMENT_NODE)
                text += (live ? cleanCopy(node) : node).outerHTML;
        }
        return text;
    }

    // The page in pieces. Level 0 keeps every byte that was not edited; level 1 writes the
    // body anew and keeps the rest; level 2 writes the whole page anew.
    function serialize(level) {
        flush();
        const out = [];
        const n = tokens.length;
        if (level === 0) {
            if (dirty.size === 0)
                return n ? [[0, n - 1]] : [];
            const touched = touchedNodes();
            for (const node of document.childNodes)
                emit(node, out, touched);
            if (trail)
                out.push(trail);
            return out;
        }
        const body = document.body;
        const m = body && info.get(body);
        if (level === 1 && m && m.start !== undefined) {
            out.push([0, m.start]);
            out.push(cleanCopy(body).innerHTML);
            const tail = m.endTok !== undefined ? m.endFirst : m.last + 1;
            if (tail < n)
                out.push([tail, n - 1]);
            return out;
        }
        return [canonical(document, true)];
    }

    // Whether the text, read as a page, gives exactly what is being edited.
    function validate(text) {
        const parsed = new DOMParser().parseFromString(text, 'text/html');
        return canonical(parsed, false) === canonical(document, true);
    }

    // ---- widget frames --------------------------------------------------------------------

    function size(value, fallback) {
        if (!value)
            return fallback;
        const number = parseInt(value, 10);
        if (!(number > 0))
            return fallback;
        return /%\s*$/.test(value) ? number + '%' : number + 'px';
    }

    function fillFrame(frame) {
        const applet = appletOf.get(frame);
        frame.replaceChildren();
        if (withPlayer) {
            frame.appendChild(applet.cloneNode(true));
        } else {
            const label = document.createElement('span');
            label.setAttribute(LABEL, '');
            label.textContent = 'applet ' + (applet.getAttribute('code') || '');
            frame.appendChild(label);
        }
    }

    function frameApplets(root) {
        let made = 0;
        for (const applet of [...root.querySelectorAll('applet')]) {
            if (inFrame(applet))
                continue;
            const frame = document.createElement('span');
            frame.setAttribute(FRAME, '');
            frame.setAttribute('contenteditable', 'false');
            frame.style.width = size(applet.getAttribute('width'), '120px');
            frame.style.height = size(applet.getAttribute('height'), '40px');
            applet.replaceWith(frame);
            appletOf.set(frame, applet);
            fillFrame(frame);
            ++made;
        }
        if (made && withPlayer)
            notify('player');
        return made;
    }

    function installStyle() {
        try {
            const sheet = new CSSStyleSheet();
            sheet.replaceSync(
                '[' + FRAME + ']{display:inline-block;box-sizing:border-box;vertical-align:bottom;' +
                'outline:1px dashed #8a8a8a;background:#f3f3f3;overflow:hidden;cursor:default}' +
                '[' + FRAME + '] *{pointer-events:none}' +
                '[' + LABEL + ']{display:block;font:11px sans-serif;color:#555;padding:2px 4px}' +
                '[' + SELECTED + ']{outline:2px solid #2f6fd0 !important;outline-offset:1px}');
            document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
        } catch (e) {
            // Without the sheet frames still stand in the right place, only plainer.
        }
    }

    // ---- selection ------------------------------------------------------------------------

    function indexOf(node) {
        return Array.prototype.indexOf.call(node.parentNode.childNodes, node);
    }

    function setSelected(element) {
        if (selected === element)
            return;
        if (selected)
            selected.removeAttribute(SELECTED);
        selected = element;
        if (element)
            element.setAttribute(SELECTED, '');
        notify('sel');
    }

    function selectWhole(element) {
        setSelected(element);
        const range = document.createRange();
        range.selectNode(element);
        const s = getSelection();
        s.removeAllRanges();
        s.addRange(range);
    }

    function caretAfter(node) {
        const range = document.createRange();
        range.setStartAfter(node);
        range.collapse(true);
        const s = getSelection();
        s.removeAllRanges();
        s.addRange(range);
    }

    function caretAtEnd() {
        const range = document.createRange();
        range.selectNodeContents(document.body);
        range.collapse(false);
        const s = getSelection();
        s.removeAllRanges();
        s.addRange(range);
    }

    function wraps(range, element) {
        const parent = element.parentNode;
        if (!parent)
            return false;
        const i = indexOf(element);
        return range.startContainer === parent && range.startOffset === i &&
            range.endContainer === parent && range.endOffset === i + 1;
    }

    function selectionType() {
        if (selected)
            return 'Control';
        const s = getSelection();
        return !s.rangeCount || s.isCollapsed ? 'None' : 'Text';
    }

    function activeElement() {
        if (selected)
            return selected;
        const s = getSelection();
        if (!s.rangeCount)
            return document.body;
        let node = s.getRangeAt(0).startContainer;
        if (node.nodeType !== Node.ELEMENT_NODE)
            node = node.parentNode;
        const frame = node && node.closest('[' + FRAME + ']');
        return frame || (node && node.nodeType === Node.ELEMENT_NODE ? node : document.body);
    }

    // What the page itself holds for an element (a frame's applet).
    function real(element) {
        return element.hasAttribute && element.hasAttribute(FRAME) ? appletOf.get(element) : element;
    }

    function describe(element) {
        const el = element && real(element);
        if (!el)
            return null;
        return {id: el.id || '', tag: el.tagName.toUpperCase(), html: cleanCopy(el).outerHTML};
    }

    // ---- undo -------------------------------------------------------------------------------

    function copyTracked(node) {
        const copy = node.cloneNode(false);
        if (copy.nodeType === Node.ELEMENT_NODE)
            copy.removeAttribute(SELECTED);
        const m = info.get(node);
        if (m)
            info.set(copy, m);
        const f = flags.get(node);
        if (f)
            flags.set(copy, {...f});
        if (appletOf.has(node)) {
            appletOf.set(copy, appletOf.get(node));
            return copy; // a frame's content is made again when it comes back
        }
        const target = copy.localName === 'template' ? copy.content : copy;
        for (const child of childrenOf(node))
            target.appendChild(copyTracked(child));
        return copy;
    }

    function snapshot() {
        flush();
        const body = document.body;
        const f = flags.get(body);
        return {bodyFlags: f ? {...f} : null, children: [...body.childNodes].map(copyTracked)};
    }

    function collectDirty(node) {
        if (flags.has(node))
            dirty.add(node);
        for (const child of childrenOf(node))
            collectDirty(child);
    }

    function restore(state) {
        flush();
        setSelected(null);
        const body = document.body;
        body.replaceChildren(...state.children.map(copyTracked));
        if (observer)
            observer.takeRecords(); // the history's own change, not an edit
        if (state.bodyFlags)
            flags.set(body, {...state.bodyFlags});
        else
            flags.delete(body);
        dirty = new Set();
        collectDirty(document.documentElement);
        let frames = 0;
        for (const frame of body.querySelectorAll('[' + FRAME + ']')) {
            fillFrame(frame);
            ++frames;
        }
        if (frames && withPlayer)
            notify('player');
        caretAtEnd();
        notify('edit');
    }

    function pushStep(name) {
        if (txDepth > 0)
            return;
        undoStack.push({name, state: snapshot()});
        if (undoStack.length > UNDO_LIMIT)
            undoStack.shift();
        redoStack = [];
        lastInput = '';
    }

    function undo() {
        if (txDepth > 0 || !undoStack.length)
            return false;
        const step = undoStack.pop();
        redoStack.push({name: step.name, state: snapshot()});
        restore(step.state);
        return true;
    }

    function redo() {
        if (txDepth > 0 || !redoStack.length)
            return false;
        const step = redoStack.pop();
        undoStack.push({name: step.name, state: snapshot()});
        restore(step.state);
        return true;
    }

    // ---- events -------------------------------------------------------------------------------

    function onMouseDown(event) {
        const target = event.target;
        if (!(target instanceof Element))
            return;
        const whole = target.closest('[' + FRAME + ']') || (target.matches(WHOLE) ? target : null);
        if (whole) {
            event.preventDefault();
            selectWhole(whole);
        }
    }

    function onKeyDown(event) {
        if (!(event.ctrlKey || event.metaKey) || event.altKey)
            return;
        const key = event.key.toLowerCase();
        if (key === 'z' || key === 'y') {
            event.preventDefault();
            if (key === 'y' || event.shiftKey)
                redo();
            else
                undo();
        }
    }

    function onBeforeInput(event) {
        if (event.inputType === 'historyUndo' || event.inputType === 'historyRedo') {
            event.preventDefault();
            event.inputType === 'historyUndo' ? undo() : redo();
            return;
        }
        const now = Date.now();
        const typing = event.inputType === 'insertText';
        if (!(typing && lastInput === 'insertText' && now - lastInputTime < 2000))
            pushStep(typing ? 'Typing' : 'Edit');
        lastInput = event.inputType;
        lastInputTime = now;
    }

    function onInput() {
        frameApplets(document.body);
    }

    function onSelectionChange() {
        if (selected) {
            const s = getSelection();
            if (!(s.rangeCount && wraps(s.getRangeAt(0), selected)))
                setSelected(null);
        }
        notify('sel');
    }

    // ---- what the editor calls ----------------------------------------------------------------

    window.vellumo = {
        init(tokenList, player) {
            withPlayer = !!player;
            buildMap(tokenList);
            installStyle();
            const frames = document.body ? frameApplets(document.body) : 0;
            document.designMode = 'on';
            observer = new MutationObserver(record);
            observer.observe(document, {subtree: true, childList: true, attributes: true,
                                        characterData: true});
            document.addEventListener('mousedown', onMouseDown, true);
            document.addEventListener('keydown', onKeyDown, true);
            document.addEventListener('beforeinput', onBeforeInput, true);
            document.addEventListener('input', onInput, true);
            document.addEventListener('selectionchange', onSelectionChange);
            return frames;
        },
        state() {
            flush();
            return {type: selectionType(), active: describe(activeElement()),
                    canUndo: undoStack.length > 0 && txDepth === 0,
                    canRedo: redoStack.length > 0 && txDepth === 0};
        },
        clear() {
            if (selected) {
                const element = selected;
                pushStep('Delete');
                const before = element.previousSibling;
                const parent = element.parentNode;
                setSelected(null);
                element.remove();
                if (before)
                    caretAfter(before);
                else {
                    const range = document.createRange();
                    range.setStart(parent, 0);
                    getSelection().removeAllRanges();
                    getSelection().addRange(range);
                }
                return '';
            }
            const s = getSelection();
            if (!s.rangeCount || s.isCollapsed)
                return '';
            pushStep('Delete');
            s.getRangeAt(0).deleteContents();
            return '';
        },
        createRange() {
            const id = nextRange++;
            const s = getSelection();
            if (selected)
                ranges.set(id, {element: selected});
            else if (s.rangeCount)
                ranges.set(id, {range: s.getRangeAt(0).cloneRange()});
            else {
                const range = document.createRange();
                range.selectNodeContents(document.body);
                range.collapse(false);
                ranges.set(id, {range});
            }
            return id;
        },
        rangeHtml(id) {
            const r = ranges.get(id);
            if (!r)
                return '';
            if (r.element)
                return r.element.isConnected ? cleanCopy(r.element).outerHTML : '';
            const holder = document.createElement('div');
            holder.appendChild(r.range.cloneContents());
            return cleanCopy(holder).innerHTML;
        },
        pasteHTML(id, html) {
            const r = ranges.get(id);
            if (!r)
                return 'The range is no longer known.';
            let range = r.range;
            if (r.element) {
                if (!r.element.isConnected)
                    return 'The selected element is no longer on the page.';
                range = document.createRange();
                range.selectNode(r.element);
            }
            if (!document.body.contains(range.commonAncestorContainer))
                return 'The range is no longer on the page.';
            pushStep('Paste');
            if (r.element === selected)
                setSelected(null);
            range.deleteContents();
            const fragment = range.createContextualFragment(html);
            const last = fragment.lastChild;
            range.insertNode(fragment);
            frameApplets(document.body);
            if (last && last.isConnected)
                caretAfter(last);
            return '';
        },
        dropRange(id) {
            ranges.delete(id);
        },
        beginTransaction(name) {
            flush();
            if (txDepth++ === 0) {
                pushStepNow(name);
                txChanged = false;
            }
        },
        commitTransaction() {
            if (txDepth === 0)
                return;
            flush();
            if (--txDepth === 0 && !txChanged)
                undoStack.pop();
        },
        undo,
        redo,
        serialize,
        validate,
        modified() {
            flush();
            return dirty.size > 0;
        },
        // Where an element is on screen, by id (a frame stands for its applet).
        rectOf(id) {
            let element = null;
            for (const frame of document.querySelectorAll('[' + FRAME + ']')) {
                if (appletOf.get(frame).id === id)
                    element = frame;
            }
            element = element || document.getElementById(id);
            if (!element)
                return null;
            const r = element.getBoundingClientRect();
            return {x: r.left, y: r.top, width: r.width, height: r.height};
        },
    };

    function pushStepNow(name) {
        undoStack.push({name, state: snapshot()});
        if (undoStack.length > UNDO_LIMIT)
            undoStack.shift();
        redoStack = [];
    }
})();
