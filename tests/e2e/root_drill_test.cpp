// The root drills through the running program: the question row read back from the screen
// against the program's own root pictures, keys typed, the answer row, bars, the repaint
// after covering, and the loading and releasing of the picture sets.
#include "driver/qope_driver.h"
#include "app/PracticeDlgRes.h"
#include "roots/root_catalogue.h"
#include "win/diagnostics.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <map>

namespace {

using e2e::Qope;

constexpr int kRowX = 157, kPitch = 21, kQuestionY = 390, kAnswerY = 430;

class RootDrills : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    int Bar(int id) const { return int(::SendMessageW(qope->Item(id), PBM_GETPOS, 0, 0)); }

    bool CellShows(const e2e::Capture& shot, int x, int y, int edition, int index) const {
        return qope->CellShowsRoot(shot, x, y, edition, index);
    }
    int IndexIn(const e2e::Capture& shot, int x, int y, int edition) const {
        for (int index = 0; index < qope::RootCount(edition); ++index)
            if (CellShows(shot, x, y, edition, index)) return index;
        return -1;
    }
    std::vector<int> QuestionRow(int edition) const { return qope->RootRow(kQuestionY, edition); }
    static std::string KeysOf(const std::vector<int>& row, int edition) { return Qope::RootKeys(row, edition); }
    void Start(int command, int edition) {
        qope->Command(edition == 86 ? ID_EDITION_86 : ID_EDITION_98);
        qope->Command(command);
        qope->Settle();
    }

    std::unique_ptr<Qope> qope;
};

TEST_F(RootDrills, ABatchTypedRightThroughFillsTheAnswerRowAndStartsTheNext) {
    for (int edition : {86, 98}) {
        SCOPED_TRACE(edition);
        Start(ID_ALL_ROOTS, edition);
        EXPECT_EQ(qope->Text(IDC_STATUS), L"你所练习的是全部字根！");
        EXPECT_EQ(qope->Text(IDC_COMPARE_TEXT), L" ");
        EXPECT_EQ(qope->Text(IDC_INPUT_TEXT), L" ");
        const std::vector<int> row = QuestionRow(edition);
        ASSERT_EQ(std::count(row.begin(), row.end(), -1), 0) << "a question cell shows no root picture";
        // The walk of the all-roots batch: a stride of 98 from the start.
        const qope::RootRule* rule = qope::FindRootRule(qope::kAllRoots, edition);
        EXPECT_EQ(row, qope::BatchIndices(*rule, row[0]));
        const std::string keys = KeysOf(row, edition);
        for (int i = 0; i < 27; ++i) {
            qope->TypeKeys(std::wstring(1, wchar_t(keys[size_t(i)])));
            ASSERT_EQ(Bar(IDC_CORRECT_BAR), i + 1);
            const e2e::Capture shot = qope->CaptureClient(qope->Main());
            ASSERT_TRUE(CellShows(shot, kRowX + kPitch * i, kAnswerY, edition, row[size_t(i)])) << i;
        }
        qope->TypeKeys(std::wstring(1, wchar_t(keys[27])));
        EXPECT_EQ(Bar(IDC_CORRECT_BAR), 0);
        EXPECT_EQ(Bar(IDC_ERROR_BAR), 0);
        const e2e::Capture shot = qope->CaptureClient(qope->Main());
        EXPECT_EQ(IndexIn(shot, kRowX, kAnswerY, edition), -1) << "the answer row is blanked";
        const std::vector<int> next = QuestionRow(edition);
        EXPECT_EQ(std::count(next.begin(), next.end(), -1), 0);
    }
}

