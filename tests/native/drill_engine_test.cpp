// The drill engine on a model window: the window's hooks record what the engine asks of
// them, and sets are read from small code-table files written by the test.
#include "drill/drill_engine.h"
#include "stdio_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

class ModelWindow : public qope::DrillEngine {
public:
    explicit ModelWindow(fs::path dir) : dir_(std::move(dir)) {}

    // What the learner has typed into the code field, read by ReadMembers.
    std::string field;
    int seconds = 30;
    int pushes = 0, beeps = 0, wrongSounds = 0, hints = 0, releases = 0, focus = 0;
    int loads = 0, strips = 0, loadedEdition = 0;
    struct Draw {
        int index, x, y;
        bool operator==(const Draw&) const = default;
    };
    std::vector<Draw> draws;
    int correctBar = 0, errorBar = 0;
    std::vector<std::string> messages;
    std::vector<int> startsRead;

    void Type(const std::string& text) {
        for (char ch : text) {
            field += ch;
            CheckTypedCode();
        }
    }

protected:
    void PushMembers() override {
        ++pushes;
        field = m_strCode;
    }
    void ReadMembers() override { m_strCode = field; }
    void FocusCodeEdit() override { ++focus; }
    void DefaultBeep() override { ++beeps; }
    void PlayWrongAnswerSound() override { ++wrongSounds; }
    void ShowMessage(const std::string& text, bool) override { messages.push_back(text); }
    void ResetBars() override { correctBar = errorBar = 0; }
    void StepCorrectBar() override { correctBar = (correctBar + 1) % (qope::kBarRange + 1); }
    void StepErrorBar() override { errorBar = (errorBar + 1) % (qope::kBarRange + 1); }
    void DrawKeyHint() override { ++hints; }
    void ReleaseRootPictures() override {
        ++releases;
        loadedEdition = 0;
    }
    void LoadRootPictures(int edition) override {
        if (loadedEdition != edition) ++loads;
        loadedEdition = edition;
    }
    bool RootPicturesLoaded(int edition) override { return loadedEdition == edition; }
    void DrawRootStrip() override { ++strips; }
    void DrawRootPicture(int index, int x, int y) override { draws.push_back({index, x, y}); }
    int LocalSeconds() override { return seconds; }
    bool ReadCodeTable(const qope::CodeTableFile& table, int start, qope::CodeTable& set) override {
        startsRead.push_back(start);
        StdioSource items((dir_ / table.itemFile).string());
        StdioSource codes((dir_ / (table.layout == qope::TableLayout::Paired ? table.codeFile : table.itemFile)).string());
        if (qope::ReadSet(table, start, items, codes, set) == qope::SetFailure::None) return true;
        messages.push_back("file");
        return false;
    }

private:
    fs::path dir_;
};

class Drill : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qope-drill-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
        // Every table with record i's code "c" + letters of i, item a GBK character or word.
        for (int kind : {1, 2, 3, 4, 12, 13, 14, 15, 16, 17})
            for (int edition : {86, 98})
                if (const auto* table = qope::FindCodeTable(kind, edition)) WriteTable(*table);
        window_ = std::make_unique<ModelWindow>(dir_);
        window_->seconds = 0;  // start index 0
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
    std::string Code(int kind, int i) const { return CodeOf(*qope::FindCodeTable(kind, window_->m_nEdition), i); }

    fs::path dir_;
    std::unique_ptr<ModelWindow> window_;
};

TEST_F(Drill, StartShowsTheSetAndResetsEverything) {
    auto& w = *window_;
    w.m_strInput = "old";
    w.m_nDrillTicks = 99;
    w.StartCodeSet(2);
    EXPECT_EQ(w.m_strStatus, "你所练习的是二级简码！");
    EXPECT_EQ(w.m_nPracticeKind, 2);
    EXPECT_EQ(w.m_strCompare.size(), 56u);
    EXPECT_EQ(w.m_strReference, w.m_strCompare);
    EXPECT_EQ(w.m_strExpectedCode.size(), 84u);
    EXPECT_EQ(w.m_strInput, "");
    EXPECT_EQ(w.m_nDrillTicks, 0);
    EXPECT_EQ(w.beeps, 1);
    EXPECT_EQ(w.releases, 1);
    EXPECT_EQ(w.hints, 1);
    EXPECT_EQ(w.focus, 1);
}

