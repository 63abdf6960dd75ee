// Help files a careless or hostile system may put where the calculator looks:
// each is refused with a reason, promptly, and never taken for a help file.
#include "help/help_file.h"
#include "help/help_html.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmor {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLimit = HelpFile::kMaxFileSize;
const std::string kTopic = "@popup 7 Digit keys\nTypes the digit.\n";

class HostileHelpFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = velmor::testing::testFolder("help_load");
        path_ = (dir_ / "calculator.hlp").string();
    }
    void TearDown() override {
        fs::permissions(dir_ / "calculator.hlp", fs::perms::owner_all, fs::perm_options::add, ignored_);
        fs::remove_all(dir_, ignored_);
    }
    void write(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }

    // Loads on another thread, so that a load which blocks (on a pipe, a device)
    // fails the test instead of hanging it. Not a speed limit: a blocked load spends
    // no processor time, so only the clock can tell, and the limit is far beyond
    // any load on a busy machine. False when the load did not return in time.
    bool loadsWithin(std::chrono::seconds limit, std::optional<HelpFile>& file, std::string& error) {
        auto load = std::async(std::launch::async, [&] { return HelpFile::load(path_, &error); });
        if (load.wait_for(limit) == std::future_status::ready) {
            file = load.get();
            return true;
        }
        // Give a blocked reader of a pipe a writer and an end, so the thread can finish.
        const int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        load.wait();
        return false;
    }

    fs::path dir_;
    std::string path_;
    std::error_code ignored_;
};

struct HostileFile {
    const char* what;
    std::function<void(const std::string& path)> make;
    const char* reason;
};

TEST_F(HostileHelpFile, RefusesWhatIsNoReadableTextFileOfReasonableSize) {
    const HostileFile cases[] = {
        {"missing", [](const std::string&) {}, "the file cannot be opened"},
        {"a directory", [](const std::string& p) { fs::create_directory(p); }, "it is not a regular file"},
        {"a pipe without a writer", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         "it is not a regular file"},
        {"an endless device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
         "it is not a regular file"},
        {"larger than the limit",
         [](const std::string& p) {
             std::ofstream(p) << kTopic;
             fs::resize_file(p, kLimit + 1);  // sparse: costs no disk
         },
         "the file is larger than 16 MB"},
        {"binary", [](const std::string& p) { std::ofstream(p, std::ios::binary) << kTopic << std::string("\0\x01\xff\xfe", 4); },
         "it is not a text file"},
        {"a regular file that reads with an error",  // the kernel's view of this process's memory
         [](const std::string& p) { fs::create_symlink("/proc/self/mem", p); }, "the file cannot be read"},
    };
    for (const HostileFile& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(path_, ignored_);
        c.make(path_);
        std::optional<HelpFile> file;
        std::string error;
        if (!loadsWithin(std::chrono::seconds(60), file, error)) {
            ADD_FAILURE() << "loading the help file did not return";
            continue;
        }
        EXPECT_FALSE(file);
        EXPECT_EQ(error, c.reason);
        // Both ways into help show the message of a missing help file, with the reason.
        const std::string popup = popupHtml(path_, 7);
        EXPECT_NE(popup.find("Help is not available"), std::string::npos) << popup;
        EXPECT_NE(popup.find(c.reason), std::string::npos) << popup;
        EXPECT_NE(viewerHtml(path_, TopicKind::Contents, 1).find("Help is not available"), std::string::npos);
    }
}

TEST_F(HostileHelpFile, AFileWithoutReadPermissionCannotBeOpened) {
    write(kTopic);
    fs::permissions(path_, fs::perms::none);
    if (::access(path_.c_str(), R_OK) == 0) GTEST_SKIP() << "this user reads files without read permission";
    std::string error;
    EXPECT_FALSE(HelpFile::load(path_, &error));
    EXPECT_EQ(error, "the file cannot be opened");
}

TEST_F(HostileHelpFile, AFileOfExactlyTheLimitIsRead) {
    std::string text = kTopic;
    text.resize(kLimit, '\n');
    write(text);
    std::string error;
    const auto file = HelpFile::load(path_, &error);
    ASSERT_TRUE(file) << error;
    ASSERT_NE(file->popup(7), nullptr);
    EXPECT_EQ(file->popup(7)->body, "Types the digit.");
}

// A file cut short anywhere, even inside a header or a UTF-8 character, still
// loads: its whole topics are shown and the others are reported as missing.
TEST_F(HostileHelpFile, ATruncatedFileKeepsItsWholeTopics) {
    const std::string full = "@popup 1 Equals \xE2\x80\x94 the result\nCompletes the sum.\n\n@popup 7 Digit keys\nTypes the digit.\n";
    const std::size_t secondTopic = full.find("@popup 7");
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        write(full.substr(0, cut));
        std::string error;
        const auto file = HelpFile::load(path_, &error);
        ASSERT_TRUE(file) << error;
        if (cut >= secondTopic) {
            ASSERT_NE(file->popup(1), nullptr);
            EXPECT_EQ(file->popup(1)->body, "Completes the sum.");
        }
        const std::string popup = popupHtml(path_, 7);
        EXPECT_TRUE(popup.starts_with("<p><b>D") || popup.find("has no topic 7") != std::string::npos) << popup;
    }
}

}  // namespace
}  // namespace velmor
