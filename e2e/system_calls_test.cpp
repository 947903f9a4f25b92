// The program talks to nothing but the window system: traced with strace through a session of
// real input, it opens no network socket but the display connection, writes no file and reads
// none of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "e2e/program_test.h"

namespace valvetrain::e2e {
namespace fs = std::filesystem;
namespace {

class SystemCallsTest : public ProgramTest {
 protected:
  void SetUp() override {}  // starts the program under strace itself
};

TEST_F(SystemCallsTest, OnlyTheDisplayConnectionAndNoFilesOfItsOwn) {
  const fs::path work = fs::temp_directory_path() / "valvetrain-strace";
  fs::remove_all(work);
  fs::create_directories(work);
  const fs::path trace = work / "trace.txt";
  std::ofstream(work / "decoy.bmp") << "the program must not read this";
  // A desktop session provides a runtime folder; without one the toolkit would make its own.
  const fs::path runtime = fs::temp_directory_path() / "valvetrain-strace-runtime";
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);

  // LeakSanitizer, in a sanitizer build, cannot stop a process that strace already traces.
  const std::string command = "cd " + work.string() + " && ASAN_OPTIONS=detect_leaks=0" +
                              " XDG_RUNTIME_DIR=" + runtime.string() +
                              " exec strace -f -qq -o " +
                              trace.string() +
                              " -e trace=socket,connect,bind,open,openat,creat,mkdir,mkdirat,"
                              "rename,renameat,unlink,unlinkat " VALVETRAIN_PROGRAM;
  program_ = session_->Start({"sh", "-c", command});
  window_ = session_->WaitForWindow(kCaption, milliseconds(20'000));
  ASSERT_NE(window_, 0u);
  RunAtFullPace();
  for (const char* key : {"plus", "space", "asterisk", "period", "slash", "minus", "a"}) Key(key);
  MoveTo(50, 50);
  Click();
  MoveBy(0, 20);
  MoveBy(0, -10);
  Click();
  Key("Escape");
  const std::optional<int> status = program_.WaitForExit(milliseconds(5'000));
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(*status, 0);

  std::ifstream in(trace);
  std::string line;
  int lines = 0;
  const std::vector<std::string> own = {work.string(), VALVETRAIN_SOURCE_DIR,
                                        fs::path(VALVETRAIN_PROGRAM).parent_path().string()};
  while (std::getline(in, line)) {
    ++lines;
    if (const size_t at = line.find("socket("); at != std::string::npos) {
      EXPECT_EQ(line.compare(at + 7, 8, "AF_UNIX,"), 0) << "a network socket: " << line;
    }
    if (line.find("connect(") != std::string::npos && line.find("= -1") == std::string::npos) {
      EXPECT_NE(line.find("sun_path=@\"/tmp/.X11-unix/X"), std::string::npos)
          << "not the display: " << line;
    }
    if (line.find("bind(") != std::string::npos) ADD_FAILURE() << "a listening socket: " << line;
    for (const char* call : {"mkdir", "rename", "unlink"}) {
      if (line.find(std::string(" ") + call) != std::string::npos &&
          line.find("= -1") == std::string::npos) {
        ADD_FAILURE() << "changes the file system: " << line;
      }
    }
    if (line.find("open(") != std::string::npos || line.find("openat(") != std::string::npos ||
        line.find("creat(") != std::string::npos) {
      const size_t first = line.find('"'), last = line.find('"', first + 1);
      ASSERT_NE(last, std::string::npos) << line;
      const std::string path = line.substr(first + 1, last - first - 1);
      const std::string flags = line.substr(last + 1);
      const bool writes = flags.find("O_WRONLY") != std::string::npos ||
                          flags.find("O_RDWR") != std::string::npos ||
                          flags.find("O_CREAT") != std::string::npos ||
                          line.find("creat(") != std::string::npos;
      const bool device = path.rfind("/dev/", 0) == 0 || path.rfind("/proc/", 0) == 0;
      if (writes && !device) ADD_FAILURE() << "writes a file: " << line;
      // The toolkit looks for plugin folders beside the program; finding none is no read.
      const bool found = line.find("= -1") == std::string::npos;
      for (const std::string& folder : own) {
        if (found && path.rfind(folder, 0) == 0 && path != VALVETRAIN_PROGRAM) {
          ADD_FAILURE() << "reads a file of its own: " << line;
        }
      }
    }
  }
  EXPECT_GT(lines, 10) << "the trace is empty";
  fs::remove_all(work);
}

}  // namespace
}  // namespace valvetrain::e2e