TEST_F(Drill, OneLevelIsCheckedAtLetterAndBlank) {
    auto& w = *window_;
    w.StartCodeSet(1);
    const std::string code = Code(1, 0);
    w.Type(code.substr(0, 1));
    EXPECT_EQ(w.correctBar + w.errorBar, 0);  // one letter: nothing yet
    w.Type(" ");
    EXPECT_EQ(w.correctBar, 1);
    EXPECT_EQ(w.m_strInput, w.m_strReference.substr(0, 2));
    EXPECT_EQ(w.field, "");
}

TEST_F(Drill, TwoLevelWithoutTheBlankIsWrong) {
    auto& w = *window_;
    w.StartCodeSet(2);
    const std::string code = Code(2, 0);  // "ab "
    w.Type(code.substr(0, 2) + "c");
    EXPECT_EQ(w.errorBar, 1);
    EXPECT_EQ(w.wrongSounds, 1);
    EXPECT_EQ(w.m_strInput, "");
    EXPECT_EQ(w.field, "");
    w.Type(code);
    EXPECT_EQ(w.correctBar, 1);
}

TEST_F(Drill, FullCodeWrongInItsFourthLetterIsOneWrongAnswer) {
    auto& w = *window_;
    w.StartCodeSet(4);
    std::string code = Code(4, 1);
    code[3] = code[3] == 'y' ? 'x' : 'y';
    w.Type(code);
    EXPECT_EQ(w.errorBar, 1);
    EXPECT_EQ(w.correctBar, 0);
    EXPECT_EQ(w.m_nCodePos, 0);
    EXPECT_EQ(w.m_strInput, "");
}

TEST_F(Drill, TwoWordSetCompletesAfterSevenAndTheNextStartsAtOnce) {
    auto& w = *window_;
    w.seconds = 7;
    w.StartCodeSet(12);
    ASSERT_EQ(w.m_strCompare.size(), 224u);
    for (int i = 0; i < 6; ++i) w.Type(w.m_strExpectedCode.substr(size_t(4 * i), 4));
    EXPECT_EQ(w.m_strInput.size(), 48u);
    EXPECT_EQ(w.m_strInput, w.m_strReference.substr(0, 48));
    EXPECT_EQ(w.correctBar, 6);
    w.Type(w.m_strExpectedCode.substr(24, 4));
    EXPECT_EQ(w.startsRead.size(), 2u);
    EXPECT_EQ(w.m_strInput, "");
    EXPECT_EQ(w.correctBar, 0);
    EXPECT_EQ(w.m_nAnswered, 0);
    EXPECT_EQ(w.beeps, 2);
    EXPECT_NE(w.startsRead[0], w.startsRead[1]);
}

TEST_F(Drill, EveryKindRunsAFullSetInBothEditions) {
    for (int edition : {86, 98}) {
        for (int kind : {1, 2, 3, 4, 12, 13, 14, 15, 16, 17}) {
            if (kind == 17 && edition == 98) continue;
            auto& w = *window_;
            w.m_nEdition = edition;
            w.StartCodeSet(kind);
            const auto* drill = qope::FindDrillKind(kind);
            const int width = drill->codeWidth;
            const size_t reads = w.startsRead.size();
            const std::string reference = w.m_strReference;
            for (int i = 0; i < drill->setLength; ++i) {
                if (i == drill->setLength - 1) {
                    EXPECT_EQ(w.m_strInput, reference.substr(0, size_t(i * drill->referenceStep)));
                }
                w.Type(w.m_strExpectedCode.substr(size_t(i * width), size_t(width)));
            }
            EXPECT_EQ(w.startsRead.size(), reads + 1) << kind << "/" << edition;
            EXPECT_EQ(w.m_nAnswered, 0);
            EXPECT_TRUE(w.messages.empty());
        }
    }
}

