// Joins the headword list, the phonetics and the hand-written entries (general/wNNNN.tsv) into the import
// tables of the default libraries under ../build/: the general remembering library with its units, the
// default book, one or more books per category of the book-choice screen, and the common-word library.
// Rows that break the writing rules are reported and left out, never silently included.
// Run: node assemble.js            (exit 1 when a source table cannot be read at all)
import fs from 'node:fs';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { splitMeanings, partsOfSpeech } from './meaning.js';

const root = new URL('..', import.meta.url).pathname;
const src = (p) => path.join(root, p);
const out = (p) => path.join(root, 'build', p);

const entryColumns = ['word', 'meaning', 'example', 'hint', 'collocations', 'inflections', 'usage', 'english'];
const tableColumns = ['word', 'phonetic', 'meaning', 'example', 'hint', 'collocations', 'inflections', 'usage',
    'english'];

function readTable(file) {
    const lines = fs.readFileSync(file, 'utf8').replace(/\r/g, '').split('\n');
    const head = lines.shift().split('\t');
    return { head, rows: lines.map((l, i) => ({ line: i + 2, cells: l.split('\t') })).filter((r) => r.cells.join('').trim()) };
}

// Texts that GBK cannot hold, found with one iconv run per batch and narrowed down only when a batch fails.
function gbkProblems(texts) {
    const ok = (list) => spawnSync('iconv', ['-f', 'UTF-8', '-t', 'GBK'], { input: list.join('\n') }).status === 0;
    if (ok(texts)) return new Set();
    if (texts.length === 1) return new Set(texts);
    const mid = texts.length >> 1;
    return new Set([...gbkProblems(texts.slice(0, mid)), ...gbkProblems(texts.slice(mid))]);
}

const wholeWord = (text, word) => new RegExp(`(^|[^A-Za-z])${word}([^A-Za-z]|$)`).test(text);

// The splitter ends a part of speech at a letter after a separator; a blank there would make the next
// part of speech read as one more sense of the previous one.
const normaliseMeaning = (m) => m.trim().replace(/([；;])\s+(?=[a-z]+\.)/g, '$1');

const headwords = readTable(src('headwords.tsv')).rows.map((r) => ({ rank: Number(r.cells[0]), word: r.cells[1] }));
const rankOf = new Map(headwords.map((h) => [h.word, h.rank]));
const phonetic = new Map(readTable(src('phonetics.tsv')).rows.map((r) => [r.cells[0], r.cells[1]]));

const problems = []; // rejected rows
const warnings = []; // included, but worth a look
const entries = new Map();
const files = fs.readdirSync(src('general')).filter((f) => /^w\d{4}\.tsv$/.test(f)).sort();
const skipped = fs.readdirSync(src('general')).filter((f) => /^skipped-\d+\.tsv$/.test(f))
    .flatMap((f) => fs.readFileSync(src(`general/${f}`), 'utf8').split('\n').filter((l) => l.trim()));

