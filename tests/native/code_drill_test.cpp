// The code drill and the root drill as the main window drives them: sets read from small
// code-table files written by the test, answers typed one key at a time into a model of
// the code field, which the window empties after every judged answer.
#include "drill/code_drill.h"
#include "roots/root_drill.h"
#include "stdio_source.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class Drill : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qope-drill-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
        // Every table with record i's code made of letters of i, item a GBK character or word.
        for (int kind : {1, 2, 3, 4, 12, 13, 14, 15, 16, 17})
            for (int edition : {86, 98})
                if (const auto* table = qope::FindCodeTable(kind, edition)) WriteTable(*table);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string CodeOf(const qope::CodeTableFile& table, int i) {
        std::string code;
        for (int k = 0; k < table.codeWidth; ++k) code += char('a' + (i + k) % 25);
        if (table.codeWidth < 4 || i % 3 == 0) code.back() = ' ';  // short codes and some full codes end in a blank
        return code;
    }
    static std::string ItemOf(const qope::CodeTableFile& table, int i) {
        std::string item;
        for (int k = 0; k < table.itemWidth / 2; ++k) item += {char(0xB0 + (i / 94) % 40), char(0xA1 + i % 94)};
        return item;
    }
    void WriteTable(const qope::CodeTableFile& table) {
        const int records = table.starts + 27;
        std::string items, codes;
        for (int i = 0; i < records; ++i) {
            if (table.layout == qope::TableLayout::Paired) {
                items += ItemOf(table, i) + "\r\n";
                codes += CodeOf(table, i) + "\r\n";
            } else {
                items += CodeOf(table, i) + ItemOf(table, i) + "\r\n";
            }
        }
        std::ofstream(dir_ / table.itemFile, std::ios::binary) << items;
        if (table.layout == qope::TableLayout::Paired) std::ofstream(dir_ / table.codeFile, std::ios::binary) << codes;
    }
    // Starts a set of `kind` at record `start`, as the window does; false when the edition
    // has no such drill or the files do not read.
    bool StartSet(qope::CodeDrill& drill, qope::PracticeKind kind, int edition, int start = 0) {
        drill.Begin(kind);
        const auto* table = qope::FindCodeTable(kind, edition);
        if (!table) return false;
        StdioSource items((dir_ / table->itemFile).string());
        StdioSource codes((dir_ / (table->layout == qope::TableLayout::Paired ? table->codeFile : table->itemFile)).string());
        qope::CodeTable set;
        if (qope::ReadSet(*table, start, items, codes, set) != qope::SetFailure::None) return false;
        drill.Load(set);
        return true;
    }
    // Types `keys` into the code field one at a time; the last judgement.
    template <class D>
    static qope::Judgement Type(D& drill, const std::string& keys) {
        qope::Judgement last;
        for (char key : keys) {
            field_ += key;
            last = drill.Judge(field_);
            if (last.answer != qope::Answer::Pending) field_.clear();
        }
        return last;
    }

    fs::path dir_;
    static inline std::string field_;
};

TEST_F(Drill, StartShowsTheSetAndResetsEverything) {
    qope::CodeDrill d;
    ASSERT_TRUE(StartSet(d, qope::kTwoLevel, 86));
    EXPECT_EQ(d.Kind(), qope::kTwoLevel);
    EXPECT_EQ(d.Reference().size(), 56u);
    EXPECT_EQ(d.Expected().size(), 84u);
    EXPECT_EQ(d.Input(), "");
    EXPECT_EQ(d.HintKeys(), (std::vector<char>{'a', 'b'}));  // "ab ": the blank lights nothing
    Type(d, d.Expected().substr(0, 3));
    d.Begin(qope::kFullCode);
    EXPECT_EQ(d.Input(), "");
    EXPECT_EQ(d.Answered(), 0);
    EXPECT_FALSE(d.Loaded());
}

TEST_F(Drill, OneLevelIsCheckedAtLetterAndBlank) {
    qope::CodeDrill d;
    StartSet(d, qope::kOneLevel, 86);
    const std::string code = d.Expected().substr(0, 2);
    field_.clear();
    EXPECT_EQ(Type(d, code.substr(0, 1)).answer, qope::Answer::Pending);  // one letter: nothing yet
    EXPECT_EQ(Type(d, " ").answer, qope::Answer::Right);
    EXPECT_EQ(d.Input(), d.Reference().substr(0, 2));
}

