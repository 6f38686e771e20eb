// The main window driven through its menu commands at random, every question answered at
// random, and after every step the view compared with the book: the position line, the scroll
// bar, the 22 values, the record area and the title. The book's own rules are checked by its
// stress test; here what matters is that the window always shows what the book holds.
#include <QDialog>
#include <QScrollBar>
#include <random>

#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;

class MainWindowStress : public MainWindowTest {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(dir.File("folder.rwk"));
        WriteDatabase("a.rwk", 1, 3);
        WriteDatabase("b.rwk", 1, 1);
        WriteDatabase("full.rwk", 1, RecordTable::kMaxRecords);
        WriteBytes(dir.File("short.rwk"), FileImage(" 4 ", Trips(1, 3)));
        for (const char* name : {"a.rwk", "b.rwk", "full.rwk", "short.rwk", "new.rwk", "folder.rwk",
                                 "no folder/x.rwk"})
            paths_.push_back(dir.File(name));
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int percent) { return Uniform(0, 99) < percent; }
    Answer YesOrNo() { return Chance(50) ? Answer::Yes : Answer::No; }

    // A file dialog's answer: one of the paths, or Cancel (an empty name). Empty when cancelled.
    std::string ChoosePath(bool save) {
        const std::string path = Chance(15) ? "" : paths_[Uniform(0, int(paths_.size()) - 1)];
        const QString chosen = QString::fromStdString(path);
        if (save)
            platform.answerSaveDialog(chosen);
        else
            platform.answerOpenDialog(chosen);
        return path;
    }

    // Save As from the window: the name, the overwrite question, and the failure message of a
    // name that cannot take a file.
    void SaveAs() {
        const std::string path = ChoosePath(true);
        if (path.empty()) return;
        const bool folder = path.ends_with("folder.rwk"),
                   missing = path.find("/no folder/") != path.npos;
        if (FileExists(path)) {  // a folder is no file: nothing to overwrite
            const Answer overwrite = YesOrNo();
            platform.answerMessage(overwrite);
            if (overwrite != Answer::Yes) return;
        }
        if (folder || missing) platform.answerMessage(Answer::Ok);
    }

    void Step() {
        const int count = book.recordCount();
        const char* command = nullptr;
        const int pick = Uniform(0, 10);
        switch (pick) {
            case 0:
            case 1:
            case 2:
            case 3:  // the moves ask nothing
                command = std::array{"MnuFirst", "MnuLast", "MnuNext", "MnuPrev"}[pick];
                break;
            case 4:
                command = "MnuDel";
                if (count > 0) platform.answerMessage(YesOrNo());
                break;
            case 5: {
                command = "MnuDup";
                if (count == 0) break;
                if (count >= RecordTable::kMaxRecords) {
                    platform.answerMessage(Answer::Ok);  // the record limit
                    break;
                }
                const Answer answer =
                    std::array{Answer::Yes, Answer::No, Answer::Cancel}[Uniform(0, 2)];
                platform.answerMessage(answer);
                // Yes edits the copy at once: the editor is closed again unchanged.
                if (answer == Answer::Yes)
                    platform.answerModal([](QDialog&) { return int(QDialog::Rejected); });
                break;
            }
            case 6:
                command = "MnuNew";
                platform.answerMessage(YesOrNo());
                break;
            case 7:
                command = "MnuOpen";
                ChoosePath(false);
                break;
            case 8:
                command = "MnuSave";
                if (book.isUntitled()) {
                    SaveAs();
                } else if (book.fileName().ends_with("folder.rwk") ||
                           book.fileName().find("/no folder/") != std::string::npos) {
                    platform.answerMessage(Answer::Ok);  // the save failed
                }
                break;
            case 9:
                command = "MnuSas";
                SaveAs();
                break;
            default:
                command = "MnuMer";
                ChoosePath(true);
        }
        SCOPED_TRACE(command);
        Action(command)->trigger();
        EXPECT_TRUE(platform.allAnswersUsed()) << "a question expected was not asked";
        CheckView();
    }

    // The window shows what the book holds.
    void CheckView() {
        const int count = book.recordCount();
        ASSERT_TRUE(count >= 0 && count <= RecordTable::kMaxRecords);
        EXPECT_EQ(Area(), count > 0 ? "panel" : "notice");
        EXPECT_EQ(window.windowTitle().toStdString(), "Rodwick DB: " + book.titleName());
        if (count == 0) return;
        const int current = book.currentRecord();
        ASSERT_TRUE(current >= 1 && current <= count) << current << " of " << count;
        std::string expected = "Record " + std::to_string(current) + " of " +
                               std::to_string(count) + " | " + std::to_string(current) + " | " +
                               std::to_string(current);
        // The trips are plain ASCII, shown as they are held.
        for (const std::string& field : book.current().fields) expected += " | " + field;
        EXPECT_EQ(Shown(), expected);
    }

    std::mt19937 rng_;
    std::vector<std::string> paths_;
};

TEST_F(MainWindowStress, EveryCommandLeavesTheViewShowingTheBook) {
    const char* seedText = std::getenv("RODWICK_STRESS_SEED");
    const char* stepsText = std::getenv("RODWICK_STRESS_STEPS");
    const unsigned seed = seedText && *seedText ? unsigned(std::atoi(seedText)) : 7u;
    const int steps = stepsText && *stepsText ? std::atoi(stepsText) : 1500;
    rng_.seed(seed);
    for (int step = 1; step <= steps && !HasFailure(); ++step) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
        Step();
    }
}

}  // namespace
}  // namespace rodwick::testing