TEST_F(RootDrills, WrongKeysStepOnlyTheErrorBarOthersChangeNothing) {
    Start(ID_ZONE_HENG, 86);
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你所练习的是横区字根！");
    const std::vector<int> row = QuestionRow(86);
    const std::string keys = KeysOf(row, 86);
    ASSERT_EQ(keys.find('?'), std::string::npos);
    EXPECT_EQ(keys.find_first_not_of("gfdsa"), std::string::npos) << keys;
    const char wrong = keys[0] == 'g' ? 'h' : 'g';
    qope->TypeKeys(std::wstring(1, wchar_t(wrong)));
    EXPECT_EQ(Bar(IDC_ERROR_BAR), 1);
    qope->TypeKeys(L" ");
    EXPECT_EQ(Bar(IDC_ERROR_BAR), 2);
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 0);
    qope->TypeKeys(L"G5;");
    EXPECT_EQ(Bar(IDC_ERROR_BAR), 2);
    EXPECT_EQ(qope->Text(IDC_CODE_EDIT), L"");
    // The same root is still asked.
    qope->TypeKeys(std::wstring(1, wchar_t(keys[0])));
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 1);
}

TEST_F(RootDrills, EveryZoneOfBothEditionsShowsOnlyItsZone) {
    const int menus[] = {ID_ZONE_HENG, ID_ZONE_SHU, ID_ZONE_PIE, ID_ZONE_NA, ID_ZONE_ZHE};
    const char* zoneKeys[] = {"gfdsa", "hjklm", "qwert", "yuiop", "nbvcx"};
    for (int edition : {86, 98})
        for (int zone = 0; zone < 5; ++zone) {
            Start(menus[zone], edition);
            const std::string keys = KeysOf(QuestionRow(edition), edition);
            EXPECT_EQ(keys.find_first_not_of(zoneKeys[zone]), std::string::npos) << edition << ": " << keys;
        }
}

TEST_F(RootDrills, PictureSetsAreLoadedOnceReleasedByOtherDrillsAndEditions) {
    const long base = qope->Diagnostics(win::kLiveGdiObjects);
    Start(ID_ALL_ROOTS, 86);
    EXPECT_EQ(qope->Diagnostics(win::kLiveGdiObjects), base + qope::RootCount(86) + 1);
    Start(ID_ZONE_PIE, 86);  // kept
    EXPECT_EQ(qope->Diagnostics(win::kLiveGdiObjects), base + qope::RootCount(86) + 1);
    Start(ID_ALL_ROOTS, 98);  // the 86 set goes, the 98 set comes
    EXPECT_EQ(qope->Diagnostics(win::kLiveGdiObjects), base + qope::RootCount(98) + 1);
    Start(ID_ALL_CODES, 98);  // a code drill releases it
    EXPECT_EQ(qope->Diagnostics(win::kLiveGdiObjects), base);
}

TEST_F(RootDrills, RowsSurviveCoveringAndStopAfterAnEditionSwitch) {
    Start(ID_ALL_ROOTS, 86);
    const std::vector<int> row = QuestionRow(86);
    const std::string keys = KeysOf(row, 86);
    for (int i = 0; i < 5; ++i) qope->TypeKeys(std::wstring(1, wchar_t(keys[size_t(i)])));
    // Cover the rows with another window of the program, then take it away.
    qope->PostCommand(ID_VERSION_HISTORY);
    HWND history = qope->WaitForDialog(L"关于Qope......");
    ASSERT_TRUE(history);
    qope->Settle();
    ::SendMessageW(history, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(history); }));
    qope->Settle();
    EXPECT_EQ(QuestionRow(86), row);
    const e2e::Capture shot = qope->CaptureClient(qope->Main());
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(CellShows(shot, kRowX + kPitch * i, kAnswerY, 86, row[size_t(i)])) << i;
    EXPECT_EQ(IndexIn(shot, kRowX + kPitch * 5, kAnswerY, 86), -1);

    // After an edition switch the old rows are not painted again.
    qope->Command(ID_EDITION_98);
    ::InvalidateRect(qope->Main(), nullptr, TRUE);
    qope->Settle();
    const std::vector<int> after = QuestionRow(86);
    EXPECT_EQ(std::count(after.begin(), after.end(), -1), 28);
}

}  // namespace
