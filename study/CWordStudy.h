#pragma once
// The study engine: the learner and settings, the loaded word sets with their histories, word selection,
// grading and the question flow of the study modes. Reports with return values; shows nothing.
#include "base/Random.h"
#include "study/AutoAdvance.h"
#include "study/HintIndex.h"
#include "study/LearnerFiles.h"
#include "study/LibraryIndex.h"
#include "study/ModeOptions.h"
#include "study/QuestionRecord.h"
#include "study/RecentSpellings.h"
#include "study/SpellingIndex.h"
#include "study/StudyList.h"
#include "study/StudySettings.h"
#include "study/StudyTypes.h"
#include "study/WordSelector.h"
#include "words/CWordList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vt {

class CProfile;

// Which file a problem is about.
enum class StudyFile { GeneralLibrary, CommonLibrary, Book, NewWordsBook, History, Folder, Profile, Learner };

// A file that could not be read or written; path is GBK, detail English.
struct FileProblem {
    StudyFile file;
    std::string path;
    std::string detail;
};

// Outcome of loading the word sets or saving the settings: empty when everything worked.
struct StudyReport {
    std::vector<FileProblem> problems;
    bool ok() const { return problems.empty(); }
    bool has(StudyFile f) const;
};

enum class NewWordResult { Added, AlreadyThere, NoWord, Unavailable };

class CWordStudy {
public:
    static constexpr const char* kDefaultLearner = "kelp";
    static constexpr const char* kGeneralLibrary = "vtgeneral.ree";
    static constexpr const char* kCommonLibrary = "cg.ree";

    // Reads "Study"/"username" and the learner's settings. baseFolder is GBK text (a trailing '/' is
    // optional); seed seeds the engine's generator (tests fix it, the program passes the time).
    CWordStudy(CProfile& profile, const std::string& baseFolder, uint32_t seed);
    virtual ~CWordStudy() = default;
    CWordStudy(const CWordStudy&) = delete;
    CWordStudy& operator=(const CWordStudy&) = delete;

    // ---- learner, settings, word sets ----
    // Loads the general library, the new-words book (created when missing), the common-word library and the
    // current book, each with the learner's history; creates the base, data and "his" folders.
    StudyReport loadWordSets();
    // Saves the old learner, clears the visit history, stores the new name and reloads. Refuses names that
    // cannot be file names (why tells the reason); then nothing changes.
    LearnerResult setLearner(const std::string& name, LearnerNameProblem* why = nullptr);
    // Writes "Study"/"username" and every learner key, saves the new-words book, then the histories of the
    // new-words book, the current book and the general library; reports each failure.
    StudyReport saveSettings();
    // Writes the mode option keys, then saveSettings (the main window's save step on "Close" and "Back").
    StudyReport saveOptions();
    // Loads a book of a category folder with its history (the old book's history is saved first); the
    // current book stays when the new one cannot be loaded.
    bool chooseBook(const std::string& category, const std::string& fileName, FileProblem* problem = nullptr);
    NewWordResult addCurrentToNewWords();
    // Results of the last loadWordSets (also run by setLearner) and saveSettings.
    const StudyReport& lastLoadReport() const { return m_lastLoad; }
    const StudyReport& lastSaveReport() const { return m_lastSave; }

    const std::string& learner() const { return m_learner; }
    const std::string& baseFolder() const { return m_base; }
    StudySettings& settings() { return m_settings; }
    const StudySettings& settings() const { return m_settings; }
    ModeOptions& options() { return m_options; }
    const ModeOptions& options() const { return m_options; }
    CWordList& book() { return m_book; }
    const CWordList& book() const { return m_book; }
    CWordList& generalLibrary() { return m_general; }
    const CWordList& generalLibrary() const { return m_general; }
    CWordList& commonLibrary() { return m_common; }
    CWordList& newWordsBook() { return m_newWords; }
    CRandom& random() { return m_rng; }
    // Path (GBK) of a word set file and of its history file.
    std::string bookPath() const;
    std::string generalPath() const;
    std::string commonPath() const;
    std::string newWordsPath() const;
    std::string historyPath(const std::string& libraryFileName) const;

    // ---- modes and methods ----
    // Entering a study mode: reads the option keys, pauses the timer, copies the mode's method pair, sets
    // the study kind, clears the visit history and makes the first next-word request.
    NextResult enterMode(int mode);
    int mode() const { return m_mode; }
    void setStudyKind(int kind) { m_kind = clampInt(kind, 0, 2); }
    int studyKind() const { return m_kind; }
    void setFixedUnit(int unit) { m_fixedUnit = unit; }
    int fixedUnit() const { return m_fixedUnit; }
    // Store the question method / selection order (and the current mode's pair); the option menus then
    // request the next word: chooseMethod / chooseOrder do both.
    void setMethod(int method);
    void setOrder(int order);
    NextResult chooseMethod(int method);
    NextResult chooseOrder(int order);
    int method() const { return m_settings.method; }
    int order() const { return m_settings.methodQuci; }
    // The timer dialog: new interval, count restarted, written to the profile at once.
    bool setTimerInterval(int seconds);