TEST_F(Drill, SpeedAndSetTimerFollowTheTicks) {
    auto& w = *window_;
    w.StartCodeSet(4);
    for (int i = 0; i < 14; ++i) w.Type(w.m_strExpectedCode.substr(size_t(4 * i), 4));
    for (int t = 0; t < 300; ++t) w.DrillTick();
    EXPECT_EQ(w.m_nSpeed, 28);  // 14 characters in 30 s
    EXPECT_EQ(w.m_nTypingSecs, 30);

    // Words count their bytes by the kind's divisor: 4 two-character words in 60 s.
    w.StartCodeSet(12);
    for (int i = 0; i < 4; ++i) w.Type(w.m_strExpectedCode.substr(size_t(4 * i), 4));
    for (int t = 0; t < 600; ++t) w.DrillTick();
    EXPECT_EQ(w.m_nSpeed, 32 / 4 * 600 / 600);
    EXPECT_EQ(w.m_nTypingSecs, 60);

    // No drill: the speed keeps its value, the timer counts on.
    qope::DrillEngine& e = w;
    w.m_nPracticeKind = 0;
    const int speed = w.m_nSpeed;
    e.DrillTick();
    EXPECT_EQ(w.m_nSpeed, speed);
}

TEST_F(Drill, WithNoSetLoadedEveryKeyIsRefused) {
    auto& w = *window_;
    w.Type("a");
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0], qope::kNoReferenceMessage);
    EXPECT_EQ(w.field, "");
}

TEST_F(Drill, CharacterRootsIn98AreRefusedAndLeaveNoSetLoaded) {
    auto& w = *window_;
    w.StartCodeSet(4);
    w.m_nEdition = 98;
    w.StartCodeSet(17);
    EXPECT_EQ(w.m_strStatus, "你所练习的是成字字根！");
    EXPECT_EQ(w.m_nPracticeKind, 17);
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0], qope::kOnly86Message);
    EXPECT_EQ(w.m_strCompare, "");
    // Typing meets the no-reference message, not the codes of the set before.
    w.Type("a");
    ASSERT_EQ(w.messages.size(), 2u);
    EXPECT_EQ(w.messages[1], qope::kNoReferenceMessage);
}

TEST_F(Drill, AShortFileLeavesNoSetLoaded) {
    auto& w = *window_;
    const auto* table = qope::FindCodeTable(16, 86);
    fs::resize_file(dir_ / table->codeFile, 6 * 10);
    w.seconds = 59;
    w.StartCodeSet(16);
    ASSERT_EQ(w.messages.size(), 1u);  // told once
    EXPECT_EQ(w.m_strCompare, "");
    EXPECT_TRUE(w.m_strExpectedCode.empty());
    w.Type("a");
    EXPECT_EQ(w.messages.back(), qope::kNoReferenceMessage);
}

TEST_F(Drill, AllRootsBatchDrawsItsRowAndAsksItsKeys) {
    auto& w = *window_;
    w.StartAllRootsBatch();
    EXPECT_EQ(w.m_strStatus, "你所练习的是全部字根！");
    EXPECT_EQ(w.m_nPracticeKind, qope::kRootDrill);
    EXPECT_EQ(w.m_strCompare, " ");
    EXPECT_EQ(w.m_strInput, " ");
    EXPECT_EQ(w.m_strExpectedCode, "qbmuaecbmuawcnmyawcnlyswvnly");  // second 0: start 0
    EXPECT_EQ(w.strips, 1);
    ASSERT_EQ(w.draws.size(), 28u);
    EXPECT_EQ(w.draws[0], (ModelWindow::Draw{0, 157, 390}));
    EXPECT_EQ(w.draws[1], (ModelWindow::Draw{98, 178, 390}));
    EXPECT_EQ(w.draws[27], (ModelWindow::Draw{50, 157 + 21 * 27, 390}));
    EXPECT_EQ(w.beeps, 1);
    EXPECT_EQ(w.hints, 1);
}

