// Derives the phonetic field of the default libraries from the CMU pronouncing dictionary (ARPAbet) in the
// program's key notation: 0-9 for θ ð ʃ ʒ ŋ æ ə ʌ ɔ ɪ, "/" primary and "," secondary stress, ":" length.
// Writes ../phonetics.tsv (word, phonetic) for every headword and for the real words of cg.tsv.
// Run: node phonetics.js            (or: node phonetics.js --show word ... to print single words)
import fs from 'node:fs';
import { dictionary } from 'cmu-pronouncing-dictionary';

const vowels = {
    AA: 'a:', AE: '5', AO: '8:', AW: 'au', AY: 'ai', EH: 'e', EY: 'ei', IH: '9', OW: '6u', OY: '8i', UH: 'u',
};
const consonants = {
    B: 'b', CH: 't2', D: 'd', DH: '1', F: 'f', G: 'g', HH: 'h', JH: 'd3', K: 'k', L: 'l', M: 'm', N: 'n', NG: '4',
    P: 'p', R: 'r', S: 's', SH: '2', T: 't', TH: '0', V: 'v', W: 'w', Y: 'j', Z: 'z', ZH: '3',
};

// Onsets an English syllable may begin with; a stress mark goes before the longest of them that ends the
// consonants between two vowels, so "abandon" is 6/b5nd6n and "extreme" 9k/stri:m.
const onsets = new Set(`P L|P R|B L|B R|K L|K R|G L|G R|F L|F R|T R|D R|TH R|SH R|T W|D W|K W|G W|TH W|S W|S P|S T|S K|S M|S N|S L|S F|P Y|B Y|K Y|G Y|M Y|N Y|F Y|V Y|HH Y|L Y|S P L|S P R|S T R|S K R|S K W|S K Y|S P Y`.split('|'));
const legalOnset = (cs) => cs.length === 0 || (cs.length === 1 ? cs[0] !== 'NG' : onsets.has(cs.join(' ')));

function vowelText(base, stress, next) {
    if (base === 'AH') return stress === '0' ? '6' : '7';
    // r-coloured schwa keeps its r before a vowel: every /ev6ri/, different /d9f6r6nt/.
    if (base === 'ER') return (stress === '0' ? '6' : '6:') + (next && /\d$/.test(next) ? 'r' : '');
    // Unstressed i and u are short (happy /h5pi/, influence /9nflu6ns/).
    if (base === 'IY') return stress === '0' ? 'i' : 'i:';
    if (base === 'UW') return stress === '0' ? 'u' : 'u:';
    return vowels[base];
}

export function toNotation(arpabet) {
    const ph = arpabet.trim().split(/\s+/);
    const vowelAt = [];
    ph.forEach((p, i) => { if (/\d$/.test(p)) vowelAt.push(i); });
    // Compounds such as thirteen carry two primaries in the dictionary; the last one is the main stress.
    const primaries = vowelAt.filter((i) => ph[i].endsWith('1'));
    const primary = primaries.length ? primaries[primaries.length - 1] : undefined;
    const marks = new Map(); // phoneme index -> mark written before it
    if (vowelAt.length > 1 && primary !== undefined) {
        for (let k = 0; k < vowelAt.length; k++) {
            const v = vowelAt[k];
            const stress = ph[v].slice(-1);
            // Only the first primary and secondaries before it are marked, as learners' dictionaries do.
            let mark = null;
            if (v === primary) mark = '/';
            else if (v < primary && stress !== '0') mark = ',';
            if (!mark) continue;
            let start = 0;
            if (k > 0) {
                start = vowelAt[k - 1] + 1;
                while (start < v && !legalOnset(ph.slice(start, v))) start++;
            }
            marks.set(start, mark);
        }
    }
    let out = '';
    ph.forEach((p, i) => {
        if (marks.has(i)) out += marks.get(i);
        const m = /^([A-Z]+)(\d)?$/.exec(p);
        if (!m) throw new Error(`bad phoneme ${p} in ${arpabet}`);
        if (m[2] !== undefined) out += vowelText(m[1], m[2], ph[i + 1]);
        else if (consonants[m[1]]) out += consonants[m[1]];
        else throw new Error(`unknown phoneme ${p} in ${arpabet}`);
    });
    return out;
}

function readColumn(path) {
    const lines = fs.readFileSync(path, 'utf8').split('\n').filter((l) => l.trim());
    const head = lines.shift().split('\t');
    return lines.map((l) => {
        const cells = l.split('\t');
        return Object.fromEntries(head.map((h, i) => [h, cells[i] ?? '']));
    });
}

// The dictionary lists the weak form of some function words first ("and" AH0 N D); a learner wants the
// full form, except for the articles, whose weak form is the usual one.
const keepWeak = new Set(['a', 'the']);
export function pronunciation(word) {
    const first = dictionary[word];
    if (!first || keepWeak.has(word)) return first;
    const variants = [first];
    for (let i = 1; i <= 5; i++) if (dictionary[`${word}(${i})`]) variants.push(dictionary[`${word}(${i})`]);
    const stressed = (v) => /[12]/.test(v);
    return stressed(first) ? first : variants.find(stressed) ?? first;
}

const here = (p) => new URL(p, import.meta.url);
if (process.argv[2] === '--show') {
    for (const w of process.argv.slice(3)) {
        const p = pronunciation(w);
        console.log(`${w}\t${p ?? '?'}\t${p ? toNotation(p) : ''}`);
    }
} else {
    const words = readColumn(here('../headwords.tsv')).map((r) => r.word);
    const cgPath = here('../cg.tsv');
    if (fs.existsSync(cgPath)) {
        // Affixes and roots are not pronounced on their own; only the whole words of cg.tsv get a phonetic.
        for (const r of readColumn(cgPath)) if (!/^(pref|suf|root)\./.test(r.meaning)) words.push(r.word);
    }
    const seen = new Set();
    const rows = [];
    const missing = [];
    for (const w of words) {
        if (seen.has(w)) continue;
        seen.add(w);
        const p = pronunciation(w);
        if (p) rows.push(`${w}\t${toNotation(p)}`);
        else missing.push(w);
    }
    fs.writeFileSync(here('../phonetics.tsv'), 'word\tphonetic\n' + rows.join('\n') + '\n');
    console.log(`${rows.length} phonetics written; not in the dictionary: ${missing.length ? missing.join(' ') : 'none'}`);
}