    // ---- range ----
    RangeSpec range() const;
    // Range dialog OK: stores the values (the mastered range sets the level to 6) and requests a word.
    NextResult applyRange(const RangeSpec& range);
    // Upper bound of the manual range: entries of the current unit, the fixed unit or the book.
    int rangeSourceCount() const;

    // ---- selection ----
    void rebuildStudyList();
    NextResult nextWordRequest();
    void previousWord();
    void clearVisitHistory();
    const StudyList& studyList() const { return m_list; }
    int currentUnit() const { return m_unit; }
    int unitDisplayValue() const { return m_unitDisplay; } // weighted mean unit x 1000
    int currentEntryNumber() const { return m_current; }
    int currentSlot() const { return m_slot; }
    const std::vector<int>& visitHistory() const { return m_history; }
    int historyPosition() const { return m_historyPos; }
    bool hasWord() const { return m_hasWord; }
    // The library the current study kind draws from.
    const CWordList& source() const { return m_kind == KindBook ? m_book : m_general; }

    // ---- grading ----
    void right();
    void wrong();
    void setLevel(int level);

    // ---- answering ----
    void selectOption(int option); // 1..4
    void moveSelection(int delta); // up -1, down +1, wrapping
    void setTyped(const std::string& gbkText);
    // Enter, Space, Right arrow, "Forward", a click in the word area after an answer.
    AdvanceResult advance();
    // Click on "Item A".."Item D": select and advance at once.
    AdvanceResult answerOption(int option);
    // One tick of the one-second timer; true (and result) when it advanced.
    bool tick(AdvanceResult* result = nullptr);
    AutoAdvance& timer() { return m_timer; }
    double timerProgress() const { return m_timer.progress(m_options.timerAll); }

    const QuestionRecord& question() const;
    // Prepared copy of the current word (book fields completed, hint, examples, association text).
    const CWordStruct& currentWord() const { return m_work; }
    int wrongCount() const { return m_wrongCount; }
    AnswerPhase phase() const { return m_record.phase; }
    std::string statusLine(int line) const; // 0..2

    // Speed knobs for tests and tools: the search indexes are built on load and after outside edits.
    void rebuildIndexes();

private:
    CWordList& mutableSource() { return m_kind == KindBook ? m_book : m_general; }
    bool validCurrent() const { return m_current >= 1 && m_current <= source().count(); }
    void readLearnerFromProfile();
    bool loadLibraryWithHistory(CWordList& lib, const std::string& path, const std::string& fileName, StudyFile which,
                                StudyReport& report);
    void loadNewWords(StudyReport& report);
    void ensureFolders(StudyReport& report);
    void updateUnit();
    void candidateRange(int& first, int& last) const;
    int selectSlot();
    NextResult takeNextWord();
    void showEntry(int index, bool revisit);
    void prepare(CWordStruct& w);
    void buildQuestion();
    void fillWholeEntry();
    void judge(AdvanceResult& result);
    void clearQuestion();
    void refreshRecordCounters();
    void writeBackCurrent();
    const SpellingIndex& spellingsFor(const CWordList& lib);

    CProfile& m_profile;
    std::string m_base;
    CRandom m_rng;
    std::string m_learner;
    StudySettings m_settings;
    ModeOptions m_options;
    std::string m_generalName = kGeneralLibrary;

    CWordList m_book;
    CWordList m_general;
    CWordList m_common;
    CWordList m_newWords;
    bool m_commonTried = false;
    bool m_newWordsWritable = false;
    LibraryIndex m_generalIndex;
    HintIndex m_hintIndex;
    SpellingIndex m_bookSpellings;
    SpellingIndex m_generalSpellings;
    RecentSpellings m_recent;

    int m_mode = ModeMain;
    int m_kind = KindBook;
    int m_fixedUnit = 1;
    int m_unit = 1;
    int m_unitDisplay = 0;
    StudyList m_list;
    WordSelector m_selector;
    int m_current = 1;
    int m_slot = 0;
    std::vector<int> m_history;
    int m_historyPos = 0;

    bool m_hasWord = false;
    CWordStruct m_work;
    int m_wordMethod = MethodChooseMeaning;
    std::string m_expected;
    int m_wrongCount = 0;
    mutable QuestionRecord m_record;
    AutoAdvance m_timer;

    StudyReport m_lastLoad;
    StudyReport m_lastSave;
};

} // namespace vt
