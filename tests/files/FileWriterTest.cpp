#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <filesystem>

#include "files/FileDialogTexts.h"
#include "files/FileWriter.h"
#include "files/SaveFile.h"
#include "support/TempDir.h"
#include "support/FakeDialogs.h"

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

TEST(FileWriter, NewFileHoldsTheBytesWithAUsersModeAndNothingBeside)
{
    TempDir dir;
    const std::string path = dir / "new.bin";
    const std::string bytes("a\0b\r\n\xFF", 6);
    ASSERT_TRUE(WriteFileReplacing(path, bytes));
    EXPECT_EQ(FileBytes(path), bytes);
    EXPECT_EQ(ModeOf(path), 0666 & ~CurrentUmask());
    EXPECT_EQ(dir.Entries(), 1);
}

TEST(FileWriter, ReplacesAnExistingFileAndKeepsItsMode)
{
    TempDir dir;
    const std::string path = dir / "old.bin";
    PutFile(path, "a much longer old content than the new one");
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    ASSERT_TRUE(WriteFileReplacing(path, "new"));
    EXPECT_EQ(FileBytes(path), "new");
    EXPECT_EQ(ModeOf(path), 0604u);
    EXPECT_EQ(dir.Entries(), 1);
}

// Permission checks as plain results, so that they can run in a child process under an
// ordinary user: permission bits do not bind root, and the tests may run as root.
std::string CheckPermissionsIn(const std::string& dir)
{
    const std::string locked = dir + "/locked.bin";
    PutFile(locked, "old");
    if (::chmod(locked.c_str(), 0444) != 0)
        return "cannot set up the read-only file";
    if (WriteFileReplacing(locked, "new"))
        return "a read-only file was replaced";
    if (FileBytes(locked) != "old")
        return "a read-only file changed";

    const std::string open = dir + "/open.bin";
    PutFile(open, "old content");
    if (::chmod(dir.c_str(), 0555) != 0)  // no new file may be made here
        return "cannot lock the folder";
    const bool saved = WriteFileReplacing(open, "new");
    ::chmod(dir.c_str(), 0755);
    if (!saved || FileBytes(open) != "new")
        return "a writable file in a locked folder was not saved";
    return "";
}

TEST(FileWriter, PermissionsOfTheTargetAndItsFolderAreRespected)
{
    TempDir dir;
    if (::geteuid() != 0) {
        EXPECT_EQ(CheckPermissionsIn(dir.Path().string()), "");
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(::chown(dir.Path().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)
            ::_exit(2);
        const std::string failure = CheckPermissionsIn(dir.Path().string());
        if (!failure.empty())
            std::fprintf(stderr, "%s\n", failure.c_str());
        ::_exit(failure.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: a check failed (see above); 2: could not become nobody";
}

TEST(FileWriter, AFailingStepLeavesTheOldFileAndNoTemporary)
{
    for (const WriteStep failing : {WriteStep::Create, WriteStep::Write, WriteStep::Sync,
                                    WriteStep::Close, WriteStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        TempDir dir;
        const std::string path = dir / "settings.bin";
        PutFile(path, "old content");
        const WriteFault fault = [failing](WriteStep step) { return step == failing; };
        EXPECT_FALSE(WriteFileReplacing(path, std::string(5000, 'n'), fault));
        EXPECT_EQ(FileBytes(path), "old content");
        EXPECT_EQ(dir.Entries(), 1);
    }
}

TEST(FileWriter, TargetsThatCannotTakeTheFileFailHarmlessly)
{
    TempDir dir;
    std::filesystem::create_directory(dir.Path() / "folder");
    PutFile(dir / "folder/inside", "kept");
    for (const std::string& path : {std::string("/dev/full"), dir / "missing/file.bin",
                                    dir / "folder", dir / "folder/"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(WriteFileReplacing(path, "bytes"));
    }
    EXPECT_EQ(FileBytes(dir / "folder/inside"), "kept");
    EXPECT_EQ(dir.Entries(), 1);
    // The device is written into, never replaced by a regular file.
    struct stat st {};
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(FileWriter, ALinkKeepsPointingAtTheReplacedFile)
{
    TempDir dir;
    PutFile(dir / "real.csv", "old");
    std::filesystem::create_symlink(dir.Path() / "real.csv", dir.Path() / "link.csv");
    ASSERT_TRUE(WriteFileReplacing(dir / "link.csv", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.csv"));
    EXPECT_EQ(FileBytes(dir / "real.csv"), "new");
    EXPECT_EQ(dir.Entries(), 2);
}

TEST(FileWriter, SaveTellsEveryFailureAndNothingOnSuccess)
{
    TempDir dir;
    const std::string path = dir / "log.bin";
    PutFile(path, "old");
    FakeDialogs dialogs;
    const WriteFault diskFull = [](WriteStep step) { return step == WriteStep::Write; };
    EXPECT_FALSE(SaveFileOrTell(path, "new content", dialogs, diskFull));
    EXPECT_EQ(FileBytes(path), "old");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Cannot write to file.");
    EXPECT_EQ(dialogs.shown[0].caption, "ERROR");
    EXPECT_TRUE(dialogs.shown[0].error);
    EXPECT_FALSE(dialogs.shown[0].question);

    EXPECT_TRUE(SaveFileOrTell(path, "new content", dialogs));
    EXPECT_EQ(FileBytes(path), "new content");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

} // namespace
