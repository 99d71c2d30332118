#include "cli/output.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/base/error.h"

namespace zv {
namespace {

TEST(Output, AClosedPipeStopsQuietlyAFullDiskIsAnError) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  const auto previous = std::signal(SIGPIPE, SIG_IGN);  // as a parent that ignores it leaves us
  close(ends[0]);
  FdOutput pipeOut(ends[1]);
  EXPECT_FALSE(pipeOut.Write("article\n"));
  close(ends[1]);
  std::signal(SIGPIPE, previous);

  const int full = open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  FdOutput fullOut(full);
  EXPECT_TRUE(fullOut.Write(""));
  try {
    fullOut.Write("article\n");
    ADD_FAILURE() << "a full disk passed for success";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos) << e.what();
  }
  close(full);
}

// The real program in a pipeline: `| head` ends it at once, with no message
// and the status of a closed pipe (or 0).
TEST(Output, TheCommandEndsQuietlyWhenThePipeCloses) {
  const std::string library = ZV_TEST_DATA "/../../data/sample-library.txt";
  const std::string command = std::string("set -o pipefail; ") + ZV_CLI + " generate " + library +
                              " --count 1000000 --stdout 2>" + ::testing::TempDir() +
                              "zv-pipe-err | head -c 100 >/dev/null";
  const int status = std::system(("bash -c '" + command + "'").c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_TRUE(WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 128 + SIGPIPE) << WEXITSTATUS(status);
  std::FILE* err = std::fopen((::testing::TempDir() + "zv-pipe-err").c_str(), "rb");
  ASSERT_NE(err, nullptr);
  EXPECT_EQ(std::fgetc(err), EOF);
  std::fclose(err);
}

}  // namespace
}  // namespace zv
