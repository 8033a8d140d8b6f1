// Unsaved changes: the save question and its answers, the title, and the recovery copy (its side
// file, when it is offered, restoring it, and when it goes).
#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/file_io.hpp"
#include "editor/editor_session.hpp"
#include "editor/recovery_file.hpp"
#include "editor/unsaved_changes.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

namespace fs = std::filesystem;

class UnsavedWorkTest : public ::testing::Test {
 protected:
  UnsavedWorkTest() {
    ::setenv("XDG_CONFIG_HOME", (folder_.path() / "config").c_str(), 1);
    session_.keepRecoveryIn(state());
  }

  fs::path file(const std::string& name) const { return folder_.path() / name; }
  fs::path state() const { return folder_.path() / "state"; }

  // Answers the question with `choice` and the path dialog with `path`.
  bool settle(SaveChoice choice, std::optional<fs::path> path = std::nullopt) {
    return settleUnsavedChanges(session_, {[&](const std::string& question) {
                                             questions_.push_back(question);
                                             return choice;
                                           },
                                           [&] { return path; },
                                           [&](const Outcome& outcome) { reports_.push_back(outcome); }});
  }

  TestFolder folder_;
  EditorSession session_;
  std::vector<std::string> questions_;
  std::vector<Outcome> reports_;
};

TEST_F(UnsavedWorkTest, TheQuestionComesOnlyWithChangesAndItsAnswersAreKept) {
  EXPECT_TRUE(settle(SaveChoice::Cancel));
  EXPECT_TRUE(questions_.empty());
  EXPECT_EQ(documentTitle(session_, "Editor"), "Editor");

  session_.addScene();
  EXPECT_EQ(documentTitle(session_, "Editor"), "*Editor");
  EXPECT_FALSE(settle(SaveChoice::Cancel));
  EXPECT_EQ(questions_.back(), "Save changes to Untitled?");
  EXPECT_TRUE(settle(SaveChoice::Discard));
  EXPECT_TRUE(session_.modified());  // the command that asked replaces the project

  // Save without a path asks for one; cancelling that keeps everything.
  EXPECT_FALSE(settle(SaveChoice::Save));
  EXPECT_TRUE(reports_.empty());
  EXPECT_FALSE(settle(SaveChoice::Save, file("missing/folder/a.tsc")));
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_NE(reports_[0].status.message.find("a.tsc"), std::string::npos);
  EXPECT_TRUE(session_.modified());
  EXPECT_TRUE(settle(SaveChoice::Save, file("a.tsc")));
  EXPECT_FALSE(session_.modified());
  EXPECT_EQ(documentTitle(session_, "Editor"), file("a.tsc").string());

  session_.addScene();
  EXPECT_TRUE(settle(SaveChoice::Save));  // to its own path, without asking for one
  EXPECT_EQ(questions_.back(), "Save changes to a.tsc?");
  EXPECT_FALSE(session_.modified());
}

TEST_F(UnsavedWorkTest, TheSideFileKeepsAnyPathAndRefusesWhatItDidNotWrite) {
  const RecoveryNote note{"/packs/two words\nand a line.tsc", 1796684400};
  const std::optional<RecoveryNote> read = parseRecoveryNote(recoveryNoteText(note));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->pack, note.pack);
  EXPECT_EQ(read->savedAt, note.savedAt);
  for (const char* damaged : {"", "saved \npack x\n", "saved 12\npack x", "pack x\nsaved 12\n"})
    EXPECT_FALSE(parseRecoveryNote(damaged)) << damaged;
}

TEST_F(UnsavedWorkTest, TheCopyIsOfferedOnlyWhenNewerThanItsPack) {
  const RecoveryFile recovery(state());
  EXPECT_FALSE(recovery.pending());
  ASSERT_TRUE(session_.savePackAs(file("a.tsc")).ok());
  EXPECT_TRUE(session_.writeRecovery().ok());
  EXPECT_FALSE(recovery.pending());  // nothing to recover without changes

  session_.addScene();
  ASSERT_TRUE(session_.writeRecovery().ok());
  std::string written, saved;
  ASSERT_TRUE(readWholeFile(recovery.packFile(), written).ok());
  EXPECT_EQ(written, session_.packTextAsSaved());
  const auto hourAgo = fs::last_write_time(recovery.packFile()) - std::chrono::hours(1);
  fs::last_write_time(file("a.tsc"), hourAgo);
  ASSERT_TRUE(recovery.pending());
  EXPECT_EQ(recovery.pending()->pack, file("a.tsc"));

  fs::last_write_time(file("a.tsc"), hourAgo + std::chrono::hours(2));  // saved elsewhere since
  EXPECT_FALSE(recovery.pending());
  fs::remove(file("a.tsc"));
  EXPECT_TRUE(recovery.pending());  // the copy is all that is left
  ASSERT_TRUE(writeFileAtomically(recovery.noteFile(), "damaged").ok());
  ASSERT_TRUE(recovery.pending());
  EXPECT_TRUE(recovery.pending()->pack.empty());
}

TEST_F(UnsavedWorkTest, RestoringOpensAModifiedProjectWithTheOriginalPathUntilItIsSaved) {
  ASSERT_TRUE(session_.savePackAs(file("a.tsc")).ok());
  session_.addScene();
  session_.addScene();
  ASSERT_TRUE(session_.writeRecovery().ok());

  EditorSession next;
  next.keepRecoveryIn(state());
  const std::optional<RecoveryNote> pending = next.pendingRecovery();
  ASSERT_TRUE(pending);
  ASSERT_TRUE(next.restoreRecovery(*pending).ok());
  EXPECT_EQ(next.scenes().sceneCount, 3);
  EXPECT_TRUE(next.modified());
  EXPECT_EQ(next.packPath(), file("a.tsc"));
  EXPECT_EQ(next.recentFiles().count, 0);  // a restore opens no recent file
  ASSERT_TRUE(next.savePack().ok());
  EXPECT_FALSE(next.pendingRecovery());
  EXPECT_FALSE(fs::exists(RecoveryFile(state()).noteFile()));

  // Opening another pack gives up the changes the copy kept.
  next.addScene();
  ASSERT_TRUE(next.writeRecovery().ok());
  ASSERT_TRUE(next.openPack(file("a.tsc")).ok());
  EXPECT_FALSE(fs::exists(RecoveryFile(state()).packFile()));
}

}  // namespace
}  // namespace tess
