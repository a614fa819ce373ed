// The program's meaning splitter, restated over UTF-8 text with GBK byte widths (ASCII one byte, every
// other character two), so the content tools reject a meaning the program would not split.
const separators = new Set([';', '；', ',', '，']);
const opening = new Set(['(', '（']);
const closing = new Set([')', '）']);
const isLetter = (c) => c >= 'a' && c <= 'z';
const width = (c) => (c.charCodeAt(0) < 0x80 ? 1 : 2);

export const partsOfSpeech = new Set(['n.', 'v.', 'vt.', 'vi.', 'adj.', 'adv.', 'prep.', 'conj.', 'pron.', 'art.',
    'num.', 'int.', 'aux.', 'modal.']);

// Index of the first separator outside parentheses at or after start, or -1.
function separatorFrom(chars, start) {
    let inParen = false;
    for (let i = start; i < chars.length; i++) {
        if (opening.has(chars[i])) inParen = true;
        else if (closing.has(chars[i])) inParen = false;
        else if (!inParen && separators.has(chars[i])) return i;
    }
    return -1;
}

const bytes = (chars) => chars.reduce((n, c) => n + width(c), 0);

// Returns [{pos, text}] in text order.
export function splitMeanings(text) {
    const chars = [...text];
    const senses = [];
    const keep = (pos, from, to) => {
        const s = chars.slice(from, to).join('').replace(/^[ \t]+|[ \t]+$/g, '');
        if (bytes([...s]) >= 2) senses.push({ pos, text: s });
    };
    for (let i = 0; i < chars.length; i++) {
        if (chars[i] !== '.') continue;
        if (chars[i + 1] === '.' && chars[i + 2] === '.') { i += 2; continue; }
        let p = i;
        while (p > 0 && isLetter(chars[p - 1])) p--;
        const pos = chars.slice(p, i + 1).join('');
        let start = i + 1;
        while (start < chars.length && (chars[start] === '&' || chars[start] === '.' || isLetter(chars[start]))) start++;
        let end = separatorFrom(chars, start);
        if (end < 0) { keep(pos, start, chars.length); continue; }
        keep(pos, start, end);
        while (end >= 0 && end + 1 < chars.length && !isLetter(chars[end + 1])) {
            const next = end + 1;
            end = separatorFrom(chars, next);
            keep(pos, next, end < 0 ? chars.length : end);
        }
    }
    return senses;
}