TEST_F(Drill, TwoLevelWithoutTheBlankIsWrong) {
    qope::CodeDrill d;
    StartSet(d, qope::kTwoLevel, 86);
    const std::string code = d.Expected().substr(0, 3);  // "ab "
    field_.clear();
    EXPECT_EQ(Type(d, code.substr(0, 2) + "c").answer, qope::Answer::Wrong);
    EXPECT_EQ(d.Input(), "");
    EXPECT_EQ(d.CodePos(), 0);
    EXPECT_EQ(Type(d, code).answer, qope::Answer::Right);
}

TEST_F(Drill, FullCodeWrongInItsFourthLetterIsOneWrongAnswer) {
    qope::CodeDrill d;
    StartSet(d, qope::kFullCode, 86, 1);
    std::string code = d.Expected().substr(0, 4);
    code[3] = code[3] == 'y' ? 'x' : 'y';
    field_.clear();
    EXPECT_EQ(Type(d, code).answer, qope::Answer::Wrong);
    EXPECT_EQ(d.Answered(), 0);
    EXPECT_EQ(d.CodePos(), 0);
    EXPECT_EQ(d.Input(), "");
}

TEST_F(Drill, TwoWordSetCompletesAfterSeven) {
    qope::CodeDrill d;
    StartSet(d, qope::kTwoWords, 86, 7);
    ASSERT_EQ(d.Reference().size(), 224u);
    field_.clear();
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(Type(d, d.Expected().substr(size_t(4 * i), 4)).setComplete);
    EXPECT_EQ(d.Input().size(), 48u);
    EXPECT_EQ(d.Input(), d.Reference().substr(0, 48));
    const qope::Judgement last = Type(d, d.Expected().substr(24, 4));
    EXPECT_EQ(last.answer, qope::Answer::Right);
    EXPECT_TRUE(last.setComplete);
    // A complete set takes no more answers: the window starts the next one.
    EXPECT_TRUE(d.Judge("abcd").setComplete);
}

TEST_F(Drill, EveryKindRunsAFullSetInBothEditions) {
    for (int edition : {86, 98}) {
        for (int kind : {1, 2, 3, 4, 12, 13, 14, 15, 16, 17}) {
            qope::CodeDrill d;
            const bool started = StartSet(d, qope::PracticeKind(kind), edition);
            EXPECT_EQ(started, !(kind == 17 && edition == 98)) << kind << "/" << edition;
            if (!started) continue;
            const auto* drill = qope::FindDrillKind(kind);
            const int width = drill->codeWidth;
            field_.clear();
            qope::Judgement last;
            for (int i = 0; i < drill->setLength; ++i) {
                if (i == drill->setLength - 1) {
                    EXPECT_EQ(d.Input(), d.Reference().substr(0, size_t(i * drill->referenceStep)));
                }
                last = Type(d, d.Expected().substr(size_t(i * width), size_t(width)));
                EXPECT_EQ(last.answer, qope::Answer::Right);
            }
            EXPECT_TRUE(last.setComplete) << kind << "/" << edition;
        }
    }
}

TEST_F(Drill, SpeedAndSetTimerFollowTheTicks) {
    qope::DrillTimer timer;
    for (int t = 0; t < 300; ++t) timer.Tick();
    EXPECT_EQ(qope::DrillSpeed(qope::kFullCode, 28, 0, timer), 28);  // 14 characters in 30 s
    EXPECT_EQ(timer.Seconds(), 30);
    // Words count their bytes by the kind's divisor: 4 two-character words in 60 s.
    for (int t = 0; t < 300; ++t) timer.Tick();
    EXPECT_EQ(qope::DrillSpeed(qope::kTwoWords, 32, 0, timer), 32 / 4 * 600 / 600);
    EXPECT_EQ(timer.Seconds(), 60);
    EXPECT_EQ(qope::DrillSpeed(qope::kRootDrill, 0, 30, timer), 30);  // roots per minute
    // No drill: no speed, the shown one keeps its value.
    EXPECT_EQ(qope::DrillSpeed(qope::kNoDrill, 10, 10, timer), std::nullopt);
    timer.Reset();
    EXPECT_EQ(qope::DrillSpeed(qope::kFullCode, 28, 0, timer), 0);  // no tick yet: no division
}

TEST(DrillTimer, TicksPastTwoToTheThirtyFirstKeepCounting) {
    // 2^31 ticks of 100 ms are 6.8 years; a 32-bit count times 100 wrapped after 24.8 days.
    qope::DrillTimer timer;
    timer.Tick(std::int64_t{1} << 31);
    EXPECT_EQ(timer.Seconds(), 214748364);
    EXPECT_EQ(timer.PerMinute(std::int64_t{1} << 31), 600);
    timer.Tick();
    EXPECT_EQ(timer.Ticks(), (std::int64_t{1} << 31) + 1);
}