TEST_F(Drill, RootAnswersRightWrongAndTheNextBatch) {
    auto& w = *window_;
    w.StartAllRootsBatch();
    w.draws.clear();
    w.Type("q");
    EXPECT_EQ(w.correctBar, 1);
    ASSERT_EQ(w.draws.size(), 1u);
    EXPECT_EQ(w.draws[0], (ModelWindow::Draw{0, 157, 430}));
    EXPECT_EQ(w.m_nCurrentRoot, 98);
    // A space and a wrong letter are wrong: only the error bar moves, the root stays.
    w.Type(" ");
    w.Type("a");
    EXPECT_EQ(w.errorBar, 2);
    EXPECT_EQ(w.correctBar, 1);
    EXPECT_EQ(w.wrongSounds, 2);
    EXPECT_EQ(w.m_nCurrentRoot, 98);
    EXPECT_EQ(w.field, "");
    // Right through the batch: the 28th key starts the next one.
    const std::string keys = w.m_strExpectedCode;
    for (size_t i = 1; i < 28; ++i) w.Type(std::string(1, keys[i]));
    EXPECT_EQ(w.strips, 2);
    EXPECT_EQ(w.m_nAnswered, 0);
    EXPECT_EQ(w.correctBar, 0);
    EXPECT_EQ(w.errorBar, 0);
    EXPECT_EQ(w.beeps, 2);
}

TEST_F(Drill, ZoneBatchesKeepToTheirZone) {
    auto& w = *window_;
    w.StartZoneBatch(1);
    EXPECT_EQ(w.m_strStatus, "你所练习的是横区字根！");
    EXPECT_EQ(w.m_strExpectedCode, "gdafddagdfsdagdfadafdfagdafd");
    w.m_nEdition = 98;
    w.StartZoneBatch(5);
    EXPECT_EQ(w.m_strExpectedCode, "nvncbxvncbxvncbxvbxbncbxvncb");
    EXPECT_EQ(w.loads, 2);  // 98 after 86 loads the other set
    w.StartZoneBatch(3);
    EXPECT_EQ(w.loads, 2);  // kept across batches of one edition
    EXPECT_EQ(w.m_strExpectedCode, "qwrqerqetqetwrqerqerqetweqwr");
}

TEST_F(Drill, ACodeDrillReleasesTheRootPictures) {
    auto& w = *window_;
    w.StartAllRootsBatch();
    EXPECT_EQ(w.loadedEdition, 86);
    w.StartCodeSet(4);
    EXPECT_EQ(w.loadedEdition, 0);
    w.StartAllRootsBatch();
    EXPECT_EQ(w.loads, 2);
}

TEST_F(Drill, RootRowsAreRedrawnOnlyDuringABatch) {
    auto& w = *window_;
    w.RedrawRootRows();
    EXPECT_TRUE(w.draws.empty());  // no batch yet
    w.StartAllRootsBatch();
    const std::vector<ModelWindow::Draw> question = w.draws;
    w.draws.clear();
    w.RedrawRootRows();
    EXPECT_EQ(w.draws, question);  // answered 0: the question row only
    w.Type("q");
    w.Type("b");
    w.Type("m");
    w.draws.clear();
    w.RedrawRootRows();
    ASSERT_EQ(w.draws.size(), 31u);
    EXPECT_EQ(w.draws[28], (ModelWindow::Draw{0, 157, 430}));
    EXPECT_EQ(w.draws[30], (ModelWindow::Draw{196, 199, 430}));
    // Once the set is abandoned (an edition switch) the rows are left alone.
    w.m_strExpectedCode.clear();
    w.draws.clear();
    w.RedrawRootRows();
    EXPECT_TRUE(w.draws.empty());
}

}  // namespace
