#include "base/Gbk.h"
#include "base/Random.h"
#include "words/CWordStruct.h"

#include <gtest/gtest.h>

using namespace vt;

TEST(EntryLine, ExtractTagCutsValueUpToNextBracket) {
    struct Case {
        const char* text;
        const char* tag;
        bool found;
        const char* value;
        const char* rest;
    } cases[] = {
        {"[W]go[T]g@u", "[W]", true, "go", "[T]g@u"},
        {"x[T]a b [W] go ", "[W]", true, " go ", "x[T]a b "},
        {"[E]end", "[E]", true, "end", ""},
        {"[W]a[W]b", "[W]", true, "a", "[W]b"}, // first occurrence wins
        {"[M]no word", "[W]", false, "", "[M]no word"},
    };
    for (const Case& c : cases) {
        std::string text = c.text, value;
        EXPECT_EQ(extractTag(text, c.tag, value), c.found) << c.text;
        if (c.found) {
            EXPECT_EQ(value, c.value) << c.text;
        }
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

TEST(EntryLine, ParsesFieldsMeaningsAndExamples) {
    CWordStruct e;
    parseEntryLine(gbk("[E]to go away[W]go[T]g@u[M]v. 去[M]v. 走[L]I go.[J]记法[D]go on[S]went[B]辨析"), e);
    EXPECT_EQ(e.m_word, "go");
    EXPECT_EQ(e.m_phonetic, "g@u");
    ASSERT_EQ(e.m_meaningCount, 2);
    EXPECT_EQ(e.m_meanings[0], gbk("v. 去"));
    EXPECT_EQ(e.m_meanings[1], gbk("v. 走"));
    // The only [L] is the first one left in the line, so it pairs with the first meaning.
    EXPECT_EQ(e.m_examples[0], "I go.");
    EXPECT_EQ(e.m_examples[1], "");
    EXPECT_EQ(e.m_firstMeaning, gbk("v. 去"));
    EXPECT_EQ(e.m_firstExample, "I go.");
    EXPECT_EQ(e.m_hint, gbk("记法"));
    EXPECT_EQ(e.m_collocation, "go on");
    EXPECT_EQ(e.m_inflection, "went");
    EXPECT_EQ(e.m_usage, gbk("辨析"));
    EXPECT_EQ(e.m_english, "to go away");
    EXPECT_EQ(e.m_rawMeaning, gbk("[E]to go away[M]v. 去[M]v. 走[L]I go.[J]记法[D]go on[S]went[B]辨析"));
}

TEST(EntryLine, RawMeaningLosesExactlyOneLeadingTag) {
    struct Case {
        const char* line;
        const char* raw;
        const char* meaning;
    } cases[] = {
        {"[W]mister[T][M]Mr. 先生", "Mr. 先生", "Mr. 先生"},
        {"[W]Monday[M]Monday 星期一[L]x", "Monday 星期一[L]x", "Monday 星期一"},
        {"[W]m[M]]M[ odd", "]M[ odd", "]M"},
        {"[W]plain[J]hint only", "[J]hint only", ""},
    };
    for (const Case& c : cases) {
        CWordStruct e;
        parseEntryLine(gbk(c.line), e);
        EXPECT_EQ(toUtf8(e.m_rawMeaning), c.raw) << c.line;
        EXPECT_EQ(toUtf8(e.m_meanings[0]), c.meaning) << c.line;
        // The raw form writes the entry back unchanged.
        CWordStruct again;
        parseEntryLine(writeEntryLineKeepingRaw(e), again);
        EXPECT_EQ(again.m_rawMeaning, e.m_rawMeaning) << c.line;
        EXPECT_EQ(again.m_meanings[0], e.m_meanings[0]) << c.line;
    }
}

TEST(EntryLine, MoreThanTenMeaningsKeepsTheFirstTen) {
    std::string line = "[W]many";
    for (int i = 1; i <= 13; ++i)
        line += "[M]m" + std::to_string(i) + "[L]e" + std::to_string(i);
    line += "[J]hint";
    CWordStruct e;
    parseEntryLine(line, e);
    ASSERT_EQ(e.m_meaningCount, 10);
    EXPECT_EQ(e.m_meanings[9], "m10");
    EXPECT_EQ(e.m_examples[9], "e10");
    EXPECT_EQ(e.m_hint, "hint");
}

TEST(EntryLine, MissingTagsLeaveFieldsAndBracketEndsValue) {
    CWordStruct e;
    e.m_hint = "kept";
    parseEntryLine("[W]a[M]value [with] bracket", e);
    EXPECT_EQ(e.m_hint, "kept");
    EXPECT_EQ(e.m_meanings[0], "value ");
    EXPECT_EQ(e.m_word, "a");
    CWordStruct none;
    parseEntryLine("no tags at all", none);
    EXPECT_EQ(none.m_word, "");
    EXPECT_EQ(none.m_meaningCount, 0);
}

TEST(EntryLine, WritesAllTagsInFixedOrder) {
    CWordStruct e;
    e.m_word = "abacus";
    e.m_meaningCount = 1;
    e.m_meanings[0] = gbk("n. 算盘");
    EXPECT_EQ(toUtf8(writeEntryLine(e)), "[W]abacus[T][M]n. 算盘[L][J][D][S][B][E]");
    EXPECT_EQ(writeEntryLineKeepingRaw(e), writeEntryLine(e)); // no raw text: full form
    e.m_rawMeaning = "anything[X]unknown";
    EXPECT_EQ(writeEntryLineKeepingRaw(e), "[W]abacus[T][M]anything[X]unknown");

    // A full record survives write and parse.
    CWordStruct full;
    full.m_word = "w";
    full.m_phonetic = "p";
    full.m_meaningCount = 3;
    for (int i = 0; i < 3; ++i) {
        full.m_meanings[i] = "m" + std::to_string(i);
        full.m_examples[i] = i == 1 ? "" : "e" + std::to_string(i);
    }
    full.m_hint = "h";
    full.m_collocation = "d";
    full.m_inflection = "s";
    full.m_usage = "b";
    full.m_english = "en";
    CWordStruct back;
    parseEntryLine(writeEntryLine(full), back);
    EXPECT_EQ(writeEntryLine(back), writeEntryLine(full));
    EXPECT_EQ(back.m_examples[2], "e2");
}

// The parser works on segments for speed; it must agree with the plain tag-by-tag cutting it replaces.
TEST(EntryLine, AgreesWithTagByTagReferenceOnRandomLines) {
    auto reference = [](std::string text, CWordStruct& e) {
        extractTag(text, "[W]", e.m_word);
        extractTag(text, "[T]", e.m_phonetic);
        e.m_rawMeaning = text.compare(0, 3, "[M]") == 0 ? text.substr(3) : text;
        int n = 0;
        std::string v;
        while (n < 10 && extractTag(text, "[M]", v)) {
            e.m_meanings[n] = v;
            if (extractTag(text, "[L]", v))
                e.m_examples[n] = v;
            ++n;
        }
        e.m_meaningCount = n;
        extractTag(text, "[J]", e.m_hint);
        extractTag(text, "[D]", e.m_collocation);
        extractTag(text, "[S]", e.m_inflection);
        extractTag(text, "[B]", e.m_usage);
        extractTag(text, "[E]", e.m_english);
    };
    const char* pieces[] = {"[W]", "[T]", "[M]", "[L]", "[J]", "[D]", "[S]", "[B]", "[E]",
                            "[",   "]",   "M",   "x",   " ",   "[X]", "[[",  "W]",  "\xCB\xE3"};
    CRandom rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string line;
        const int n = rng.next() % 16;
        for (int i = 0; i < n; ++i)
            line += pieces[rng.next() % (sizeof pieces / sizeof *pieces)];
        CWordStruct fast, slow;
        parseEntryLine(line, fast);
        reference(line, slow);
        ASSERT_EQ(writeEntryLine(fast), writeEntryLine(slow)) << line;
        ASSERT_EQ(fast.m_rawMeaning, slow.m_rawMeaning) << line;
    }
}
