#include "CWordStudy.h"

#include "Grader.h"
#include "QuestionBuilder.h"
#include "base/CProfile.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "words/CWordTrans.h"

#include <algorithm>
#include <cstdio>

namespace vt {
namespace {

const char* const kStudySection = "Study";
const char* const kUsernameKey = "username";
// The example search walks at most this many entries of the general library.
constexpr int kExampleScan = 20000;
constexpr int kAssociationHits = 5;

std::string stemOf(const std::string& fileName) {
    size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

} // namespace

bool StudyReport::has(StudyFile f) const {
    for (const FileProblem& p : problems)
        if (p.file == f)
            return true;
    return false;
}

CWordStudy::CWordStudy(CProfile& profile, const std::string& baseFolder, uint32_t seed)
    : m_profile(profile), m_base(withSlash(baseFolder)), m_rng(seed) {
    readLearnerFromProfile();
    m_settings.read(m_profile, m_learner);
    m_newWords.m_spareCapacity = 3000;
}

void CWordStudy::readLearnerFromProfile() {
    std::string stored = m_profile.getString(kStudySection, kUsernameKey, kDefaultLearner);
    std::string trimmed;
    if (checkLearnerName(stored, &trimmed) == LearnerNameProblem::None) {
        m_learner = trimmed;
    } else if (m_learner.empty()) {
        // A stored name that would escape the history folder is never used for file names.
        m_learner = kDefaultLearner;
    }
}

// ---- paths ----

std::string CWordStudy::bookPath() const {
    return m_base + "data/" + m_settings.bookclass + "/" + m_settings.filebookname;
}
std::string CWordStudy::generalPath() const {
    return m_base + "data/" + m_generalName;
}
std::string CWordStudy::commonPath() const {
    return m_base + "data/" + kCommonLibrary;
}
std::string CWordStudy::newWordsPath() const {
    return m_base + "data/" + m_learner + gbk("生词本") + ".boe";
}
std::string CWordStudy::historyPath(const std::string& libraryFileName) const {
    return historyFileName(m_base, m_learner, libraryFileName);
}

// ---- loading and saving ----

void CWordStudy::ensureFolders(StudyReport& report) {
    for (const std::string& folder : {m_base, m_base + "data", m_base + "his"}) {
        if (!dirExists(folder) && !makeDirs(folder))
            report.problems.push_back({StudyFile::Folder, folder, "cannot create the folder"});
    }
}

bool CWordStudy::loadLibraryWithHistory(CWordList& lib, const std::string& path, const std::string& fileName,
                                        StudyFile which, StudyReport& report) {
    bool ok = lib.load(path);
    if (!ok) {
        report.problems.push_back({which, path, libraryErrorText(lib.lastError())});
        lib.reset(); // an empty library; its history name is still set so nothing is written for it
    }
    lib.loadHistory(historyPath(fileName));
    return ok;
}

void CWordStudy::loadNewWords(StudyReport& report) {
    const std::string path = newWordsPath();
    const std::string fileName = m_learner + gbk("生词本") + ".boe";
    m_newWords.m_spareCapacity = 3000;
    m_newWordsWritable = true;
    if (!m_newWords.load(path)) {
        if (fileExists(path)) {
            // A book that exists but cannot be read is kept as it is rather than overwritten.
            report.problems.push_back({StudyFile::NewWordsBook, path, libraryErrorText(m_newWords.lastError())});
            m_newWordsWritable = false;
            m_newWords.reset();
        } else {
            m_newWords.reset();
            m_newWords.m_magic = "VerbaTroveBoe";
            m_newWords.m_name = m_learner + gbk("生词本");
            m_newWords.m_publisher = m_learner;
            m_newWords.m_homepage = gbk("不告诉你");
            m_newWords.m_email = gbk("不告诉你");
            m_newWords.m_version = "1.0";
            m_newWords.m_path = path;
            if (!m_newWords.save())
                report.problems.push_back({StudyFile::NewWordsBook, path, libraryErrorText(m_newWords.lastError())});
        }
    }
    m_newWords.loadHistory(historyPath(fileName));
}

StudyReport CWordStudy::loadWordSets() {
    StudyReport report;
    std::string stored = m_profile.getString(kStudySection, kUsernameKey, kDefaultLearner);
    if (checkLearnerName(stored) != LearnerNameProblem::None)
        report.problems.push_back(
            {StudyFile::Learner, stored, "unsafe learner name in the profile; using " + m_learner});
    readLearnerFromProfile();
    ensureFolders(report);
    m_generalName = kGeneralLibrary;

    loadLibraryWithHistory(m_general, generalPath(), m_generalName, StudyFile::GeneralLibrary, report);
    loadNewWords(report);
    if (!m_commonTried || m_common.count() == 0) {
        m_commonTried = true;
        if (!m_common.load(commonPath())) {
            report.problems.push_back({StudyFile::CommonLibrary, commonPath(), libraryErrorText(m_common.lastError())});
            m_common.reset();
        }
    }
    if (!isPlainFileName(m_settings.bookclass) || !isPlainFileName(m_settings.filebookname)) {
        report.problems.push_back(
            {StudyFile::Book, bookPath(), "the book name in the profile is not a plain file name"});
        m_book.reset();
        m_book.m_historyPath.clear();
    } else {
        loadLibraryWithHistory(m_book, bookPath(), m_settings.filebookname, StudyFile::Book, report);
    }
    rebuildIndexes();
    m_list.clear();
    m_current = 1;
    m_hasWord = false;
    clearQuestion();
    m_lastLoad = report;
    return report;
}

void CWordStudy::rebuildIndexes() {
    m_generalIndex.build(m_general);
    m_hintIndex.build(m_common);
    m_generalSpellings.clear();
    m_bookSpellings.clear();
    m_recent.invalidate();
}

const SpellingIndex& CWordStudy::spellingsFor(const CWordList& lib) {
    SpellingIndex& idx = &lib == &m_book ? m_bookSpellings : m_generalSpellings;
    if (!idx.isBuiltFor(lib)) {
        idx.build(lib);
        m_recent.invalidate();
    }
    return idx;
}

LearnerResult CWordStudy::setLearner(const std::string& name, LearnerNameProblem* why) {
    std::string trimmed;
    LearnerNameProblem problem = checkLearnerName(name, &trimmed);
    if (why)
        *why = problem;
    if (problem != LearnerNameProblem::None)
        return LearnerResult::Refused;
    saveSettings();
    clearVisitHistory();
    m_profile.setString(kStudySection, kUsernameKey, trimmed);
    m_profile.flush();
    m_learner = trimmed;
    loadWordSets();
    return LearnerResult::Ok;
}

void CWordStudy::writeBackCurrent() {
    if (!m_hasWord || !validCurrent())
        return;
    CWordStruct& e = mutableSource().entry(m_current);
    if (e.m_word != m_work.m_word)
        return;
    for (int k = 0; k < 3; ++k)
        e.m_counters[k] = m_work.m_counters[k];
}

StudyReport CWordStudy::saveSettings() {
    StudyReport report;
    m_profile.setString(kStudySection, kUsernameKey, m_learner);
    m_settings.write(m_profile, m_learner);
    writeBackCurrent();
    ensureFolders(report);
    if (m_newWordsWritable && !m_newWords.m_path.empty() && !m_newWords.save())
        report.problems.push_back(
            {StudyFile::NewWordsBook, m_newWords.m_path, libraryErrorText(m_newWords.lastError())});
    CWordList* libs[] = {m_newWordsWritable ? &m_newWords : nullptr, &m_book, &m_general};
    for (CWordList* lib : libs) {
        if (!lib || lib->count() == 0)
            continue;
        std::string err;
        if (!lib->saveHistory(&err))
            report.problems.push_back({StudyFile::History, lib->m_historyPath, err});
    }
    if (!m_profile.flush())
        report.problems.push_back({StudyFile::Profile, std::string(), "cannot write the profile"});
    m_lastSave = report;
    return report;
}

StudyReport CWordStudy::saveOptions() {
    m_options.write(m_profile, m_learner);
    return saveSettings();
}

bool CWordStudy::chooseBook(const std::string& category, const std::string& fileName, FileProblem* problem) {
    const std::string path = m_base + "data/" + category + "/" + fileName;
    if (!isPlainFileName(category) || !isPlainFileName(fileName)) {
        if (problem)
            *problem = {StudyFile::Book, path, "not a plain file name"};
        return false;
    }
    CWordList loaded;
    if (!loaded.load(path)) {
        if (problem)
            *problem = {StudyFile::Book, path, libraryErrorText(loaded.lastError())};
        return false;
    }
    // Progress on the old book is kept before it is replaced.
    if (m_book.count() > 0 && !m_book.m_historyPath.empty()) {
        std::string err;
        if (!m_book.saveHistory(&err) && problem)
            *problem = {StudyFile::History, m_book.m_historyPath, err};
    }
    m_book = loaded;
    m_settings.bookclass = category;
    m_settings.filebookname = fileName;
    m_settings.bookname = stemOf(fileName);
    m_book.loadHistory(historyPath(fileName));
    m_bookSpellings.clear();
    m_recent.invalidate();
    clearVisitHistory();
    if (m_kind == KindBook) {
        m_hasWord = false;
        m_current = 1;
        clearQuestion();
    }
    return true;
}

NewWordResult CWordStudy::addCurrentToNewWords() {
    if (!m_hasWord || !validCurrent())
        return NewWordResult::NoWord;
    if (!m_newWordsWritable)
        return NewWordResult::Unavailable;
    int index = 0;
    if (m_newWords.findIndex(m_work.m_word, index))
        return NewWordResult::AlreadyThere;
    CWordStruct entry = source().entry(m_current);
    for (int& c : entry.m_counters)
        c = 0;
    m_newWords.append(entry);
    return NewWordResult::Added;
}

// ---- modes ----

NextResult CWordStudy::enterMode(int mode) {
    m_mode = mode;
    m_options.read(m_profile, m_learner);
    m_timer.stop();
    const int pair = ModeOptions::pairIndex(mode);
    if (pair < 0)
        return NextResult::Shown;
    m_settings.method = m_options.pairs[pair].method;
    m_settings.methodQuci = m_options.pairs[pair].order;
    m_kind = mode == ModeCarefree ? KindCarefree : KindBook;
    clearVisitHistory();
    return nextWordRequest();
}

void CWordStudy::setMethod(int method) {
    m_settings.method = method;
    int pair = ModeOptions::pairIndex(m_mode);
    if (pair >= 0)
        m_options.pairs[pair].method = method;
}

void CWordStudy::setOrder(int order) {
    m_settings.methodQuci = order;
    int pair = ModeOptions::pairIndex(m_mode);
    if (pair >= 0)
        m_options.pairs[pair].order = order;
}

NextResult CWordStudy::chooseMethod(int method) {
    setMethod(method);
    return nextWordRequest();
}

NextResult CWordStudy::chooseOrder(int order) {
    setOrder(order);
    return nextWordRequest();
}

bool CWordStudy::setTimerInterval(int seconds) {
    m_options.timerAll = clampInt(seconds, 0, 36);
    m_timer.resetElapsed();
    m_options.writeTimer(m_profile, m_learner);
    return m_profile.flush();
}

// ---- range ----

RangeSpec CWordStudy::range() const {
    RangeSpec r;
    r.kind = m_settings.fanwei;
    r.errRatio = m_settings.errRatio;
    r.pattern = m_settings.matchword;
    r.level = m_settings.shulianLevel;
    r.start = m_settings.nstart;
    r.end = m_settings.nEnd;
    return r;
}

NextResult CWordStudy::applyRange(const RangeSpec& r) {
    m_settings.fanwei = r.kind;
    m_settings.errRatio = r.errRatio;
    m_settings.matchword = r.pattern;
    m_settings.shulianLevel = r.kind == RangeMastered ? kLevelMaster : r.level;
    m_settings.nstart = r.start;
    m_settings.nEnd = r.end;
    return nextWordRequest();
}

void CWordStudy::candidateRange(int& first, int& last) const {
    if (m_kind == KindBook) {
        first = 1;
        last = m_book.count();
        return;
    }
    const int unit = m_kind == KindCarefree ? m_unit : m_fixedUnit;
    if (m_general.m_unitCount < 1 || unit < 1 || unit > std::min(m_general.m_unitCount, CWordList::kMaxUnits)) {
        first = 1;
        last = m_general.m_unitCount < 1 ? m_general.count() : 0;
        return;
    }
    first = m_general.unitStart(unit);
    last = m_general.unitEnd(unit);
}

int CWordStudy::rangeSourceCount() const {
    int first = 0, last = 0;
    candidateRange(first, last);
    return std::max(0, std::min(last, source().count()) - first + 1);
}

// ---- selection ----

void CWordStudy::updateUnit() {
    long long a = 0, s = 0;
    const int units = std::min(m_general.m_unitCount, CWordList::kMaxUnits);
    for (int u = 1; u <= units; ++u) {
        a += static_cast<long long>(u) * m_general.m_unitWeights[u];
        s += m_general.m_unitWeights[u];
    }
    if (s <= 0) {
        m_unit = 1;
        m_unitDisplay = 0;
        return;
    }
    m_unitDisplay = static_cast<int>(a * 1000 / s);
    m_unit = clampInt(static_cast<int>(static_cast<double>(a) / (s + 0.1) + 0.4), 1, std::max(1, units));
}

void CWordStudy::rebuildStudyList() {
    int first = 0, last = 0;
    candidateRange(first, last);
    m_list.build(source(), first, last, range());
    if (m_current < 1 || m_current > source().count())
        m_current = 1;
    m_selector.setCursor(m_selector.cursor());
}

int CWordStudy::selectSlot() {
    const CWordList& src = source();
    const std::string current = validCurrent() ? src.entry(m_current).m_word : std::string();
    int order = m_settings.methodQuci;
    if (order < 0 || order > 5)
        order = OrderCorrelative;
    switch (order) {
    case OrderIntellectual:
        return WordSelector::intellectual(m_list, src, m_settings.speed, m_rng);
    case OrderOriginal:
        return m_selector.original(m_list);
    case OrderSequence:
    case OrderReverse: {
        std::string key = lowerAscii(current);
        if (order == OrderReverse)
            std::reverse(key.begin(), key.end());
        return WordSelector::successor(m_list, spellingsFor(src), key, order == OrderReverse);
    }
    case OrderRandom:
        return WordSelector::random(m_list, m_rng);
    default: {
        const SpellingIndex& spellings = spellingsFor(src);
        return WordSelector::correlative(m_list, src, spellings, m_recent, m_history,
                                         static_cast<int>(m_history.size()), m_settings.speed, current, m_rng);
    }
    }
}

NextResult CWordStudy::nextWordRequest() {
    const bool forward = m_historyPos < static_cast<int>(m_history.size());
    if (m_kind == KindCarefree && !forward)
        updateUnit();
    rebuildStudyList();
    if (!m_list.empty())
        return takeNextWord();

    NextResult result;
    m_settings.fanwei = RangePattern;
    m_settings.matchword = "*";
    rebuildStudyList();
    if (!m_list.empty()) {
        result = NextResult::RangeEmptyUsingAll;
    } else {
        m_settings.fanwei = RangeMastered;
        rebuildStudyList();
        result = m_list.empty() ? NextResult::NoWords : NextResult::AllMastered;
    }
    m_hasWord = false;
    clearQuestion();
    return result;
}

NextResult CWordStudy::takeNextWord() {
    if (m_historyPos < static_cast<int>(m_history.size())) {
        ++m_historyPos;
        showEntry(m_history[static_cast<size_t>(m_historyPos - 1)], true);
        return NextResult::Shown;
    }
    int slot = selectSlot();
    if (slot < 1 || slot > m_list.size())
        slot = 1;
    m_slot = slot;
    const int index = m_list.entryAt(slot);
    m_history.push_back(index);
    m_historyPos = static_cast<int>(m_history.size());
    showEntry(index, false);
    return NextResult::Shown;
}

void CWordStudy::previousWord() {
    if (m_historyPos > 1) {
        --m_historyPos;
        showEntry(m_history[static_cast<size_t>(m_historyPos - 1)], true);
    } else if (m_hasWord && validCurrent()) {
        showEntry(m_current, true);
    }
}

void CWordStudy::clearVisitHistory() {
    m_history.clear();
    m_historyPos = 0;
    m_recent.invalidate();
}

// ---- preparing and showing ----

void CWordStudy::prepare(CWordStruct& w) {
    if (m_kind == KindBook && m_general.count() > 0) {
        CWordStruct g;
        int unit = 0;
        if (m_general.lookUp(w.m_word, g, unit)) {
            auto fill = [](std::string& mine, const std::string& theirs) {
                if (mine.empty())
                    mine = theirs;
            };
            fill(w.m_phonetic, g.m_phonetic);
            fill(w.m_firstMeaning, g.m_firstMeaning);
            fill(w.m_hint, g.m_hint);
            fill(w.m_firstExample, g.m_firstExample);
            fill(w.m_spare, g.m_spare);
            fill(w.m_inflection, g.m_inflection);
            fill(w.m_usage, g.m_usage);
            fill(w.m_collocation, g.m_collocation);
            fill(w.m_extra, g.m_extra);
        }
    }
    if (w.m_hint.empty()) {
        if (!m_hintIndex.isBuiltFor(m_common))
            m_hintIndex.build(m_common);
        int hit = m_hintIndex.longestContained(w.m_word);
        if (hit > 0) {
            static const std::string kAuto = gbk("自动分析：");
            const CWordStruct& c = m_common.entry(hit);
            w.m_hint = kAuto + c.m_word + "  " + c.m_firstMeaning;
        }
    }
    m_wordMethod = m_settings.method == MethodChoose ? m_rng.draw(2, 4) : m_settings.method;
    if (m_wordMethod < 1 || m_wordMethod > 9)
        m_wordMethod = MethodChooseMeaning;
    if (!m_generalIndex.isBuiltFor(m_general))
        m_generalIndex.build(m_general);
    if (w.m_extra.empty()) {
        const int start = m_rng.draw(1, 2);
        m_generalIndex.exampleSentences(w.m_word, start, start + kExampleScan - 1, w.m_extra);
    }
    std::string assoc = "[W]" + w.m_word;
    const int n = m_general.count();
    m_generalIndex.appendWordsContaining(w.m_word, 1, n, kAssociationHits, assoc);
    Set<SingleMeaning> senses;
    CWordTrans::splitMeanings(w.m_firstMeaning, senses);
    for (int k = 0; k < senses.count(); ++k) {
        if (!senses.at(k).text.empty())
            m_generalIndex.appendWordsByMeaning(senses.at(k).text, 1, n, kAssociationHits, assoc);
    }
    w.m_association = assoc;
}

void CWordStudy::showEntry(int index, bool revisit) {
    m_current = index;
    CWordStruct w = source().entry(index);
    prepare(w);
    m_work = w;
    m_hasWord = true;
    m_wrongCount = 0;
    m_timer.resetElapsed();
    if (revisit) {
        clearQuestion();
        m_record.method = MethodScanning;
        m_record.revisiting = true;
        m_record.phase = PhaseRight;
        fillWholeEntry();
        static const std::string kPrompt = gbk("请按回车、空格、→键或等待定时器继续下一个单词");
        m_record.prompt = kPrompt;
        return;
    }
    buildQuestion();
}

void CWordStudy::clearQuestion() {
    m_record = QuestionRecord();
}

void CWordStudy::fillWholeEntry() {
    m_record.wholeEntry = true;
    m_record.word = m_work.m_word;
    m_record.phonetic = m_work.m_phonetic;
    m_record.meaning = m_work.m_firstMeaning;
    m_record.hint = m_work.m_hint;
    m_record.example = m_work.m_firstExample;
    m_record.inflections = m_work.m_inflection;
    m_record.english = m_work.m_english;
    m_record.testPoints = m_work.m_collocation;
    m_record.usage = m_work.m_usage;
    m_record.extended = m_work.m_extra;
    m_record.level = m_work.level();
}

void CWordStudy::buildQuestion() {
    static const std::string kAskFill = gbk("请输入所缺单词");
    static const std::string kAskChoice = gbk("请选择正确项，如果不会就猜一个(请用↑、↓移动选项，回车或空格或→确定)");
    static const std::string kAskMeaning = gbk("请按回车、空格、→键或等待定时器查看词义");
    static const std::string kAskWord = gbk("请按回车、空格、→键或等待定时器查看单词");
    static const std::string kAskScan = gbk("请按回车、空格、→键或等待定时器继续下一个单词");

    clearQuestion();
    const CWordList* distractors = m_general.count() > 0 ? &m_general : &source();
    Question q = QuestionBuilder::build(m_work, m_wordMethod, distractors, &m_generalIndex, m_rng);
    m_expected = q.expected;
    QuestionRecord& r = m_record;
    r.method = m_wordMethod;
    r.level = m_work.level();
    r.phase = PhaseAsking;
    switch (m_wordMethod) {
    case MethodFillLetter:
    case MethodFillWord:
        r.word = q.masked;
        r.meaning = m_work.m_firstMeaning;
        r.phonetic = m_work.m_phonetic;
        r.choices[0] = QuestionBuilder::fillOptionText();
        r.prompt = kAskFill;
        break;
    case MethodChooseLetter:
        r.word = q.masked;
        r.meaning = m_work.m_firstMeaning;
        r.phonetic = m_work.m_phonetic;
        r.prompt = kAskChoice;
        break;
    case MethodChooseMeaning:
        r.word = m_work.m_word;
        r.phonetic = m_work.m_phonetic;
        r.prompt = kAskChoice;
        break;
    case MethodChooseWord:
        r.meaning = m_work.m_firstMeaning;
        r.prompt = kAskChoice;
        break;
    case MethodThinkMeaning:
        r.word = m_work.m_word;
        r.phonetic = m_work.m_phonetic;
        r.prompt = kAskMeaning;
        break;
    case MethodThinkWord:
        r.meaning = m_work.m_firstMeaning;
        r.prompt = kAskWord;
        break;
    default: // Scanning: everything at once, already past the question
        fillWholeEntry();
        r.phase = PhaseRight;
        r.prompt = kAskScan;
        break;
    }
    if (r.isChoice()) {
        for (int k = 0; k < 4; ++k)
            r.choices[k] = q.options[k];
        r.rightOption = q.rightOption;
        r.giveUpOffered = q.giveUp;
    }
}

void CWordStudy::refreshRecordCounters() {
    if (!validCurrent())
        return;
    const CWordStruct& e = source().entry(m_current);
    for (int k = 0; k < 4; ++k)
        m_work.m_counters[k] = e.m_counters[k];
    m_record.level = m_work.level();
}

// ---- grading ----

void CWordStudy::right() {
    if (!validCurrent())
        return;
    CWordStruct& e = mutableSource().entry(m_current);
    Grader::rightSteps(m_settings);
    const int old = Grader::rightRecord(e);
    if (old != e.level())
        m_list.moveLevel(old, e.level());
    if (m_kind == KindCarefree)
        Grader::rightWeightsCarefree(m_general.m_unitWeights, m_unit, m_general.m_unitCount, m_settings.rightstep);
    else if (m_kind == KindFixedUnit)
        Grader::rightWeightsFixedUnit(m_general.m_unitWeights, m_fixedUnit, m_general.m_unitCount,
                                      m_settings.rightstep);
    refreshRecordCounters();
}

void CWordStudy::wrong() {
    if (!validCurrent())
        return;
    CWordStruct& e = mutableSource().entry(m_current);
    Grader::wrongSteps(m_settings);
    const int old = Grader::wrongRecord(e);
    if (old != e.level())
        m_list.moveLevel(old, e.level());
    // Book study moves no unit weight: the book's words are not units of the general library.
    if (m_kind != KindBook)
        Grader::wrongWeights(m_general.m_unitWeights, m_kind == KindCarefree ? m_unit : m_fixedUnit,
                             m_general.m_unitCount, m_settings.wrongstep);
    refreshRecordCounters();
}

void CWordStudy::setLevel(int level) {
    if (!validCurrent() || !m_hasWord)
        return;
    level = clampInt(level, 0, 7);
    CWordStruct& e = mutableSource().entry(m_current);
    const int old = e.level();
    e.setLevel(level);
    if (old != level)
        m_list.moveLevel(old, level);
    refreshRecordCounters();
}

// ---- answering ----

void CWordStudy::selectOption(int option) {
    m_record.selected = clampInt(option, 0, 4);
}

void CWordStudy::moveSelection(int delta) {
    int s = m_record.selected;
    if (s == 0)
        s = delta >= 0 ? 1 : 4;
    else
        s = ((s - 1 + delta) % 4 + 4) % 4 + 1;
    m_record.selected = s;
}

void CWordStudy::setTyped(const std::string& gbkText) {
    m_record.typed = gbkText;
}

void CWordStudy::judge(AdvanceResult& result) {
    static const std::string kNext = gbk("请按回车、空格或→键或鼠标点击继续下一个单词");
    static const std::string kAgain = gbk("请按回车、空格或→键或鼠标点击重新学习该单词");
    QuestionRecord& r = m_record;
    result.action = AdvanceAction::Judged;
    AnswerPhase phase;
    if (r.isFill()) {
        phase = r.typed == m_expected ? PhaseRight : PhaseWrong;
        r.typed.clear();
    } else if (r.isChoice()) {
        if (r.giveUpOffered && r.selected == 4)
            phase = PhaseGaveUp;
        else
            phase = r.selected == r.rightOption ? PhaseRight : PhaseWrong;
    } else {
        result.action = AdvanceAction::Revealed;
        phase = PhaseRight;
    }
    if (result.action == AdvanceAction::Judged) {
        if (phase == PhaseRight) {
            right();
        } else {
            wrong();
            ++m_wrongCount;
        }
        if (m_settings.method == MethodChoose)
            m_wordMethod = m_rng.draw(2, 4);
    }
    r.phase = phase;
    fillWholeEntry();
    r.prompt = phase == PhaseRight ? kNext : kAgain;
    result.phase = phase;
}

AdvanceResult CWordStudy::advance() {
    AdvanceResult result;
    if (!m_hasWord) {
        result.action = AdvanceAction::NextWord;
        result.next = nextWordRequest();
        result.phase = m_record.phase;
        return result;
    }
    switch (m_record.phase) {
    case PhaseAsking:
        judge(result);
        break;
    case PhaseRight:
        result.action = AdvanceAction::NextWord;
        result.next = nextWordRequest();
        result.phase = m_record.phase;
        break;
    default:
        buildQuestion();
        result.action = AdvanceAction::Relearn;
        result.phase = PhaseAsking;
        break;
    }
    return result;
}

AdvanceResult CWordStudy::answerOption(int option) {
    selectOption(option);
    return advance();
}

bool CWordStudy::tick(AdvanceResult* result) {
    if (!m_timer.tick(m_options.timerAll))
        return false;
    AdvanceResult r = advance();
    if (result)
        *result = r;
    return true;
}

// ---- status ----

std::string CWordStudy::statusLine(int line) const {
    char buf[64];
    std::string s;
    if (line == 0) {
        s = m_learner + "  ";
        if (m_kind == KindBook)
            s += m_settings.bookname + "  ";
        if (m_kind != KindBook) {
            std::snprintf(buf, sizeof buf, "%d", m_kind == KindCarefree ? m_unit : m_fixedUnit);
            s += gbk("无忧记忆") + buf + gbk("级词汇 ");
        }
        return s;
    }
    if (line == 1) {
        if (m_settings.method == MethodThinkMeaning)
            s = gbk("词义回想");
        if (m_settings.method == MethodThinkWord)
            s = gbk("单词回想");
        if (m_settings.method == MethodScanning)
            s = gbk("单词浏览");
        static const char* const kSuffix[] = {"", "-原序选词", "-顺序选词", "-逆序选词", "-随机选词", "-联想选词"};
        int order = m_settings.methodQuci;
        if (order >= 1 && order <= 5)
            s += gbk(kSuffix[order]);
        return s;
    }
    switch (m_settings.fanwei) {
    case RangeErrorRatio:
        std::snprintf(buf, sizeof buf, "%d", m_settings.errRatio);
        s = gbk("出错率>") + buf + "%";
        break;
    case RangePattern:
        s = gbk("匹配") + m_settings.matchword;
        break;
    case RangeStress:
        s = gbk("重点词汇");
        break;
    case RangeLevel:
        std::snprintf(buf, sizeof buf, "%d", m_settings.shulianLevel);
        s = gbk("记忆度") + buf + gbk("级");
        break;
    case RangeMastered:
        s = gbk("已掌握词汇");
        break;
    case RangeManual:
        std::snprintf(buf, sizeof buf, gbk("从%d到%d").c_str(), m_settings.nstart, m_settings.nEnd);
        s = buf;
        break;
    default:
        break;
    }
    std::snprintf(buf, sizeof buf, "%d ", m_list.size());
    return s + "  " + buf + gbk("个") + "  ";
}

const QuestionRecord& CWordStudy::question() const {
    for (int i = 0; i < 3; ++i)
        m_record.status[i] = statusLine(i);
    return m_record;
}

} // namespace vt
