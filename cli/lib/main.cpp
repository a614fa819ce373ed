// verbatrove-lib: inspect, convert, build and export word library files from the command line.
#include "base/Gbk.h"
#include "base/Paths.h"
#include "words/CWordList.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace vt;

namespace {

const char* const kUsage =
    "usage: verbatrove-lib COMMAND ARGS\n"
    "  info FILE                    header fields, entry count and unit sizes\n"
    "  dump FILE                    every entry line, one per line\n"
    "  convert IN OUT               rewrite IN as the library type of OUT's extension\n"
    "  import TABLE OUT --name NAME [--publisher P] [--homepage URL] [--email ADDR] [--version V]\n"
    "                    [--units N1,N2,...]\n"
    "                               build a library from a UTF-8 tab-separated table whose first row names\n"
    "                               its columns: word phonetic meaning example hint collocations\n"
    "                               inflections usage english unit (meaning and example may hold up to\n"
    "                               ten values separated by \" || \")\n"
    "  export IN OUT [--fields TMLJDSBE]\n"
    "                               copy the words with the chosen fields: T phonetic, M meaning,\n"
    "                               L example, J hint, D collocations, S inflections, B usage, E English\n"
    "  lookup FILE WORD             print the entry of WORD and its unit\n"
    "Library types by extension: .bok .boe .zoe .bse .bte .rem .ree\n";

int usage(const std::string& problem) {
    if (!problem.empty())
        std::fprintf(stderr, "verbatrove-lib: %s\n", problem.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}

// The one line a failure prints: program, file, what is wrong.
int failure(const std::string& file, const std::string& what) {
    std::fprintf(stderr, "verbatrove-lib: %s: %s\n", file.c_str(), what.c_str());
    return 1;
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Magic of the library type named by a file's extension, "" when the extension names none.
std::string magicFor(const std::string& path) {
    static const struct {
        const char* ext;
        const char* magic;
    } kTypes[] = {{".bok", "VerbaTroveBok"}, {".boe", "VerbaTroveBoe"}, {".zoe", "VerbaTroveZoe"},
                  {".bse", "VerbaTroveBse"}, {".bte", "VerbaTroveBte"}, {".rem", "VerbaTroveRem"},
                  {".ree", "VerbaTroveRee"}};
    if (path.size() < 4)
        return std::string();
    const std::string ext = lower(path.substr(path.size() - 4));
    for (const auto& t : kTypes)
        if (ext == t.ext)
            return t.magic;
    return std::string();
}

bool isRememberingMagic(const std::string& magic) {
    return magic.find("VerbaTroveRem") != std::string::npos || magic.find("VerbaTroveRee") != std::string::npos;
}

bool loadLibrary(CWordList& lib, const std::string& file, int& rc) {
    if (lib.load(fromFsName(file))) {
        // A short file loads what it holds; the tool still says that entries are missing.
        if (lib.declaredCount() > lib.count())
            std::fprintf(stderr, "verbatrove-lib: %s: short file: %d entries declared, %d read\n", file.c_str(),
                         lib.declaredCount(), lib.count());
        return true;
    }
    const std::string detail =
        lib.lastErrorDetail().empty() ? libraryErrorText(lib.lastError()) : lib.lastErrorDetail();
    rc = failure(file, detail);
    return false;
}

bool saveLibrary(CWordList& lib, const std::string& file, int& rc) {
    if (lib.save())
        return true;
    const std::string detail =
        lib.lastErrorDetail().empty() ? libraryErrorText(lib.lastError()) : lib.lastErrorDetail();
    rc = failure(file, std::string("cannot save: ") + toUtf8(detail));
    return false;
}

void put(std::string& out, const char* key, const std::string& gbkValue) {
    out += key;
    out += ':';
    if (!gbkValue.empty()) {
        out += ' ';
        out += toUtf8(gbkValue);
    }
    out += '\n';
}

void writeOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int cmdInfo(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return usage("info takes one FILE");
    CWordList lib;
    int rc = 0;
    if (!loadLibrary(lib, args[0], rc))
        return rc;
    std::string out;
    put(out, "magic", lib.m_magic);
    put(out, "name", lib.m_name);
    put(out, "publisher", lib.m_publisher);
    put(out, "homepage", lib.m_homepage);
    put(out, "email", lib.m_email);
    put(out, "version", lib.m_version);
    put(out, "random", lib.m_random);
    put(out, "entries", std::to_string(lib.count()));
    std::string units;
    if (lib.isRemembering())
        for (int u = 1; u <= lib.m_unitCount; ++u)
            units += (u > 1 ? " " : "") + std::to_string(lib.m_unitSizes[u]);
    put(out, "units", units);
    writeOut(out);
    return 0;
}

int cmdDump(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return usage("dump takes one FILE");
    CWordList lib;
    int rc = 0;
    if (!loadLibrary(lib, args[0], rc))
        return rc;
    std::string out;
    for (int i = 1; i <= lib.count(); ++i) {
        out += toUtf8(writeEntryLineKeepingRaw(lib.entry(i)));
        out += '\n';
        if (out.size() > (1 << 20)) {
            writeOut(out);
            out.clear();
        }
    }
    writeOut(out);
    return 0;
}

int cmdConvert(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return usage("convert takes IN and OUT");
    const std::string magic = magicFor(args[1]);
    if (magic.empty())
        return usage(args[1] + ": unknown library type; use one of the extensions below");
    CWordList lib;
    int rc = 0;
    if (!loadLibrary(lib, args[0], rc))
        return rc;
    lib.m_magic = magic;
    lib.m_path = fromFsName(args[1]);
    return saveLibrary(lib, args[1], rc) ? 0 : rc;
}

int cmdLookup(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return usage("lookup takes FILE and WORD");
    CWordList lib;
    int rc = 0;
    if (!loadLibrary(lib, args[0], rc))
        return rc;
    std::string word, err;
    if (!utf8ToGbk(args[1], word, &err))
        return failure(args[0], "word \"" + args[1] + "\" is not GBK text: " + err);
    int index = 0, unit = 0;
    const bool found = lib.isRemembering() ? lib.lookUpIndex(word, index, unit) : lib.findIndex(word, index);
    if (!found)
        return failure(args[0], "word \"" + args[1] + "\" not found");
    writeOut(toUtf8(writeEntryLineKeepingRaw(lib.entry(index))) + "\nunit: " + std::to_string(unit) + "\n");
    return 0;
}

// ---- import ----

enum Column { Word, Phonetic, Meaning, Example, Hint, Collocations, Inflections, Usage, English, Unit, ColumnCount };
const char* const kColumnNames[ColumnCount] = {"word",         "phonetic",    "meaning", "example", "hint",
                                               "collocations", "inflections", "usage",   "english", "unit"};

std::vector<std::string> splitOn(const std::string& s, const std::string& sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t p = s.find(sep, start);
        if (p == std::string::npos) {
            parts.push_back(s.substr(start));
            return parts;
        }
        parts.push_back(s.substr(start, p - start));
        start = p + sep.size();
    }
}

std::string trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r'))
        --b;
    return s.substr(a, b - a);
}

bool parseCount(const std::string& s, int& value) {
    if (s.empty() || s.size() > 9)
        return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

struct ImportOptions {
    std::string name, publisher = "岚溪词苑", homepage = "https://verbatrove.example.org/",
                      email = "support@verbatrove.example.org", version = "1.0", units;
    bool hasUnits = false;
};

int cmdImport(const std::vector<std::string>& args, const ImportOptions& opt) {
    if (args.size() != 2)
        return usage("import takes TABLE and OUT");
    if (opt.name.empty())
        return usage("import needs --name NAME");
    const std::string& table = args[0];
    const std::string& outFile = args[1];
    const std::string magic = magicFor(outFile);
    if (magic.empty())
        return usage(outFile + ": unknown library type; use one of the extensions below");
    const bool remembering = isRememberingMagic(magic);
    if (opt.hasUnits && !remembering)
        return failure(outFile, "--units is only for remembering libraries (.rem, .ree)");

    std::string text;
    if (!readWholeFile(fromFsName(table), text))
        return failure(table, "cannot read the table");
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    CWordList lib;
    auto toLibraryText = [&](const std::string& utf8, std::string& out, const std::string& where) -> std::string {
        std::string err;
        if (!utf8ToGbk(utf8, out, &err))
            return where + ": cannot convert to GBK (" + err + ")";
        if (out.find('[') != std::string::npos)
            return where + ": text contains '[', which ends a field of the library";
        if (out.find('\0') != std::string::npos)
            return where + ": text contains a zero byte";
        return std::string();
    };
    std::string problem;
    const struct {
        const std::string* value;
        std::string* field;
        const char* label;
    } headerFields[] = {{&opt.name, &lib.m_name, "--name"},
                        {&opt.publisher, &lib.m_publisher, "--publisher"},
                        {&opt.homepage, &lib.m_homepage, "--homepage"},
                        {&opt.email, &lib.m_email, "--email"},
                        {&opt.version, &lib.m_version, "--version"}};
    for (const auto& h : headerFields) {
        problem = toLibraryText(*h.value, *h.field, h.label);
        if (!problem.empty())
            return failure(table, problem);
    }

    int columnOf[ColumnCount];
    for (int& c : columnOf)
        c = -1;
    std::vector<int> kinds;
    size_t pos = 0;
    int rowNo = 0;
    bool headerSeen = false;
    std::vector<CWordStruct> entries;
    std::vector<int> unitOfRow;
    entries.reserve(text.size() / 40 + 1);
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++rowNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!headerSeen) {
            headerSeen = true;
            const std::vector<std::string> names = splitOn(line, "\t");
            for (size_t i = 0; i < names.size(); ++i) {
                const std::string n = lower(trim(names[i]));
                int kind = -1;
                for (int k = 0; k < ColumnCount; ++k)
                    if (n == kColumnNames[k])
                        kind = k;
                if (kind < 0)
                    return failure(table,
                                   "row 1, column " + std::to_string(i + 1) + ": unknown column name \"" + n + "\"");
                if (columnOf[kind] >= 0)
                    return failure(table, "row 1: column \"" + n + "\" appears twice");
                columnOf[kind] = static_cast<int>(i);
                kinds.push_back(kind);
            }
            if (columnOf[Word] < 0)
                return failure(table, "row 1: the table has no \"word\" column");
            continue;
        }
        if (trim(line).empty())
            continue;
        const std::vector<std::string> cells = splitOn(line, "\t");
        if (cells.size() > kinds.size())
            return failure(table, "row " + std::to_string(rowNo) + ": " + std::to_string(cells.size()) +
                                      " cells but only " + std::to_string(kinds.size()) + " columns");
        CWordStruct e;
        int unit = 0;
        std::vector<std::string> meanings, examples;
        for (size_t i = 0; i < cells.size(); ++i) {
            const int kind = kinds[i];
            const std::string cell = trim(cells[i]);
            const std::string where = "row " + std::to_string(rowNo) + ", column " + kColumnNames[kind];
            if (kind == Unit) {
                if (cell.empty())
                    continue;
                if (!parseCount(cell, unit) || unit < 1 || unit > CWordList::kMaxUnits)
                    return failure(table, where + ": unit \"" + cell + "\" is not a number from 1 to 29");
                continue;
            }
            if (kind == Meaning || kind == Example) {
                std::vector<std::string>& target = kind == Meaning ? meanings : examples;
                if (cell.empty())
                    continue;
                for (const std::string& part : splitOn(cell, " || ")) {
                    std::string g;
                    problem = toLibraryText(trim(part), g, where);
                    if (!problem.empty())
                        return failure(table, problem);
                    target.push_back(g);
                }
                if (target.size() > static_cast<size_t>(CWordStruct::kMaxMeanings))
                    return failure(table,
                                   where + ": " + std::to_string(target.size()) + " values, at most 10 are allowed");
                continue;
            }
            std::string* field = kind == Word           ? &e.m_word
                                 : kind == Phonetic     ? &e.m_phonetic
                                 : kind == Hint         ? &e.m_hint
                                 : kind == Collocations ? &e.m_collocation
                                 : kind == Inflections  ? &e.m_inflection
                                 : kind == Usage        ? &e.m_usage
                                                        : &e.m_english;
            problem = toLibraryText(cell, *field, where);
            if (!problem.empty())
                return failure(table, problem);
        }
        if (e.m_word.empty())
            return failure(table, "row " + std::to_string(rowNo) + ": the word is empty");
        e.m_meaningCount = static_cast<int>(std::max(meanings.size(), examples.size()));
        for (size_t i = 0; i < meanings.size(); ++i)
            e.m_meanings[i] = meanings[i];
        for (size_t i = 0; i < examples.size(); ++i)
            e.m_examples[i] = examples[i];
        e.m_firstMeaning = e.m_meanings[0];
        e.m_firstExample = e.m_examples[0];
        entries.push_back(std::move(e));
        unitOfRow.push_back(columnOf[Unit] >= 0 ? unit : 0);
        if (remembering && columnOf[Unit] >= 0 && !opt.hasUnits) {
            // Units are consecutive runs of entries, so the table must list unit 1, then 2, and so on.
            const int previous = unitOfRow.size() > 1 ? unitOfRow[unitOfRow.size() - 2] : 1;
            const std::string where = "row " + std::to_string(rowNo) + ", column unit";
            if (unit == 0)
                return failure(table, where + ": unit is empty");
            if (unit != previous && unit != previous + 1)
                return failure(table, where + ": unit " + std::to_string(unit) + " follows unit " +
                                          std::to_string(previous) +
                                          "; entries must be grouped by unit in order 1, 2, 3, ...");
        }
    }
    if (!headerSeen)
        return failure(table, "the table is empty");