const candidates = [];
for (const f of files) {
    const { head, rows } = readTable(src(`general/${f}`));
    if (head.join('\t') !== entryColumns.join('\t')) {
        problems.push(`${f}: header row is not "${entryColumns.join(' ')}"; file left out`);
        continue;
    }
    for (const { line, cells } of rows) {
        const where = `${f}:${line}`;
        const word = (cells[0] || '').trim();
        if (cells.length !== entryColumns.length) {
            problems.push(`${where} ${word}: ${cells.length} columns instead of ${entryColumns.length}`);
            continue;
        }
        const e = Object.fromEntries(entryColumns.map((c, i) => [c, cells[i].trim()]));
        e.meaning = normaliseMeaning(e.meaning);
        const bad = entryColumns.filter((c) => /[[\]]/.test(e[c]));
        if (bad.length) { problems.push(`${where} ${word}: "[" or "]" in ${bad.join(', ')}`); continue; }
        const split = entryColumns.filter((c) => e[c].includes(' || '));
        if (split.length) { problems.push(`${where} ${word}: " || " in ${split.join(', ')}`); continue; }
        if (!rankOf.has(word)) { problems.push(`${where} ${word}: not a headword of headwords.tsv`); continue; }
        if (!e.meaning) { problems.push(`${where} ${word}: empty meaning`); continue; }
        const senses = splitMeanings(e.meaning);
        if (!senses.length) { problems.push(`${where} ${word}: meaning has no sense: ${e.meaning}`); continue; }
        const strange = senses.filter((s) => !partsOfSpeech.has(s.pos));
        if (strange.length) {
            problems.push(`${where} ${word}: meaning splits into unknown part of speech "${strange[0].pos}": ${e.meaning}`);
            continue;
        }
        if (e.example && !wholeWord(e.example, word)) warnings.push(`${where} ${word}: example lacks the headword`);
        if (!e.example) warnings.push(`${where} ${word}: no example`);
        if (!e.english) warnings.push(`${where} ${word}: no English definition`);
        candidates.push({ ...e, where, rank: rankOf.get(word), phonetic: phonetic.get(word) || '' });
    }
}
const unencodable = gbkProblems(candidates.flatMap((c) => entryColumns.map((k) => c[k])));
for (const c of candidates) {
    const badCols = entryColumns.filter((k) => unencodable.has(c[k]));
    if (badCols.length) { problems.push(`${c.where} ${c.word}: not GBK text in ${badCols.join(', ')}`); continue; }
    if (entries.has(c.word)) { problems.push(`${c.where} ${c.word}: duplicate of ${entries.get(c.word).where}`); continue; }
    entries.set(c.word, c);
}

const byRank = [...entries.values()].sort((a, b) => a.rank - b.rank);
const alpha = (a, b) => (a.word < b.word ? -1 : a.word > b.word ? 1 : 0);
const tsv = (cols, rows) => [cols.join('\t'), ...rows.map((r) => cols.map((c) => r[c] ?? '').join('\t'))].join('\n') + '\n';
const write = (file, text) => { fs.mkdirSync(path.dirname(out(file)), { recursive: true }); fs.writeFileSync(out(file), text); };
fs.rmSync(out(''), { recursive: true, force: true });

// Units of rising difficulty: about 130 entries each, 20 to 29 of them; alphabetical inside a unit so the
// letter index holds one run per unit.
const n = byRank.length;
const unitCount = n < 20 ? Math.max(n, 1) : Math.min(29, Math.max(20, Math.round(n / 130)));
const unitSizes = Array.from({ length: unitCount }, (_, i) => Math.floor(n / unitCount) + (i < n % unitCount ? 1 : 0));
const general = [];
let at = 0;
unitSizes.forEach((size, u) => {
    general.push(...byRank.slice(at, at + size).sort(alpha).map((e) => ({ ...e, unit: u + 1 })));
    at += size;
});
write('vtgeneral.tsv', tsv([...tableColumns, 'unit'], general));

// Books drawn from the general library by rank band (fractions of the written ranks, so a partial library
// still yields every book); entries stay in rank order, most useful first.
const band = (from, to) => byRank.filter((e) => e.rank >= from && e.rank <= to);
const quarter = (q) => byRank.slice(Math.floor((n * q) / 4), Math.floor((n * (q + 1)) / 4));
const books = [
    ['其它', '英语精选1000词.bte', '英语精选1000词', byRank.slice(0, 1000)],
    ['其它', '英语口语常用3000词.zoe', '英语口语常用3000词', byRank],
    ['小学初中', '小学英语基础词汇.boe', '小学英语基础词汇', band(1, 600)],
    ['小学初中', '初中英语核心词汇.bte', '初中英语核心词汇', band(1, 1500)],
    ['高中大学', '高中英语常用词汇.bte', '高中英语常用词汇', band(1, 2500)],
    ['高中大学', '大学英语进阶词汇.bte', '大学英语进阶词汇', band(1501, 3300)],
    ['四六级公共英语', '四六级高频词汇.bte', '四六级高频词汇', band(1001, 3300)],
    ['托福雅思等', '托福雅思口语常用词.bte', '托福雅思口语常用词', band(1201, 3300)],
    ['GREGMAT', 'GRE GMAT基础词汇.bte', 'GRE GMAT基础词汇', band(2001, 3300)],
    ['职称自考考研等', '考研自考基础词汇.bte', '考研自考基础词汇', band(801, 3300)],
    ['1', '分级词汇第一册.zoe', '分级词汇第一册', quarter(0)],
    ['2', '分级词汇第二册.zoe', '分级词汇第二册', quarter(1)],
    ['3', '分级词汇第三册.zoe', '分级词汇第三册', quarter(2)],
    ['4', '分级词汇第四册.zoe', '分级词汇第四册', quarter(3)],
];
const manifest = [['kind', 'table', 'file', 'name', 'units']];
manifest.push(['general', 'vtgeneral.tsv', 'vtgeneral.ree', '通用记忆词库', unitSizes.join(',')]);
for (const [category, file, name, rows] of books) {
    const table = `${category}/${name}.tsv`;
    write(table, tsv(tableColumns, rows));
    manifest.push(['book', table, `${category}/${file}`, name, '']);
}