TEST_F(Drill, CharacterRootsIn98HaveNoSet) {
    qope::CodeDrill d;
    StartSet(d, qope::kFullCode, 86);
    EXPECT_FALSE(StartSet(d, qope::kWordRoots, 98));
    EXPECT_EQ(d.Kind(), qope::kWordRoots);
    EXPECT_FALSE(d.Loaded());  // typing meets the no-reference message, not the old codes
    EXPECT_EQ(d.Judge("abcd").answer, qope::Answer::Pending);
    EXPECT_TRUE(d.HintKeys().empty());
}

TEST_F(Drill, AShortFileLeavesNoSetLoaded) {
    qope::CodeDrill d;
    const auto* table = qope::FindCodeTable(16, 86);
    fs::resize_file(dir_ / table->codeFile, 6 * 10);
    EXPECT_FALSE(StartSet(d, qope::kEndStroke, 86, table->starts - 1));
    EXPECT_FALSE(d.Loaded());
}

TEST_F(Drill, AbandonedSetTakesNoAnswers) {
    qope::CodeDrill d;
    StartSet(d, qope::kFullCode, 86);
    d.Abandon();
    EXPECT_FALSE(d.Loaded());
    EXPECT_EQ(d.Judge(d.Reference().substr(0, 4)).answer, qope::Answer::Pending);
}

// --- root drills ---------------------------------------------------------------------------

TEST(RootDrill, AllRootsBatchAsksItsKeys) {
    qope::RootDrill r;
    EXPECT_EQ(qope::RootDrill::StartIndex(qope::kAllRoots, 86, 0, 41), 0);  // second 0: start 0
    ASSERT_TRUE(r.Start(qope::kAllRoots, 86, 0));
    EXPECT_EQ(r.Keys(), "qbmuaecbmuawcnmyawcnlyswvnly");
    ASSERT_EQ(r.Row().size(), 28u);
    EXPECT_EQ(r.Row()[0], 0);
    EXPECT_EQ(r.Row()[1], 98);
    EXPECT_EQ(r.Row()[27], 50);
    EXPECT_EQ(r.HintKeys(), std::vector<char>{'q'});
}

TEST(RootDrill, RightWrongAndTheBatchEnd) {
    qope::RootDrill r;
    r.Start(qope::kAllRoots, 86, 0);
    EXPECT_EQ(r.Judge("q").answer, qope::Answer::Right);
    EXPECT_EQ(r.Answered(), 1);
    EXPECT_EQ(r.CurrentRoot(), 98);
    // A space and a wrong letter are wrong: the root stays.
    EXPECT_EQ(r.Judge(" ").answer, qope::Answer::Wrong);
    EXPECT_EQ(r.Judge("a").answer, qope::Answer::Wrong);
    EXPECT_EQ(r.CurrentRoot(), 98);
    EXPECT_EQ(r.Answered(), 1);
    // Two characters (a paste) wait for one again.
    EXPECT_EQ(r.Judge("bm").answer, qope::Answer::Pending);
    const std::string keys = r.Keys();
    qope::Judgement last;
    for (size_t i = 1; i < 28; ++i) last = r.Judge(std::string(1, keys[i]));
    EXPECT_TRUE(last.setComplete);
    EXPECT_EQ(r.Answered(), 28);
    EXPECT_TRUE(r.HintKeys().empty());
}

TEST(RootDrill, ZoneBatchesKeepToTheirZone) {
    qope::RootDrill r;
    r.Start(qope::kZoneHengRoots, 86, 123);
    EXPECT_EQ(r.Keys(), "gdafddagdfsdagdfadafdfagdafd");
    r.Start(qope::kZoneZheRoots, 98, 98);
    EXPECT_EQ(r.Keys(), "nvncbxvncbxvncbxvbxbncbxvncb");
    r.Start(qope::kZonePieRoots, 98, 0);
    EXPECT_EQ(r.Keys(), "qwrqerqetqetwrqerqerqetweqwr");
    EXPECT_EQ(r.Edition(), 98);
}

TEST(RootDrill, NoCatalogueNoBatchAndAbandonEndsIt) {
    qope::RootDrill r;
    EXPECT_EQ(qope::RootDrill::StartIndex(qope::kAllRoots, 99, 30, 41), -1);
    EXPECT_FALSE(r.Start(qope::kAllRoots, 99, -1));
    EXPECT_FALSE(r.Active());
    EXPECT_EQ(r.Judge("q").answer, qope::Answer::Pending);
    r.Start(qope::kAllRoots, 86, 0);
    r.Judge("q");
    r.Abandon();
    EXPECT_FALSE(r.Active());  // the rows are no longer shown
    EXPECT_EQ(r.Judge("b").answer, qope::Answer::Pending);
}

}  // namespace