    lib.m_magic = magic;
    lib.m_path = fromFsName(outFile);
    lib.m_spareCapacity = static_cast<int>(entries.size());
    lib.reset();
    for (const CWordStruct& e : entries)
        lib.append(e);
    if (remembering) {
        if (opt.hasUnits) {
            const std::vector<std::string> parts = splitOn(opt.units, ",");
            if (parts.size() > static_cast<size_t>(CWordList::kMaxUnits))
                return failure(outFile, "--units lists " + std::to_string(parts.size()) + " units, at most 29");
            long long total = 0;
            for (size_t u = 0; u < parts.size(); ++u) {
                int size = 0;
                if (!parseCount(trim(parts[u]), size))
                    return failure(outFile, "--units: \"" + parts[u] + "\" is not a number");
                lib.m_unitSizes[u + 1] = size;
                total += size;
            }
            if (total != static_cast<long long>(entries.size()))
                return failure(outFile, "--units add up to " + std::to_string(total) + " but the table has " +
                                            std::to_string(entries.size()) + " entries");
            lib.m_unitCount = static_cast<int>(parts.size());
        } else if (columnOf[Unit] >= 0) {
            for (int u : unitOfRow) {
                ++lib.m_unitSizes[u];
                lib.m_unitCount = std::max(lib.m_unitCount, u);
            }
        } else {
            lib.m_unitCount = entries.empty() ? 0 : 1;
            lib.m_unitSizes[1] = static_cast<int>(entries.size());
        }
    }
    int rc = 0;
    return saveLibrary(lib, outFile, rc) ? 0 : rc;
}