// Common-word library: roots, then prefixes, suffixes and whole words, so that among equally long parts
// found inside a word the more telling one comes first.
const kindOrder = { root: 1, pref: 2, suf: 3 };
const cgRows = [];
const cgSeen = new Map();
const cgTable = readTable(src('cg.tsv'));
if (cgTable.head.join('\t') !== 'word\tmeaning') problems.push('cg.tsv: header row is not "word meaning"');
for (const { line, cells } of cgTable.rows) {
    const where = `cg.tsv:${line}`;
    const [word, meaning] = cells.map((c) => c.trim());
    if (cells.length !== 2) { problems.push(`${where} ${word}: ${cells.length} columns instead of 2`); continue; }
    if (!/^[a-z]{3,}$/.test(word)) { problems.push(`${where} ${word}: not a lower-case part of three letters or more`); continue; }
    if (/[[\]]/.test(meaning) || !splitMeanings(meaning).length) { problems.push(`${where} ${word}: meaning does not split: ${meaning}`); continue; }
    if (cgSeen.has(word)) { problems.push(`${where} ${word}: duplicate of line ${cgSeen.get(word)}`); continue; }
    cgSeen.set(word, line);
    const kind = /^([a-z]+)\./.exec(meaning)[1];
    cgRows.push({ word, meaning, phonetic: kind in kindOrder ? '' : phonetic.get(word) || '', order: kindOrder[kind] || 4 });
}
for (const bad of gbkProblems(cgRows.map((r) => r.meaning))) problems.push(`cg.tsv: not GBK text: ${bad}`);
const cgKept = cgRows.filter((r) => !problems.some((p) => p.startsWith('cg.tsv: not GBK') && p.endsWith(r.meaning)));
cgKept.sort((a, b) => a.order - b.order || alpha(a, b));
const cgUnits = [1, 2, 3, 4].map((o) => cgKept.filter((r) => r.order === o).length).filter((s) => s > 0);
let cgUnit = 0;
let cgPrev = 0;
const cgOut = cgKept.map((r) => { if (r.order !== cgPrev) { cgUnit++; cgPrev = r.order; } return { ...r, unit: cgUnit }; });
write('cg.tsv', tsv(['word', 'phonetic', 'meaning', 'unit'], cgOut));
manifest.push(['general', 'cg.tsv', 'cg.ree', '常用词根词缀', cgUnits.join(',')]);
write('manifest.tsv', manifest.map((r) => r.join('\t')).join('\n') + '\n');

// Report.
const missing = headwords.filter((h) => !entries.has(h.word)).length;
console.log(`entry files: ${files.length}; rows accepted: ${entries.size}; rejected: ${problems.length}; ` +
    `skipped by the writers: ${skipped.length}; headwords still without an entry: ${missing}`);
console.log(`vtgeneral: ${n} entries in ${unitCount} units (${unitSizes.join(' ')})`);
for (const [category, file, , rows] of books) console.log(`  ${category}/${file}: ${rows.length}`);
console.log(`cg: ${cgOut.length} entries in ${cgUnits.length} units (${cgUnits.join(' ')})`);
const withExample = general.filter((e) => wholeWord(e.example, e.word)).length;
console.log(`examples with the headword: ${withExample} of ${n} (${n ? ((100 * withExample) / n).toFixed(1) : 0}%)`);
if (problems.length) console.log(`\nrejected rows:\n  ${problems.join('\n  ')}`);
if (warnings.length) console.log(`\nwarnings (rows kept):\n  ${warnings.join('\n  ')}`);