// ---- export ----

int cmdExport(const std::vector<std::string>& args, const std::string& fields) {
    if (args.size() != 2)
        return usage("export takes IN and OUT");
    const std::string magic = magicFor(args[1]);
    if (magic.empty())
        return usage(args[1] + ": unknown library type; use one of the extensions below");
    std::string want; // chosen field letters
    for (char c : fields) {
        if (c == ',' || c == ' ')
            continue;
        const char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (!std::strchr("TMLJDSBE", u) || u == 0)
            return usage(std::string("unknown field letter '") + c + "'");
        want += u;
    }
    auto has = [&want](char field) { return want.find(field) != std::string::npos; };
    CWordList in;
    int rc = 0;
    if (!loadLibrary(in, args[0], rc))
        return rc;

    std::string stem = args[1];
    const size_t slash = stem.find_last_of('/');
    if (slash != std::string::npos)
        stem.erase(0, slash + 1);
    stem.erase(stem.size() - 4);

    const std::string wontTell = gbk("不告诉你");
    CWordList out;
    out.m_path = fromFsName(args[1]);
    out.m_magic = magic;
    out.m_name = toGbk(stem);
    out.m_publisher = gbk("岚溪词苑");
    out.m_homepage = wontTell;
    out.m_email = wontTell;
    out.m_version = "1.0";
    out.m_spareCapacity = in.count();
    out.reset();
    for (int i = 1; i <= in.count(); ++i) {
        const CWordStruct& e = in.entry(i);
        CWordStruct r;
        r.m_word = e.m_word;
        if (has('T'))
            r.m_phonetic = e.m_phonetic;
        // One meaning slot on every line, so each exported line carries all nine tags even when empty.
        r.m_meaningCount = 1;
        if (has('M'))
            r.m_meanings[0] = e.m_meanings[0];
        if (has('L'))
            r.m_examples[0] = e.m_examples[0];
        if (has('J'))
            r.m_hint = e.m_hint;
        if (has('D'))
            r.m_collocation = e.m_collocation;
        if (has('S'))
            r.m_inflection = e.m_inflection;
        if (has('B'))
            r.m_usage = e.m_usage;
        if (has('E'))
            r.m_english = e.m_english;
        out.append(r);
    }
    if (isRememberingMagic(magic)) {
        if (in.isRemembering()) {
            out.m_unitCount = in.m_unitCount;
            for (int u = 0; u < 30; ++u)
                out.m_unitSizes[u] = in.m_unitSizes[u];
        } else {
            out.m_unitCount = in.count() > 0 ? 1 : 0;
            out.m_unitSizes[1] = in.count();
        }
    }
    return saveLibrary(out, args[1], rc) ? 0 : rc;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage("");
    const std::string command = argv[1];
    if (command == "-h" || command == "--help" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::vector<std::string> args;
    ImportOptions opt;
    std::string fields;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& target) -> bool {
            if (i + 1 >= argc)
                return false;
            target = argv[++i];
            return true;
        };
        bool ok = true;
        if (a == "--name")
            ok = value(opt.name);
        else if (a == "--publisher")
            ok = value(opt.publisher);
        else if (a == "--homepage")
            ok = value(opt.homepage);
        else if (a == "--email")
            ok = value(opt.email);
        else if (a == "--version")
            ok = value(opt.version);
        else if (a == "--units")
            ok = opt.hasUnits = value(opt.units);
        else if (a == "--fields")
            ok = value(fields);
        else if (a.size() > 2 && a.compare(0, 2, "--") == 0)
            return usage("unknown option " + a);
        else
            args.push_back(a);
        if (!ok)
            return usage(a + " needs a value");
        const bool importOption = a == "--name" || a == "--publisher" || a == "--homepage" || a == "--email" ||
                                  a == "--version" || a == "--units";
        if ((importOption && command != "import") || (a == "--fields" && command != "export"))
            return usage("option " + a + " does not belong to " + command);
    }
    if (command == "info")
        return cmdInfo(args);
    if (command == "dump")
        return cmdDump(args);
    if (command == "convert")
        return cmdConvert(args);
    if (command == "import")
        return cmdImport(args, opt);
    if (command == "export")
        return cmdExport(args, fields);
    if (command == "lookup")
        return cmdLookup(args);
    return usage("unknown command " + command);
}
